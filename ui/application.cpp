#include "application.h"

#include "ui/dialogpointer.h"
#include "ui/gamedialog.h"
#include "ui/hintstyle.h"

#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <exception>

namespace {

constexpr const char* NoGlib = "QT_NO_GLIB";
bool loopChosenHere = false;

// Chooses the event loop before the application object makes it.
int& WithQtEventLoop(int& argc) {
    loopChosenHere = !qEnvironmentVariableIsSet(NoGlib);
    if (loopChosenHere)
        qputenv(NoGlib, "1");
    return argc;
}

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(WithQtEventLoop(argc), argv) {
    if (loopChosenHere)
        qunsetenv(NoGlib);
    setApplicationName(QStringLiteral("Тарвения"));
}

TLanguage TApplication::Speak(TLanguage chosen, const QString& dataFolder) {
    spoken_ = texts_.Install(chosen, TranslationsFolder(dataFolder));
    return spoken_;
}

const TLanguageRow& TApplication::Spoken() {
    return LanguageRow(spoken_);
}

QLocale TApplication::Locale() {
    return QLocale(Spoken().Locale);
}

void TApplication::SetUpLook() {
    setStyle(new THintStyle);
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));
    SetUpFonts();
}

void TApplication::SetUpFonts() {
    // The dialogs were laid out for these faces; Liberation Sans has their metrics.
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    setFont(DialogFont(QStringLiteral("Tahoma")));
}

void TApplication::ShowError(const QString& text) {
    const TDialogPointer pointer;
    QMessageBox box(QMessageBox::Critical, tr("Тарвения"), text, QMessageBox::Ok, activeWindow());
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
        error = tr("Неизвестная ошибка");
    }
    // Shown once the event that failed is over, so that a paint or a mouse
    // grab in progress is not nested into the error box.
    QTimer::singleShot(0, this, [error] { ShowError(error); });
    return true;
}
