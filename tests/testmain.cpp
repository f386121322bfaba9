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
    TTestApplication app(argc, argv);
    // Tests expect "." as the decimal separator whatever the runner's locale.
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
