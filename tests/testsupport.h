#pragma once
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <deque>
#include <optional>

#include "platform/Services.h"

// Stand-ins for the services a test cannot drive for real, and the set-up
// every test executable shares.
namespace testsupport {

struct ShownBox {
  QString text;
  int style;
  QString title;
};

struct Fakes {
  QDate today{2026, 12, 10};
  std::deque<double> rnd;          // scripted values; when empty, a fixed generator runs
  platform::Lcg24 fallback{12345};
  int randomizeCalls = 0;
  QList<int> sleeps;
  int doEventsCalls = 0;
  QList<ShownBox> boxes;
  std::deque<int> answers;         // answers to Yes/No boxes; vbNo when empty
  std::deque<std::optional<QString>> saveChoices, openChoices;
  QList<platform::FileDialogRequest> saveRequests, openRequests;
  QStringList printed;             // plain text of each printed document
  bool printerPresent = true;
  QList<QUrl> urls;
  int endCalls = 0;
};

// Installs fresh fakes and returns them.
Fakes& fakes();
void installFakes();
// Unload and destroy every window, reset program-wide state.
void resetProgram();
// A temporary folder for files the test writes.
QString tempDir();

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
