#include "helpwindow.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(const QString& fileName, const QString& topic, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Тарвения - помощь"));
    resize(640, 560);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Links to other pages of the help stay inside; web addresses go to the
    // desktop's browser.
    browser_->setOpenExternalLinks(true);
    if (QFileInfo::exists(fileName)) {
        QUrl url = QUrl::fromLocalFile(fileName);
        url.setFragment(topic);
        browser_->setSource(url, QTextDocument::HtmlResource);
    } else {
        browser_->setPlainText(QStringLiteral("Файл помощи не найден: ") + fileName);
    }
}
