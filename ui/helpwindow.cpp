#include "helpwindow.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(const QString& fileName, const QString& topic, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Тарвения - помощь"));
    // Large enough for the page's widest table, within the screen.
    QSize size(960, 720);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* browser = new QTextBrowser(this);
    // Lines break between words only: a narrow window scrolls across rather
    // than cut a word of a table in two.
    browser->setWordWrapMode(QTextOption::WordWrap);
    layout->addWidget(browser);
    // Links to other pages of the help stay inside; web addresses go to the
    // desktop's browser.
    browser->setOpenExternalLinks(true);
    if (QFileInfo::exists(fileName)) {
        QUrl url = QUrl::fromLocalFile(fileName);
        url.setFragment(topic);
        browser->setSource(url, QTextDocument::HtmlResource);
    } else {
        browser->setPlainText(tr("Файл помощи не найден: %1").arg(fileName));
    }
}
