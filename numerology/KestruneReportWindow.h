#pragma once
#include <QDialog>

#include "numerology/NumberReportWriter.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

class QLabel;

// The two numerology report windows are twins: a report box, "&Back",
// "&Print" and "&Save", the forum line at the top and two plain lines of
// advertising at the bottom left. They differ in size and caption only.
class KestruneReportWindow : public QDialog, public platform::Form {
  Q_OBJECT
 public:
  // Client size and report box place in twips.
  struct Layout {
    double width, height;
    double rtbLeft, rtbTop, rtbWidth, rtbHeight;
    double rtbFontPt;  // 0: the window's own font
  };
  KestruneReportWindow(const QString& name, const Layout& layout);

  platform::VbLabel* Label61;
  numerology::ReportBox* RTB;
  QLabel* Label1;  // advertising space
  QLabel* Label3;  // contact address
  platform::VbButton* cmdBack;
  platform::VbButton* cmdPrint;
  platform::VbButton* cmdSave;

  void cmdSave_Click();
  void cmdPrint_Click();
  void cmdBack_Click();
  // Each of these empties the clipboard of what this program put there.
  void RTB_Change();
  void RTB_Click();
  void RTB_MouseDown();
  void RTB_MouseMove();
  void RTB_MouseUp();

 public slots:
  // Esc closes the window as "&Back" does.
  void reject() override;

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void showEvent(QShowEvent* e) override;
};

// The single-number report window: one number's section; each number sets
// its caption to the number's title.
class frmKestruneSoftwareDisplay : public KestruneReportWindow {
  Q_OBJECT
 public:
  frmKestruneSoftwareDisplay();
};

// The comprehensive report window: the whole comprehensive reading.
class frmKestruneSoftwareSave : public KestruneReportWindow {
  Q_OBJECT
 public:
  frmKestruneSoftwareSave();

 protected:
  void Form_Load() override;
};
