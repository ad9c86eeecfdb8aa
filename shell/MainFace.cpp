#include "shell/MainFace.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/Forms.h"
#include "platform/RichTextBox.h"
#include "platform/WarmUp.h"
#include "shell/frmMDI.h"

namespace shell::mainface {
namespace {

// The main window if it is loaded or closing, else nothing.
frmMDI* present() {
  if (frmMDI* m = platform::Forms::find<frmMDI>()) return m;
  // While the main window closes it unloads its child windows, whose unload
  // handlers still reach its panels: it is on its way out, not gone.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* m = qobject_cast<frmMDI*>(w); m && m->isUnloading()) return m;
  return nullptr;
}

frmMDI* window() {
  if (frmMDI* m = present()) return m;
  return platform::Forms::get<frmMDI>();
}

}  // namespace

bool isOpen() { return platform::Forms::find<frmMDI>() != nullptr; }

void setWelcomeVisible(bool visible) { window()->picMain->setVisible(visible); }

void setWelcomeVisibleWhilePresent(bool visible) {
  if (frmMDI* m = present()) m->picMain->setVisible(visible);
}

void setQuerentStripVisible(bool visible) {
  frmMDI* m = window();
  if (visible) m->querentStrip();
  m->picTop->setVisible(visible);
}

void prepareQuerentStrip() {
  if (frmMDI* m = present()) m->querentStrip();
}

void prepareReport() {
  frmMDI* m = present();
  if (!m) return;
  QString printable;
  for (char16_t c = 0x21; c < 0x7F; ++c) printable += QChar(c);
  QFont plain = m->RTB->document()->defaultFont();
  platform::renderGlyphsAhead(plain, printable);
  QFont bold = plain;
  bold.setBold(true);
  platform::renderGlyphsAhead(bold, printable);
}

void setQuerent(const Querent& q) {
  frmMDI* m = window();
  m->querentStrip();
  m->txtName->setText(q.name);
  m->txtDOB->setText(q.dateOfBirth);
  m->txtCountry->setText(q.country);
  m->txtQ->setPlainText(q.question);
}

platform::RichTextBox* reportBox() { return window()->RTB; }

void showReportPanel() { window()->showReportPanel(); }

void showReportBeginning() { window()->showReportBeginning(); }

void focusSave() {
  frmMDI* m = window();
  m->querentStrip();
  m->cmdSave->setFocus(Qt::OtherFocusReason);
}

void show() { window()->Show(); }

}  // namespace shell::mainface
