#include "links.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

void OpenLink(QWidget* mainWindow, const QString& address) {
    // The desktop's handler is xdg-open; without it there is nobody to hand
    // the address to, and the game stays as it is.
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return;
    if (mainWindow)
        mainWindow->showMinimized();
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}
