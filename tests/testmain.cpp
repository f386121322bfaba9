// One Qt application object for the whole test program, created before the
// tests run. Widget tests build with TARVENIA_TEST_GUI and get a QApplication;
// the game's window tests, with TARVENIA_TEST_APPLICATION, the game's own.
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#if defined(TARVENIA_TEST_APPLICATION)
#include "base/paths.h"
#include "ui/application.h"
using TTestApplication = TApplication;
#elif defined(TARVENIA_TEST_GUI)
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QCoreApplication>
using TTestApplication = QCoreApplication;
#endif

#if defined(TARVENIA_TSAN_SUPPRESSIONS)
// ThreadSanitizer checks only the code built with it: the memory calls of
// Qt's own compiled code go unchecked, as Qt's locks are hidden from it, and
// the Qt templates built into the tests that hand data between threads are
// named in the suppressions file.
extern "C" const char* __tsan_default_options() {
    return "ignore_noninstrumented_modules=1 suppressions=" TARVENIA_TSAN_SUPPRESSIONS;
}
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Headless unless told otherwise, also when CTest lists the tests at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own event loop, as the game's application object chooses.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    // The player's settings and saved games of this run go to a folder of
    // its own, never to the user's.
    const QTemporaryDir userFolders;
    qputenv("XDG_CONFIG_HOME", userFolders.filePath("config").toUtf8());
    qputenv("TARVENIA_SAVE_DIR", userFolders.filePath("saves").toUtf8());
    TTestApplication app(argc, argv);
#if defined(TARVENIA_TEST_APPLICATION)
    // The game's window speaks Russian, whatever the runner's desktop.
    app.Speak(TLanguage::Russian, DataFolder());
#endif
    // Tests expect "." as the decimal separator whatever the runner's locale.
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
