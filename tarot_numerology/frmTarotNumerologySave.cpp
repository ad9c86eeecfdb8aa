#include "tarot_numerology/frmTarotNumerologySave.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "platform/Controls.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "platform/VbString.h"
#include "shell/EncodedLinesFile.h"
#include "shell/Look.h"
#include "shell/ReportWriter.h"
#include "shell/Site.h"
#include "shell/ReadingDialogs.h"
#include "shell/modHelp.h"
#include "tarot_numerology/TarotNumerologyReadingFile.h"
#include "tarot_numerology/TarotNumerologyReport.h"
#include "tarot_numerology/TarotNumerologyState.h"
#include "tarot_numerology/frmTarotNumerologyDisplay.h"

using platform::setTwGeometry;
using shell::verdana;

namespace {

// A centred link label in the given colour and weight.
platform::VbLabel* link(const QString& caption, const QString& name, bool bold, const QColor& colour,
                        QWidget* parent) {
  platform::VbLabel* l = shell::linkLabel(caption, name, 8.25, bold, parent);
  l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  shell::textColour(l, colour);
  return l;
}

// One number's block as the result window shows it: the values of its six
// labels from `first` on, its two text boxes and its paragraph, and the
// cards of its set.
TarotNumerologyReport::NumberBlock numberBlock(const frmTarotNumerologyDisplay* d, std::size_t first,
                                               const QLabel* paragraph, const QPlainTextEdit* text,
                                               const QPlainTextEdit* planetText, qint16 setNumber) {
  TarotNumerologyReport::NumberBlock b;
  if (d) {
    b.explanation = paragraph->text();
    b.number = d->lblResult[first]->text();
    b.planet = d->lblResult[first + 1]->text();
    b.luckyDay = d->lblResult[first + 2]->text();
    b.bestDays = d->lblResult[first + 3]->text();
    b.colours = d->lblResult[first + 4]->text();
    b.stones = d->lblResult[first + 5]->text();
    b.numberText = platform::vb::toCrLf(text->toPlainText());
    b.planetText = platform::vb::toCrLf(planetText->toPlainText());
  }
  // The set is loaded into the mode's card arrays, as the pages load it; a
  // number without a set lists no cards.
  TarotNumerologyState& s = tnState();
  if (s.loadCardsForNumber(setNumber)) {
    const std::size_t count = s.CardNames->size() - 1;  // the last element is the empty spare
    for (std::size_t i = 0; i < count; ++i)
      b.cards.append({s.CardNames->at(i), s.CardDescriptions->at(i), s.CardKeywords->at(i)});
  }
  return b;
}

}  // namespace

