#include "ui/filedialog.h"

#include <QCoreApplication>
#include <QFileDialog>

QString ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                   const QString& filter, const QString& suffix, bool forSaving,
                   const QString& suggestedName, bool askToReplace) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !askToReplace);
    // Qt's Russian translation names the cancel button as the game does; its
    // other captions differ («Перейти к:», «Типы файлов:», «Открыть») or
    // underline a shortcut letter, so the game keeps its own.
    dialog.setLabelText(QFileDialog::LookIn, QCoreApplication::translate("FileDialog", "Папка:"));
    dialog.setLabelText(QFileDialog::FileName,
                        QCoreApplication::translate("FileDialog", "Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType,
                        QCoreApplication::translate("FileDialog", "Тип файлов:"));
    dialog.setLabelText(QFileDialog::Accept,
                        forSaving ? QCoreApplication::translate("FileDialog", "Сохранить")
                                  : QCoreApplication::translate("FileDialog", "Загрузить"));
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}
