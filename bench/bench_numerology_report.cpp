// Time of a comprehensive numerology reading written into the comprehensive
// report window: its header and 22 sections in the common layout, each with
// a general description and an interpretation of ordinary length, appended
// piece by piece to a freshly loaded window's report box. Numbers whose
// computation is in place are computed; the others get a stand-in section of
// the same size. Also times the real "Comprehensive Reading" click up to the
// window being shown. Prints the medians. Runs offscreen unless a platform is
// chosen.
//
//   bench_numerology_report [readings]

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "numerology/KestruneReportWindow.h"
#include "numerology/NumberCatalogue.h"
#include "numerology/NumberReportWriter.h"
#include "numerology/NumerologyState.h"
#include "numerology/frmKestrune.h"
#include "numerology/frmKestruneSoftwareMain.h"
#include "platform/App.h"
#include "platform/Forms.h"
#include "platform/Services.h"
#include "shell/frmMDI.h"

namespace {

using platform::Forms;
using namespace numerology;

double medianMs(std::vector<qint64>& ns) {
  std::sort(ns.begin(), ns.end());
  return ns.empty() ? 0.0 : double(ns[ns.size() / 2]) / 1e6;
}

// A paragraph of about the length the report's texts have.
QString paragraph(int sentences) {
  QString p;
  for (int i = 0; i < sentences; ++i)
    p += QStringLiteral("You carry a quiet strength that others notice before you do, and it grows "
                        "each time you trust it. ");
  return p.trimmed();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::initApplication(app);
  shell::installMdiHost();
  platform::services().msgBox = [](const QString&, int, const QString&) { return int(platform::vbNo); };
  const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 50;

  frmMDI* mdi = Forms::get<frmMDI>();
  mdi->show();
  mdi->cmdSelectOption[0]->click();
  auto* page = Forms::find<frmKestruneSoftwareMain>();
  page->txtFirstName->setText(QStringLiteral("JOHN"));
  page->txtMiddleName->setText(QStringLiteral("QUINCY"));
  page->txtLastName->setText(QStringLiteral("SMITH"));
  page->cmdNext->click();
  frmKestrune* chooser = Forms::find<frmKestrune>();

  NumberInput in;
  in.firstName = page->txtFirstName->text();
  in.middleName = page->txtMiddleName->text();
  in.lastName = page->txtLastName->text();
  in.month = page->cboMonth->currentText();
  in.day = page->cboDate->currentText();
  in.year = page->cboYear->currentText();
  in.today = QDate(2026, 6, 15);

  // Written sections.
  std::vector<qint64> written;
  QElapsedTimer t;
  int characters = 0;
  for (int i = 0; i < runs; ++i) {
    Forms::unload<frmKestruneSoftwareSave>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmKestruneSoftwareSave* save = Forms::get<frmKestruneSoftwareSave>();
    t.start();
    numerologyState().beginComprehensive();
    save->RTB->setSelText(QStringLiteral("Name: JOHN QUINCY SMITH\r\nDate of Birth: August 6, 1979\r\n\r\n"));
    save->RTB->setSelText(QStringLiteral("\r\n\r\n\r\n"));
    for (NumberId id : comprehensiveOrder()) {
      NumberEntry e = entry(id);
      NumberResult r;
      if (e.compute) {
        r = e.compute(in, numerologyState());
      } else {
        e.heading = QStringLiteral("Your ") + e.caption + QStringLiteral(" is: ");
        e.description = [] { return paragraph(3); };
        r.number = 7;
        r.interpretation = paragraph(6);
      }
      chooser->NumberReportSection(e, r);
    }
    save->RTB->setSelStart(save->RTB->Text().size());
    save->RTB->setSelText(QStringLiteral("\r\n\r\n"));
    numerologyState().endComprehensive();
    save->RTB->document()->size();  // lays the report out, as showing it would
    written.push_back(t.nsecsElapsed());
    characters = save->RTB->Text().size();
  }

  // The real click, until the window is shown (it is closed at once).
  std::vector<qint64> clicked;
  for (int i = 0; i < runs; ++i) {
    qint64 shownAt = 0;
    QTimer::singleShot(0, [&] {
      shownAt = t.nsecsElapsed();
      if (auto* w = Forms::find<frmKestruneSoftwareSave>()) w->cmdBack->click();
    });
    t.start();
    chooser->cmdComprehensiveReading->click();
    clicked.push_back(shownAt);
  }

  std::printf("comprehensive reading, 22 sections written and laid out (%d characters): median %.2f ms\n",
              characters, medianMs(written));
  std::printf("\"Comprehensive Reading\" click until the window shows: median %.2f ms\n",
              medianMs(clicked));
  return 0;
}
