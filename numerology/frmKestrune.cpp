#include "numerology/frmKestrune.h"

#include <QAction>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QComboBox>
#include <QMenuBar>

#include "numerology/KestruneLook.h"
#include "numerology/KestruneReportWindow.h"
#include "numerology/NumberReportWriter.h"
#include "numerology/NumerologyState.h"
#include "numerology/frmKestruneSoftwareMain.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/Look.h"
#include "shell/Menus.h"
#include "shell/modHelp.h"
#include "shell/MainFace.h"

using numerology::NumberEntry;
using numerology::NumberId;
using numerology::NumberInput;
using numerology::NumberResult;
using platform::named;
using platform::setTwGeometry;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Shrinks a button's font, down to 6.5 pt, until its caption fits.
void fitCaption(QPushButton* b) {
  QFont f = b->font();
  const double room = b->width() - 10;
  while (f.pointSizeF() > 6.5 &&
         QFontMetricsF(f).horizontalAdvance(platform::stripAccel(b->text())) > room)
    f.setPointSizeF(qMax(6.5, f.pointSizeF() - 0.25));
  b->setFont(f);
}

}  // namespace

frmKestrune::frmKestrune() : platform::Form(this, Kind::MdiChild) {
  setObjectName(QStringLiteral("frmKestrune"));
  setWindowTitle(QStringLiteral("Kestrune Software"));
  shell::standardColours(this);
  setFont(shell::verdana(8.25));

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("frmKestrune_client"));
  client->setFixedSize(platform::toPx(9000), platform::toPx(6720));
  shell::fillColour(client, platform::vbColor(0xE0E0E0));
  setCentralWidget(client);

  Label2 = named(new QLabel(QStringLiteral("Kestrune Software"), client), QStringLiteral("Label2"));
  Label2->setFont(shell::verdana(14.25, true));
  Label2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  setTwGeometry(Label2, 0, 60, 9000, 420);

  fraButtons = named(new QGroupBox(numerology::siteName() + QStringLiteral("'s Free Kestrune Software"),
                                   client),
                     QStringLiteral("fraButtons"));
  setTwGeometry(fraButtons, 120, 540, 8760, 4980);

  Label8 = shell::linkLabel(numerology::forumLine(), QStringLiteral("Label8"), 8.25, false, fraButtons);
  Label8->setFont(shell::verdana(7.5, false, true));
  setTwGeometry(Label8, 4080, 120, 4560, 570);
  connect(Label8, &platform::VbLabel::Click, this, &frmKestrune::Label8_Click);

  fraAllLabels = named(new QGroupBox(client), QStringLiteral("fraAllLabels"));
  fraAllLabels->hide();

  // Three columns of number buttons, in the catalogue's order;
  // "Comprehensive Reading", larger, in the bottom right corner.
  const auto& all = numerology::catalogue();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const NumberEntry& e = all[i];
    auto* b = named(new platform::VbButton(e.caption, fraButtons), e.button);
    const int column = int(i) / 8;
    const int row = int(i) % 8;
    setTwGeometry(b, 120 + column * 2880, 720 + row * 480, 2760, 420);
    fitCaption(b);
    buttons_[e.id] = b;
    if (!e.label.isEmpty()) {
      auto* l = named(new QLabel(e.labelCaption, fraAllLabels), e.label);
      labels_[e.id] = l;
    }
    const NumberId id = e.id;
    if (id == NumberId::Challenge)
      connect(b, &platform::VbButton::Click, this, [this] { cmdChallenge_Click(1); });
    else
      connect(b, &platform::VbButton::Click, this, [this, id] { runNumber(id); });
  }
  cmdComprehensiveReading = named(
      new platform::VbButton(QStringLiteral("Comprehensive Reading"), fraButtons),
      QStringLiteral("cmdComprehensiveReading"));
  cmdComprehensiveReading->setFont(shell::verdana(9.75, true));
  setTwGeometry(cmdComprehensiveReading, 120 + 2 * 2880, 720 + 7 * 480, 2760, 780);
  connect(cmdComprehensiveReading, &platform::VbButton::Click, this,
          &frmKestrune::cmdComprehensiveReading_Click);

  const auto b = [this](NumberId id) { return buttons_.at(id); };
  cmdLifePath = b(NumberId::LifePath);
  cmdBirthDay = b(NumberId::BirthDay);
  cmdMaturityNumber = b(NumberId::Maturity);
  cmdDestiny = b(NumberId::Destiny);
  cmdSoulUrge = b(NumberId::SoulUrge);
  cmdInnerDreams = b(NumberId::InnerDreams);
  cmdHiddenPassionNumber = b(NumberId::HiddenPassion);
  cmdKarmicLessonsNumber = b(NumberId::KarmicLessons);
  cmdSubconsciousSelfNumber = b(NumberId::SubconsciousSelf);
  cmdBalanceNumber = b(NumberId::Balance);
  cmdRationalThoughtNumber = b(NumberId::RationalThought);
  cmdLEBidgeNumber = b(NumberId::LEBridge);
  cmdHPBridgeNumber = b(NumberId::HPBridge);
  cmdKarmicDebtNumbers = b(NumberId::KarmicDebt);
  cmdMarriageVibrationNumber = b(NumberId::MarriageVibration);
  cmdChallenge[1] = b(NumberId::Challenge);
  cmdPinnaclePhases = b(NumberId::PinnaclePhases);
  cmdLifePathPeriods = b(NumberId::LifePathPeriods);
  cmdPersonal = b(NumberId::PersonalYear);
  cmdPersonalMonth = b(NumberId::PersonalMonth);
  cmdPersonalDay = b(NumberId::PersonalDay);
  cmdEssence = b(NumberId::Essence);
  cmdPersonalAspects = b(NumberId::PersonalAspects);

  const auto l = [this](NumberId id) { return labels_.at(id); };
  lblLifePath = l(NumberId::LifePath);
  lblBirthDay = l(NumberId::BirthDay);
  lblMaturity = l(NumberId::Maturity);
  lblDestiny = l(NumberId::Destiny);
  lblSoulUrge = l(NumberId::SoulUrge);
  lblInnerDreams = l(NumberId::InnerDreams);
  lblHiddenPassionNumber = l(NumberId::HiddenPassion);
  lblKarmicLessonsNumber = l(NumberId::KarmicLessons);
  lblSubconsciousSelfNumber = l(NumberId::SubconsciousSelf);
  lblBalanceNumber = l(NumberId::Balance);
  lblRationalThoughtNumber = l(NumberId::RationalThought);
  lblLEBridgeNumber = l(NumberId::LEBridge);
  lblHPBridgeNumber = l(NumberId::HPBridge);
  lblKarmicDebtNumbers = l(NumberId::KarmicDebt);
  lblChallenge = l(NumberId::Challenge);
  lblPersonal = l(NumberId::PersonalYear);
  lblPersonalAspects = l(NumberId::PersonalAspects);
  // Labels that nothing writes.
  const auto spare = [this](const char* name, const char* caption) {
    return named(new QLabel(QLatin1String(caption), fraAllLabels), QLatin1String(name));
  };
  lblPinnaclePhases = spare("lblPinnaclePhases", "Pinnacle Phases");
  lblLifePathPeriods = spare("lblLifePathPeriods", "Life Path Periods");
  lblPersonalMonth = spare("lblPersonalMonth", "Personal Month");
  lblPersonalDay = spare("lblPersonalDay", "Personal Day");
  lblEssence = spare("lblEssence", "Essence");
  lblMarriageVibrationNumber = spare("lblMarriageVibrationNumber", "Marriage Vibration Number");

  const shell::PromoFrame brand = numerology::promoFrame(client, 120, 5580, 5280, 1080);
  fraFullBrand = brand.fraFullBrand;
  lblFullBrand = brand.lblFullBrand;
  lblCobrand = brand.lblCobrand;
  connect(lblFullBrand, &platform::VbLabel::Click, this, &frmKestrune::lblFullBrand_Click);
  connect(lblCobrand, &platform::VbLabel::Click, this, &frmKestrune::lblCobrand_Click);

  cmdBack = named(new platform::VbButton(QStringLiteral("&Back"), client), QStringLiteral("cmdBack"));
  cmdDonate = named(new platform::VbButton(QStringLiteral("&Donate"), client), QStringLiteral("cmdDonate"));
  cmdDonate->setFont(shell::verdana(8.25, true));
  cmdExit[1] = named(new platform::VbButton(QStringLiteral("E&xit"), client), QStringLiteral("cmdExit(1)"));
  setTwGeometry(cmdBack, 5580, 5910, 1035, 420);
  setTwGeometry(cmdDonate, 6720, 5910, 1035, 420);
  setTwGeometry(cmdExit[1], 7845, 5910, 1035, 420);
  connect(cmdBack, &platform::VbButton::Click, this, &frmKestrune::cmdBack_Click);
  connect(cmdDonate, &platform::VbButton::Click, this, &frmKestrune::cmdDonate_Click);
  connect(cmdExit[1], &platform::VbButton::Click, this, [this] { cmdExit_Click(1); });

  // Keyboard order: the number buttons column by column, the comprehensive
  // reading, then Back, Donate, Exit and the links.
  QList<QWidget*> order;
  for (const NumberEntry& e : all) order << buttons_.at(e.id);
  order << cmdComprehensiveReading << cmdBack << cmdDonate << cmdExit[1] << Label8 << lblFullBrand;
  platform::tabOrder(order);

  // Menus.
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("frmKestrune_menu"));
  using shell::MenuRow;
  shell::MenuTable menus = {
      {MenuRow::Menu, QStringLiteral("&File"), QStringLiteral("mnuFile")},
      {MenuRow::Item, QStringLiteral("&Back"), QStringLiteral("mnuBack"), [this] { mnuBack_Click(); }},
      {MenuRow::Item, QStringLiteral("E&xit"), QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }},
      {MenuRow::EndMenu, QString(), QString()},
  };
  shell::LinkMenuNames names;
  names.separator1 = QStringLiteral("mnuFileSep1");
  names.separator2 = QStringLiteral("mnuFileSep2");
  names.donateCaption = QStringLiteral("&Donate");
  for (shell::MenuRow& row : shell::linkMenus(names)) menus.push_back(row);
  const shell::MenuActions a = shell::buildMenus(bar, this, menus);
  mnuFile = a.value(QStringLiteral("mnuFile"));
  mnuBack = a.value(QStringLiteral("mnuBack"));
  mnuExit = a.value(QStringLiteral("mnuExit"));
  mnuHelp = a.value(QStringLiteral("mnuHelp"));
  mnuOnline = a.value(QStringLiteral("mnuOnline"));
  mnuVisit = a.value(QStringLiteral("mnuVisit"));
  mnuFileSep1 = a.value(QStringLiteral("mnuFileSep1"));
  mnuUpdate = a.value(QStringLiteral("mnuUpdate"));
  mnuFileSep2 = a.value(QStringLiteral("mnuFileSep2"));
  mnuAbout = a.value(QStringLiteral("mnuAbout"));
  mnuDonate = a.value(QStringLiteral("mnuDonate"));
  mnuMakeMoney = a.value(QStringLiteral("mnuMakeMoney"));
}