frmTarotNumerologySave::frmTarotNumerologySave() : platform::Form(this) {
  setObjectName(QStringLiteral("frmTarotNumerologySave"));
  setWindowTitle(QStringLiteral("Sylvaric"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  shell::standardColours(this);
  shell::fillColour(this, Qt::white);
  setFont(verdana(8.25));
  setFixedSize(platform::toPx(7725), platform::toPx(7515));

  const QColor linkColour(0, 64, 64);
  Label14 = link(QStringLiteral("The Most Popular Online Mystic Discussion Forum"), QStringLiteral("Label14"),
                 false, linkColour, this);
  setTwGeometry(Label14, 1747, 0, 4230, 195);
  Label1 = link(QStringLiteral("Click Here To Visit ") + shell::siteHost() + QStringLiteral(" Now"),
                QStringLiteral("Label1"), false, linkColour, this);
  setTwGeometry(Label1, 1867, 180, 3990, 195);

  RTB1 = platform::named(new platform::RichTextBox(this), QStringLiteral("RTB1"));
  RTB1->document()->setDefaultFont(verdana(9.75));
  RTB1->setFont(verdana(9.75));
  setTwGeometry(RTB1, 30, 390, 7665, 6135);
  RTB1->hide();

  RTB = platform::named(new tnclipboard::MarkedRichTextBox(this), QStringLiteral("RTB"),
                        QStringLiteral("Tarot numerology report"));
  RTB->document()->setDefaultFont(verdana(9.75));
  RTB->setFont(verdana(9.75));
  RTB->setTabChangesFocus(true);
  setTwGeometry(RTB, 30, 390, 7665, 6135);
  tnclipboard::guard(RTB);

  cmdSave = platform::named(new platform::VbButton(QStringLiteral("&Save"), this), QStringLiteral("cmdSave"),
                            QStringLiteral("Save the reading"));
  cmdSave->setFont(verdana(8.25, true));
  setTwGeometry(cmdSave, 5377, 6570, 1125, 345);
  cmdPrint = platform::named(new platform::VbButton(QStringLiteral("&Print"), this),
                             QStringLiteral("cmdPrint"), QStringLiteral("Print the report"));
  cmdPrint->setFont(verdana(8.25, true));
  setTwGeometry(cmdPrint, 6555, 6570, 1125, 345);

  Label7 = link(QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                               "online. Get this software fully branded for your website. Click here for "
                               "more details."),
                QStringLiteral("Label7"), true, QColor(0, 0, 255), this);
  Label7->setWordWrap(true);
  setTwGeometry(Label7, 30, 6900, 7665, 675);

  connect(cmdPrint, &platform::VbButton::Click, this, &frmTarotNumerologySave::cmdPrint_Click);
  connect(cmdSave, &platform::VbButton::Click, this, &frmTarotNumerologySave::cmdSave_Click);
  connect(Label14, &platform::VbLabel::Click, this, [] { modHelp::GoToHomePage(); });
  connect(Label1, &platform::VbLabel::Click, this, [] { modHelp::GoToHomePage(); });
  connect(Label7, &platform::VbLabel::Click, this, [] { modHelp::GoToFullyBrandedPage(); });

  // The report first, then the buttons and the links.
  platform::tabOrder({RTB, cmdSave, cmdPrint, Label14, Label1, Label7});
}

// Writes the whole reading: the name and date from the mode's state, the two
// number blocks as the result window shows them, and the spread drawn for
// the reading.
void frmTarotNumerologySave::Form_Load() {
  placeTopCentre();
  const frmTarotNumerologyDisplay* d = platform::Forms::find<frmTarotNumerologyDisplay>();
  TarotNumerologyState& s = tnState();
  TarotNumerologyReport::Reading r;
  r.name = s.TNName;
  r.birthDate = s.TNBirthDate;
  r.lifePath = numberBlock(d, 0, d ? d->lblCaptions[0] : nullptr, d ? d->txtLifePathDesc : nullptr,
                           d ? d->txtLifePathPlanetDesc : nullptr, s.LifePathPageNumber);
  r.destiny = numberBlock(d, 6, d ? d->lblCaptions[26] : nullptr, d ? d->txtDestinyDesc : nullptr,
                          d ? d->txtDestinyPlanetDesc : nullptr, s.DestinyPageNumber);
  r.spreadCards = s.NSSpreadCards;
  TarotNumerologyReport::WriteTarotNumerologyReport(RTB, r);
  RTB->setSelStart(0);
  RTB->setFocus();
}

void frmTarotNumerologySave::reject() { platform::Forms::unload(this); }

// Each printout is composed afresh: the header line, the report's plain
// text and the footer line, once, however often Print is pressed.
void frmTarotNumerologySave::cmdPrint_Click() {
  const QString line = shell::reportGeneratedBy();
  if (!shell::printFramed(RTB1, RTB->Text(), line, line))
    platform::MsgBox(QStringLiteral("The report could not be printed: no printer is available, or the "
                                    "printer failed. Nothing was printed."),
                     platform::vbExclamation);
}

// Saves the reading's name and birth date as a ".tnm" file. Cancel writes
// nothing; a failed write says so and leaves an earlier file whole.
void frmTarotNumerologySave::cmdSave_Click() {
  const std::optional<QString> path = shell::chooseReadingToSave(
      QStringLiteral("Sylvaric | *.tnm"), QStringLiteral("tnm"), QStringLiteral("Sylvaric"), true);
  if (!path) return;

  const TarotNumerologyState& s = tnState();
  const TarotNumerologyReadingFile::Reading reading{s.TNName, s.TNBirthDay, s.TNBirthMonth, s.TNBirthYear};
  if (!shell::confirmUnkeptCharacters(
          EncodedLinesFile::unkeptCharacters(reading.name + reading.day + reading.month + reading.year)))
    return;

  if (!TarotNumerologyReadingFile::save(*path, reading)) shell::reportSaveFailure(*path);
}
