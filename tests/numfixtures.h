#pragma once
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTimer>
#include <functional>

#include "numerology/KestruneReportWindow.h"
#include "numerology/NumberReportWriter.h"
#include "numerology/NumerologyState.h"
#include "numerology/frmKestrune.h"
#include "numerology/frmKestruneSoftwareMain.h"
#include "platform/Cp1252.h"
#include "platform/Forms.h"
#include "shell/frmMDI.h"
#include "testsupport.h"

// Helpers the numerology window tests share.
namespace numfixtures {

using platform::Forms;

// A fresh program (every window gone, every state at its start).
inline void reset() { testsupport::resetProgram(); }

// The input page, opened by the main window's mode button.
inline frmKestruneSoftwareMain* openInputPage() {
  frmMDI* mdi = Forms::get<frmMDI>();
  mdi->show();
  mdi->cmdSelectOption[0]->click();
  return Forms::find<frmKestruneSoftwareMain>();
}

inline void fill(frmKestruneSoftwareMain* page, const QString& first, const QString& middle,
                 const QString& last, const QString& month = QStringLiteral("August"),
                 const QString& day = QStringLiteral("6"), const QString& year = QStringLiteral("1979")) {
  page->txtFirstName->setText(first);
  page->txtMiddleName->setText(middle);
  page->txtLastName->setText(last);
  page->cboMonth->setCurrentIndex(page->cboMonth->findText(month));
  page->cboDate->setCurrentIndex(page->cboDate->findText(day));
  page->cboYear->setCurrentIndex(page->cboYear->findText(year));
}

// The chooser for a reading, opened through the input page's "&Next".
inline frmKestrune* openChooser(const QString& first, const QString& middle, const QString& last,
                                const QString& month = QStringLiteral("August"),
                                const QString& day = QStringLiteral("6"),
                                const QString& year = QStringLiteral("1979")) {
  frmKestruneSoftwareMain* page = openInputPage();
  fill(page, first, middle, last, month, day, year);
  page->cmdNext->click();
  return Forms::find<frmKestrune>();
}

// Runs action, which shows window T modally; while T is up, inspect runs on
// it, then T is closed by its "&Back". Returns whether T came up modal.
template <class T>
bool whileModal(const std::function<void()>& action, const std::function<void(T*)>& inspect) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    T* w = Forms::find<T>();
    if (!w || QApplication::activeModalWidget() != w) return;
    seen = true;
    if (inspect) inspect(w);
    if (Forms::isLoaded<T>()) w->cmdBack->click();
  });
  // Should the window stay up, do not hang the run.
  QTimer::singleShot(5000, [] { Forms::unload<T>(); });
  action();
  return seen;
}

// The report as runs: "text|b|colour" for each fragment, blocks joined by
// "\n" (b for bold, - for not; colour as #rrggbb).
inline QStringList runs(const QTextDocument* doc) {
  QStringList out;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      out << f.text() + QLatin1Char('|') +
                 (f.charFormat().fontWeight() >= QFont::Bold ? QLatin1Char('b') : QLatin1Char('-')) +
                 QLatin1Char('|') + f.charFormat().foreground().color().name();
    }
    if (b.next().isValid()) out << QStringLiteral("\\n");
  }
  return out;
}

inline QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

// One encoded line of a reading file: each byte its character's code + 85.
inline QByteArray encodedLine(const QString& plain) {
  QByteArray out;
  for (QChar c : plain) out += char(platform::cp1252::toCode(c) + 85);
  return out + "\r\n";
}

}  // namespace numfixtures