void frmKestrune::Form_Load() {
  // The comprehensive report window is loaded (hidden) with the chooser.
  platform::Forms::get<frmKestruneSoftwareSave>()->RTB->setSelStart(0);
  shell::fixFrame(this, shell::FrameStyle::FixedDialog);
  placeTopCentre();
  cmdLifePath->setFocus();
}

void frmKestrune::Form_Unload(bool&) {
  // Back from the button shows the input page and keeps the welcome panel
  // hidden; every other way out shows it.
  if (cmdBack->value()) return;
  shell::mainface::setWelcomeVisibleWhilePresent(true);
}

platform::VbButton* frmKestrune::button(NumberId id) const { return buttons_.at(id); }

QLabel* frmKestrune::resultLabel(NumberId id) const {
  const auto it = labels_.find(id);
  return it == labels_.end() ? nullptr : it->second;
}

void frmKestrune::runNumber(NumberId id) {
  const NumberEntry& e = numerology::entry(id);
  if (!e.compute) return;  // a number without a computation does nothing
  frmKestruneSoftwareMain* page = platform::Forms::get<frmKestruneSoftwareMain>();
  NumberInput in;
  in.firstName = page->txtFirstName->text();
  in.middleName = page->txtMiddleName->text();
  in.lastName = page->txtLastName->text();
  in.month = page->cboMonth->currentText();
  in.day = page->cboDate->currentText();
  in.year = page->cboYear->currentText();
  in.today = platform::Today();
  NumerologyState& state = numerologyState();
  const NumberResult r = e.compute(in, state);
  if (!r.labelCaption.isNull())
    if (QLabel* label = resultLabel(id)) label->setText(r.labelCaption);

  if (!r.refusal.isEmpty()) {
    if (state.comprehensive()) {
      // The comprehensive reading goes on: the refusal stands as one plain
      // line in its report.
      numerology::appendPieces(platform::Forms::get<frmKestruneSoftwareSave>()->RTB,
                               {{r.refusal + kCrLf + kCrLf, false, numerology::kBlack}});
      return;
    }
    // Written where the caret stands, in the box's present look.
    auto* display = platform::Forms::get<frmKestruneSoftwareDisplay>();
    display->RTB->setSelText(r.refusal);
    display->ShowModal();
    return;
  }
  NumberReportSection(e, r);
}

