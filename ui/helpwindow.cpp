#include "helpwindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(const QString& fileName, const QString& topic, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Тарвения - помощь"));
    resize(640, 560);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* browser = new QTextBrowser(this);
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
