#pragma once

#include <QString>

class QWidget;

// Minimises the game's main window and hands the address to the desktop's
// default handler (a web page, or a mail program for "mailto:"). A failure to
// open it is not reported; on a desktop without a handler nothing happens.
void OpenLink(QWidget* mainWindow, const QString& address);