void frmKestrune::NumberReportSection(const NumberEntry& e, const NumberResult& r) {
  const bool comprehensive = numerologyState().comprehensive();
  KestruneReportWindow* window =
      comprehensive ? static_cast<KestruneReportWindow*>(platform::Forms::get<frmKestruneSoftwareSave>())
                    : platform::Forms::get<frmKestruneSoftwareDisplay>();
  if (!comprehensive) window->setWindowTitle(e.title);
  numerology::appendPieces(window->RTB, numerology::sectionPieces(e, r, comprehensive));
  if (!comprehensive) window->ShowModal();
}

void frmKestrune::CalculateAllNumbers() {
  for (NumberId id : numerology::comprehensiveOrder()) {
    if (id == NumberId::Challenge) cmdChallenge_Click(1);
    else runNumber(id);
  }
}

// The header names the person as the input page shows them (not trimmed;
// an empty middle name leaves two blanks), then every number follows in the
// reading's order; the window is shown once the report is whole.
void frmKestrune::cmdComprehensiveReading_Click() {
  NumerologyState& state = numerologyState();
  state.beginComprehensive();
  frmKestruneSoftwareMain* page = platform::Forms::get<frmKestruneSoftwareMain>();
  frmKestruneSoftwareSave* save = platform::Forms::get<frmKestruneSoftwareSave>();
  const QString blank = QStringLiteral(" ");
  save->RTB->setSelText(QStringLiteral("Name: ") + page->txtFirstName->text() + blank +
                        page->txtMiddleName->text() + blank + page->txtLastName->text() + kCrLf +
                        QStringLiteral("Date of Birth: ") + page->cboMonth->currentText() + blank +
                        page->cboDate->currentText() + QStringLiteral(", ") +
                        page->cboYear->currentText() + kCrLf + kCrLf);
  save->RTB->setSelText(kCrLf + kCrLf + kCrLf);
  CalculateAllNumbers();
  save->RTB->setSelStart(save->RTB->Text().size());
  save->RTB->setSelText(kCrLf + kCrLf);
  state.endComprehensive();
  save->ShowModal();
}

