#include "gamedialog.h"

#include "model/services.h"
#include "ui/dialogpointer.h"
#include "ui/smallcontrols.h"

#include <QAbstractButton>
#include <QFrame>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>

QFont DialogFont(const QString& face) {
    QFont font(face);
    font.setPixelSize(11);
    return font;
}

TGameDialog::TGameDialog(QWidget* parent, const QString& caption, QSize client, const QString& face)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(caption);
    setFixedSize(client);
    setFont(DialogFont(face));
}

QFrame* TGameDialog::LoweredPanel(QWidget* parent, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    return panel;
}

TvtButton* TGameDialog::AddOkCancel(const QString& caption, QPoint at, TWindowServices& services) {
    auto* ok = new TvtButton(caption, this);
    ok->setObjectName(QStringLiteral("btOk"));
    ok->setGeometry(QRect(at, QSize(73, 21)));
    ok->Default = true;
    auto* cancel = new TvtButton(tr("Отмена"), this);
    cancel->setObjectName(QStringLiteral("btCancel"));
    cancel->setGeometry(QRect(at + QPoint(83, 0), QSize(73, 21)));
    cancel->Cancel = true;
    for (TvtButton* button : {ok, cancel})
        button->OnClick = [&services] { services.Sound(TSound::Button); };
    return ok;
}

void TGameDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TGameDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Before the game's window is shown (a choice made on the start screen),
    // the dialog stands in the middle of the screen, where that window opens,
    // not in the corner of the window not yet placed.
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible())
        move(screen()->availableGeometry().center() - rect().center());
    raise();
    activateWindow();
}

QMessageBox::StandardButton Ask(QWidget* parent, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton byDefault) {
    const TDialogPointer pointer;
    QMessageBox box(QMessageBox::Question, parent->windowTitle(), text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    const std::pair<QMessageBox::StandardButton, const char*> answers[] = {
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("TMainForm", "Да")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("TMainForm", "Нет")}};
    for (const auto& [answer, caption] : answers)
        if (QAbstractButton* button = box.button(answer))
            button->setText(QCoreApplication::translate("TMainForm", caption));
    box.setDefaultButton(byDefault);
    // Asked before the game's window is shown, it stands in the screen's
    // middle instead of its parent's corner.
    if (!parent->isVisible()) {
        box.adjustSize();
        box.move(parent->screen()->availableGeometry().center() - box.rect().center());
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
