#pragma once
#include <QApplication>

#include "testsupport_core.h"

// The set-up of tests that drive the program's windows.
namespace testsupport {

// Unload and destroy every window, wire the program afresh (a stand-in
// route of an earlier case goes), reset every registered program state,
// pin the locale, install fresh fakes.
void resetProgram();

void initTestApp(QApplication& app);

}  // namespace testsupport

#define AURAVANE_TEST_MAIN(TestClass)                  \
  int main(int argc, char** argv) {                    \
    QApplication app(argc, argv);                      \
    testsupport::initTestApp(app);                     \
    TestClass tc;                                      \
    QTEST_SET_MAIN_SOURCE_PATH                         \
    return QTest::qExec(&tc, argc, argv);              \
  }
