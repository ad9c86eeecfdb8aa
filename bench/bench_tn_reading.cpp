// A tarot-numerology reading from "Show Tarot Numerology Reading" to the
// result window shown with its number pages, its Numerology Spread grid and
// the spread's report, pictures included; median over many readings,
// offscreen unless QT_QPA_PLATFORM is set.
//
//   bench_tn_reading [readings]   (default 50)
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/App.h"
#include "platform/Forms.h"
#include "platform/Services.h"
#include "shell/frmMDI.h"
#include "tarot_numerology/frmTarotNumerologyDisplay.h"
#include "tarot_numerology/frmTarotNumerologyMain.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  platform::initApplication(app);
  shell::installMdiHost();
  platform::Forms::get<frmMDI>()->show();
  const int readings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  const QStringList names = {QStringLiteral("Ann Lee"), QStringLiteral("Marcus Aurelius Brent"),
                             QStringLiteral("Zoe Quill"), QStringLiteral("Bartholomew Fenwick-Hale")};

  std::vector<double> ms;
  for (int i = 0; i < readings + 1; ++i) {
    frmTarotNumerologyMain* f = platform::Forms::get<frmTarotNumerologyMain>();
    f->Show();
    f->txtName->setText(names[i % names.size()]);
    f->cboDate->setCurrentIndex(i % 31);
    f->cboMonth->setCurrentIndex(i % 12);
    f->cboYear->setCurrentIndex(i % 151);
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    f->cmdProceed->click();
    frmTarotNumerologyDisplay* d = platform::Forms::find<frmTarotNumerologyDisplay>();
    if (!d) return 1;
    d->repaint();  // shown and painted
    QApplication::processEvents();
    const double elapsed = t.nsecsElapsed() / 1e6;
    if (i > 0) ms.push_back(elapsed);  // the first reading builds the window for the first time
    // Back to the input form, as a person starts the next reading.
    d->cmdBack_Click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("tarot-numerology reading to result window shown: median %.2f ms, fastest %.2f ms, "
              "slowest %.2f ms over %d readings\n",
              ms[ms.size() / 2], ms.front(), ms.back(), int(ms.size()));
  return 0;
}
