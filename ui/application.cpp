#include "application.h"

#include <QMessageBox>
#include <QTimer>
#include <exception>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Тарвения"));
}

void TApplication::ShowError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, applicationName(), text, QMessageBox::Ok,
                    activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    QString error;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        error = QString::fromStdString(e.what());
    } catch (...) {
        error = QStringLiteral("Неизвестная ошибка");
    }
    // Shown once the event that failed is over, so that a paint or a mouse
    // grab in progress is not nested into the error box.
    QTimer::singleShot(0, this, [error] { ShowError(error); });
    return true;
}
