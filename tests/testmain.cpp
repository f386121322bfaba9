// One Qt application object for the whole test program, created before the
// tests run. Widget tests build with TARVENIA_TEST_GUI and get a QApplication.
#include <QLocale>
#include <gtest/gtest.h>

#ifdef TARVENIA_TEST_GUI
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QCoreApplication>
using TTestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Headless unless told otherwise, also when CTest lists the tests at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TTestApplication app(argc, argv);
    // Tests expect "." as the decimal separator whatever the runner's locale.
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
