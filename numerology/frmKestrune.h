#pragma once
#include <QMainWindow>
#include <array>
#include <map>

#include "numerology/NumberCatalogue.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

class QAction;
class QGroupBox;
class QLabel;

// The number chooser: one button per numerology number and "Comprehensive
// Reading". A number button computes its number from the input page's
// fields, keeps it in the mode's state and in a hidden result label, and
// appends its section to the single-number report window, which is then
// shown modal; the comprehensive reading writes every number in a fixed
// order into the comprehensive report window.
class frmKestrune : public QMainWindow, public platform::Form {
  Q_OBJECT
 public:
  frmKestrune();

  QLabel* Label2;
  QGroupBox* fraButtons;
  platform::VbLabel* Label8;
  platform::VbButton* cmdLifePath;
  platform::VbButton* cmdBirthDay;
  platform::VbButton* cmdMaturityNumber;
  platform::VbButton* cmdDestiny;
  platform::VbButton* cmdSoulUrge;
  platform::VbButton* cmdInnerDreams;
  platform::VbButton* cmdHiddenPassionNumber;
  platform::VbButton* cmdKarmicLessonsNumber;
  platform::VbButton* cmdSubconsciousSelfNumber;
  platform::VbButton* cmdBalanceNumber;
  platform::VbButton* cmdRationalThoughtNumber;
  platform::VbButton* cmdLEBidgeNumber;
  platform::VbButton* cmdHPBridgeNumber;
  platform::VbButton* cmdKarmicDebtNumbers;
  platform::VbButton* cmdMarriageVibrationNumber;
  std::array<platform::VbButton*, 2> cmdChallenge{};  // only index 1 is used
  platform::VbButton* cmdPinnaclePhases;
  platform::VbButton* cmdLifePathPeriods;
  platform::VbButton* cmdPersonal;
  platform::VbButton* cmdPersonalMonth;
  platform::VbButton* cmdPersonalDay;
  platform::VbButton* cmdEssence;
  platform::VbButton* cmdPersonalAspects;
  platform::VbButton* cmdComprehensiveReading;

  // The hidden result labels.
  QGroupBox* fraAllLabels;
  QLabel* lblLifePath;
  QLabel* lblBirthDay;
  QLabel* lblMaturity;
  QLabel* lblDestiny;
  QLabel* lblSoulUrge;
  QLabel* lblInnerDreams;
  QLabel* lblHiddenPassionNumber;
  QLabel* lblKarmicLessonsNumber;
  QLabel* lblSubconsciousSelfNumber;
  QLabel* lblBalanceNumber;
  QLabel* lblRationalThoughtNumber;
  QLabel* lblLEBridgeNumber;
  QLabel* lblHPBridgeNumber;
  QLabel* lblKarmicDebtNumbers;
  QLabel* lblChallenge;
  QLabel* lblPersonal;
  QLabel* lblPersonalAspects;
  QLabel* lblPinnaclePhases;
  QLabel* lblLifePathPeriods;
  QLabel* lblPersonalMonth;
  QLabel* lblPersonalDay;
  QLabel* lblEssence;
  QLabel* lblMarriageVibrationNumber;

  QGroupBox* fraFullBrand;
  platform::VbLabel* lblFullBrand;
  platform::VbLabel* lblCobrand;
  platform::VbButton* cmdBack;
  platform::VbButton* cmdDonate;
  std::array<platform::VbButton*, 2> cmdExit{};  // only index 1 is used

  QAction* mnuFile;
  QAction* mnuBack;
  QAction* mnuExit;
  QAction* mnuHelp;
  QAction* mnuOnline;
  QAction* mnuVisit;
  QAction* mnuFileSep1;
  QAction* mnuUpdate;
  QAction* mnuFileSep2;
  QAction* mnuAbout;
  QAction* mnuDonate;
  QAction* mnuMakeMoney;

  // The number handlers.
  void cmdLifePath_Click();
  void cmdBirthDay_Click();
  void cmdMaturityNumber_Click();
  void cmdDestiny_Click();
  void cmdSoulUrge_Click();
  void cmdInnerDreams_Click();
  void cmdHiddenPassionNumber_Click();
  void cmdKarmicLessonsNumber_Click();
  void cmdSubconsciousSelfNumber_Click();
  void cmdBalanceNumber_Click();
  void cmdRationalThoughtNumber_Click();
  void cmdLEBidgeNumber_Click();
  void cmdHPBridgeNumber_Click();
  void cmdKarmicDebtNumbers_Click();
  void cmdMarriageVibrationNumber_Click();
  void cmdChallenge_Click(int index);
  void cmdPinnaclePhases_Click();
  void cmdLifePathPeriods_Click();
  void cmdPersonal_Click();
  void cmdPersonalMonth_Click();
  void cmdPersonalDay_Click();
  void cmdEssence_Click();
  void cmdPersonalAspects_Click();
  void cmdComprehensiveReading_Click();

  void cmdBack_Click();
  void mnuBack_Click();
  void cmdExit_Click(int index);
  void mnuExit_Click();
  void cmdDonate_Click();
  void Label8_Click();
  void lblCobrand_Click();
  void lblFullBrand_Click();

  // Appends one number's section to the report window of the present mode:
  // the single-number window (captioned with the number's title, then shown
  // modal) or, during a comprehensive reading, the comprehensive window.
  void NumberReportSection(const numerology::NumberEntry& e, const numerology::NumberResult& r);

  // The button and result label of a number.
  platform::VbButton* button(numerology::NumberId id) const;
  QLabel* resultLabel(numerology::NumberId id) const;

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;

 private:
  // Computes one number from the input page's fields and writes its section.
  void runNumber(numerology::NumberId id);
  void CalculateAllNumbers();
  std::map<numerology::NumberId, platform::VbButton*> buttons_;
  std::map<numerology::NumberId, QLabel*> labels_;
};
