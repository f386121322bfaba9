#include "uitesting.h"

#include "model/random.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

TDialogAnswerer::TDialogAnswerer(std::function<void(QDialog&)> answer)
    : answer_(std::move(answer)) {
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            Titles << dialog->windowTitle();
            answer_(*dialog);
        }
    });
    timer_.start();
}

TDialogAnswerer::~TDialogAnswerer() = default;

void PressEnter(QWidget& widget) {
    QTest::keyClick(&widget, Qt::Key_Return);
}

QString ShownHint(QWidget& widget) {
    const QPoint inside(widget.width() / 2, widget.height() / 2);
    QHelpEvent rest(QEvent::ToolTip, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &rest);
    QToolTip::hideText();
    return widget.toolTip();
}

void PressEscape(QWidget& widget) {
    QTest::keyClick(&widget, Qt::Key_Escape);
}

TGameWindow::TGameWindow(const QString& folder) : Form(Images, folder) {
    Form.SetSoundPlayer(std::make_unique<TListeningSoundPlayer>(Heard));
    // The window seeds from the clock; tests replay one game.
    Form.Colony().SeedGame(1);
}