void frmKestrune::cmdLifePath_Click() { runNumber(NumberId::LifePath); }
void frmKestrune::cmdBirthDay_Click() { runNumber(NumberId::BirthDay); }
void frmKestrune::cmdMaturityNumber_Click() { runNumber(NumberId::Maturity); }
void frmKestrune::cmdDestiny_Click() { runNumber(NumberId::Destiny); }
void frmKestrune::cmdSoulUrge_Click() { runNumber(NumberId::SoulUrge); }
void frmKestrune::cmdInnerDreams_Click() { runNumber(NumberId::InnerDreams); }
void frmKestrune::cmdHiddenPassionNumber_Click() { runNumber(NumberId::HiddenPassion); }
void frmKestrune::cmdKarmicLessonsNumber_Click() { runNumber(NumberId::KarmicLessons); }
void frmKestrune::cmdSubconsciousSelfNumber_Click() { runNumber(NumberId::SubconsciousSelf); }
void frmKestrune::cmdBalanceNumber_Click() { runNumber(NumberId::Balance); }
void frmKestrune::cmdRationalThoughtNumber_Click() { runNumber(NumberId::RationalThought); }
void frmKestrune::cmdLEBidgeNumber_Click() { runNumber(NumberId::LEBridge); }
void frmKestrune::cmdHPBridgeNumber_Click() { runNumber(NumberId::HPBridge); }
void frmKestrune::cmdKarmicDebtNumbers_Click() { runNumber(NumberId::KarmicDebt); }
void frmKestrune::cmdMarriageVibrationNumber_Click() { runNumber(NumberId::MarriageVibration); }
void frmKestrune::cmdChallenge_Click(int index) {
  if (index == 1) runNumber(NumberId::Challenge);
}
void frmKestrune::cmdPinnaclePhases_Click() { runNumber(NumberId::PinnaclePhases); }
void frmKestrune::cmdLifePathPeriods_Click() { runNumber(NumberId::LifePathPeriods); }
void frmKestrune::cmdPersonal_Click() { runNumber(NumberId::PersonalYear); }
void frmKestrune::cmdPersonalMonth_Click() { runNumber(NumberId::PersonalMonth); }
void frmKestrune::cmdPersonalDay_Click() { runNumber(NumberId::PersonalDay); }
void frmKestrune::cmdEssence_Click() { runNumber(NumberId::Essence); }
void frmKestrune::cmdPersonalAspects_Click() { runNumber(NumberId::PersonalAspects); }

// Back from the button: the input page again, with its name boxes emptied
// and the birth date kept.
void frmKestrune::cmdBack_Click() {
  platform::Forms::unload(this);
  frmKestruneSoftwareMain* page = platform::Forms::get<frmKestruneSoftwareMain>();
  page->Show();
  page->txtFirstName->clear();
  page->txtLastName->clear();
  page->txtMiddleName->clear();
  shell::mainface::setWelcomeVisible(false);
}

// Back from the menu: the input page as it was; the unload shows the
// welcome panel.
void frmKestrune::mnuBack_Click() {
  platform::Forms::unload(this);
  platform::Forms::get<frmKestruneSoftwareMain>()->Show();
}

void frmKestrune::cmdExit_Click(int) { platform::Forms::unload(this); }
void frmKestrune::mnuExit_Click() { platform::Forms::unload(this); }
void frmKestrune::cmdDonate_Click() { modHelp::GoToDonatePage(); }
void frmKestrune::Label8_Click() { modHelp::GoToHomePage(); }
void frmKestrune::lblCobrand_Click() { modHelp::GoToCoBrandPage(); }
void frmKestrune::lblFullBrand_Click() { modHelp::GoToFullyBrandedPage(); }
