#include "links.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

void OpenLink(QWidget* mainWindow, const QString& address) {
    if (mainWindow)
        mainWindow->showMinimized();
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}
