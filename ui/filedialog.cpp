#include "ui/filedialog.h"

#include <QFileDialog>

QString ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                   const QString& filter, const QString& suffix, bool forSaving,
                   const QString& suggestedName, bool askToReplace) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !askToReplace);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файлов:"));
    dialog.setLabelText(QFileDialog::Accept,
                        forSaving ? QStringLiteral("Сохранить") : QStringLiteral("Загрузить"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}
