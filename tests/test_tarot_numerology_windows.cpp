#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabBar>

#include "platform/Controls.h"
#include "platform/Cp1252.h"
#include "platform/Forms.h"
#include "shell/Site.h"
#include "shell/frmMDI.h"
#include "shell/modTextEncoding.h"
#include "tarot_numerology/TarotNumerologyReadingFile.h"
#include "tarot_numerology/TarotNumerologyState.h"
#include "tarot_numerology/frmTarotNumerologyDisplay.h"
#include "tarot_numerology/frmTarotNumerologyMain.h"
#include "testsupport.h"

using platform::Forms;
using testsupport::fakes;
using Page = TarotNumerologyState::Page;

namespace {

frmMDI* mdi() { return Forms::get<frmMDI>(); }

frmTarotNumerologyMain* openForm() {
  QTest::mouseClick(mdi()->cmdSelectOption[2], Qt::LeftButton);
  return Forms::find<frmTarotNumerologyMain>();
}

frmTarotNumerologyDisplay* reading(const QString& name, const QString& day, const QString& month,
                                   const QString& year) {
  frmTarotNumerologyMain* f = openForm();
  if (!f) return nullptr;
  f->txtName->setText(name);
  f->cboDate->setCurrentText(day);
  f->cboMonth->setCurrentText(month);
  f->cboYear->setCurrentText(year);
  QTest::mouseClick(f->cmdProceed, Qt::LeftButton);
  return Forms::find<frmTarotNumerologyDisplay>();
}

QStringList values(frmTarotNumerologyDisplay* d, Page page) {
  QStringList out;
  const int first = page == Page::LifePath ? 0 : 6;
  for (int i = first; i < first + 6; ++i) out << d->lblResult[std::size_t(i)]->text();
  return out;
}

QString cardOn(frmTarotNumerologyDisplay* d, Page page) {
  return (page == Page::LifePath ? d->lblLifePathCardName : d->lblDestinyCardName)->text();
}

// The page lying in front: the last of the three among its siblings.
QWidget* frontPage(frmTarotNumerologyDisplay* d) {
  QWidget* front = nullptr;
  for (QObject* o : d->picLifePath->parentWidget()->children())
    if (o == d->picLifePath || o == d->picDestiny || o == d->picNumerologySpread)
      front = static_cast<QWidget*>(o);
  return front;
}

QStringList messages() {
  QStringList out;
  for (const auto& b : fakes().boxes) out << b.text;
  return out;
}

QByteArray fileOf(const QStringList& lines) {
  QByteArray out;
  for (const QString& l : lines) out += platform::cp1252::toBytes(modTextEncoding::EncodeText(l)) + "\r\n";
  return out;
}

QString writeTemp(const QString& name, const QByteArray& bytes) {
  const QString path = testsupport::tempDir() + QLatin1Char('/') + name;
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return QString();
  f.write(bytes);
  return path;
}

QString page(const QString& key) { return shell::pageAddress(key); }

void moveOver(QWidget* w) {
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &move);
}

}  // namespace

class TestTarotNumerologyWindows : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    testsupport::resetProgram();
    mdi()->show();
  }

  void formOpensFromTheModeButton() {
    frmTarotNumerologyMain* f = openForm();
    QVERIFY(f);
    QVERIFY(f->FormVisible());
    QCOMPARE(f->windowTitle(), QString("Sylvaric"));
    QVERIFY(f->txtName->text().isEmpty());
    QCOMPARE(f->cboDate->count(), 31);
    QCOMPARE(f->cboMonth->count(), 12);
    QCOMPARE(f->cboYear->count(), 151);
    QCOMPARE(f->cboDate->currentText(), QString("1"));
    QCOMPARE(f->cboMonth->currentText(), QString("January"));
    QCOMPARE(f->cboYear->currentText(), QString("1970"));
    QVERIFY(!f->cboYear->isEditable());
    QVERIFY(f->Label4[0]->text().startsWith(
        "Sylvaric helps you in understanding the character of a person in a better way."));
    QVERIFY(f->lblCobrand->text().startsWith("Co-brand this software for your site."));
    QCOMPARE(f->Label3->text(), "Click Here To Visit " + shell::siteHost() + " Now");
    QVERIFY(!f->mnuCalculate->isVisible());
    QVERIFY(!f->mnuMakeMoney->isVisible());
    QVERIFY(mdi()->picMain->isHidden());
    QVERIFY(fakes().boxes.isEmpty());  // no update reminder here
    // Every control a person uses can be named by a screen reader.
    for (QWidget* w : f->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(f) || !(w->focusPolicy() & Qt::TabFocus)) continue;
      QVERIFY2(!w->accessibleName().isEmpty() ||
                   (qobject_cast<QAbstractButton*>(w) && !static_cast<QAbstractButton*>(w)->text().isEmpty()),
               qPrintable(w->objectName()));
    }
  }

  // A name without a letter A to Z has no Destiny number: it is refused
  // before anything is computed, as the empty box is.
  void refusedNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString noLetter = "Please Enter A Name With At Least One Letter From A To Z";
    QTest::newRow("empty") << "" << "Please Enter Your Name";
    QTest::newRow("blanks") << "   " << noLetter;
    QTest::newRow("digits") << "1234" << noLetter;
    QTest::newRow("another script") << QString::fromUtf8("\u03a9\u03bc\u03ad\u03b3\u03b1") << noLetter;
  }
  void refusedNames() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    frmTarotNumerologyMain* f = openForm();
    f->txtName->setText(name);
    f->cmdOpen->setFocus();
    QTest::mouseClick(f->cmdProceed, Qt::LeftButton);
    QCOMPARE(messages(), QStringList{message});
    QCOMPARE(fakes().boxes[0].style, int(platform::vbCritical));
    QCOMPARE(f->focusWidget(), static_cast<QWidget*>(f->txtName));
    QVERIFY(!Forms::isLoaded<frmTarotNumerologyDisplay>());
    QVERIFY(tnState().TNName.isEmpty());
    QCOMPARE(int(tnState().TNLifePath), 0);
    QVERIFY(f->FormVisible());
  }

  void pages_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QStringList>("lifePath");
    QTest::addColumn<QStringList>("destiny");
    QTest::addColumn<QString>("lifePathCard");
    QTest::addColumn<QString>("destinyCard");
    QTest::addColumn<QString>("lifePathText");
    QTest::addColumn<QString>("destinyText");
    QTest::newRow("22 and 11")
        << " Ann " << "6" << "August" << "1979"
        << QStringList{"22", "Pluto", "Friday", "22nd", "White And Black", "White and Black Pearl"}
        << QStringList{"11", "Saturn", "Saturday", "11th, 29th", "Indigo Blue", "Amethyst"}
        << "The Fool - Major Arcana" << "Justice - Major Arcana"
        << "The number 22 is the most powerful of all the Life Path numbers."
        << "The Number Eleven is a highly charged number.";
    QTest::newRow("1 and 8, the default date")
        << "Abe" << "1" << "January" << "1970"
        << QStringList{"1", "Sun", "Sunday", "1st, 10th, 19th, 28th", "Yellow And Brown", "Topaz And Amber"}
        << QStringList{"8", "Saturn", "Saturday", "8th, 17th, 26th", "Black, Blue, Purple",
                       "Amethyst, Dark Sapphire, Black Pearl"}
        << "The Magician - Major Arcana" << "Strength - Major Arcana"
        << "Your main purpose should be attaining independency."
        << "You need to achieve material and financial comfort above all things.";
    // Equal numbers: the Destiny page's days of 2 end with a blank.
    QTest::newRow("2 and 2")
        << "Noah" << "9" << "March" << "1970"
        << QStringList{"2", "Moon", "Monday", "2nd, 11th, 20th, 29th", "Cream, White And Green",
                       "Pearl, Jade, Moonstone"}
        << QStringList{"2", "Moon", "Monday", "2nd, 11th, 20th, 29th ", "Cream, White And Green",
                       "Pearl, Jade, Moonstone"}
        << "Judgement - Major Arcana" << "Judgement - Major Arcana"
        << "Usually you are creative and follow certain protocols."
        << "This number gives you good people managing skills.";
    QTest::newRow("9 and 5, lower case counts")
        << "emma" << "1" << "June" << "1901"
        << QStringList{"9", "Sun", "Tuesday", "3rd, 6th, 9th, 12th, 15th, 18th, 21st, 24th, 27th, 30th",
                       "Red", "Ruby, Garnet"}
        << QStringList{"5", "Mercury", "Wednesday", "5th, 14th, 22nd", "Light Colors", "Diamond"}
        << "The Hermit - Major Arcana" << "Temperance - Major Arcana"
        << "People with number 9 are generous, loving and have an inborn drive"
        << "You are gifted with multiple talents.";
  }
  void pages() {
    QFETCH(QString, name);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QStringList, lifePath);
    QFETCH(QStringList, destiny);
    QFETCH(QString, lifePathCard);
    QFETCH(QString, destinyCard);
    QFETCH(QString, lifePathText);
    QFETCH(QString, destinyText);
    frmTarotNumerologyDisplay* d = reading(name, day, month, year);
    QVERIFY(d);
    QVERIFY(fakes().boxes.isEmpty());
    QCOMPARE(values(d, Page::LifePath), lifePath);
    QCOMPARE(values(d, Page::Destiny), destiny);
    QCOMPARE(cardOn(d, Page::LifePath), lifePathCard);
    QCOMPARE(cardOn(d, Page::Destiny), destinyCard);
    QVERIFY(d->txtLifePathDesc->toPlainText().startsWith(lifePathText));
    QVERIFY(d->txtDestinyDesc->toPlainText().startsWith(destinyText));
    QVERIFY(!d->lblLifePathCardDesc->text().isEmpty());
    QVERIFY(d->lblLifePathKeywords->text().endsWith('.'));
    QVERIFY(!d->imgLifePathCards->pixmap().isNull());  // a picture, or the placeholder
    QVERIFY(!d->imgDestinyCards->pixmap().isNull());

    const TarotNumerologyState& s = tnState();
    QCOMPARE(s.TNName, name.trimmed());
    QCOMPARE(s.TNBirthDate, day + ' ' + month + ' ' + year);
    QCOMPARE(s.LifePathCardIndex, qint16(1));
    QCOMPARE(s.DestinyCardIndex, qint16(1));
    QVERIFY(!s.LifePathFirstCardPending && !s.DestinyFirstCardPending);
    // The arrays hold the Destiny set, with its spare empty element.
    QCOMPARE(s.CardNames->front(), destinyCard);
    QVERIFY(s.CardNames->back().isEmpty());

    QVERIFY(d->FormVisible());
    QCOMPARE(d->TS->currentIndex(), 0);
    QCOMPARE(frontPage(d), d->picLifePath);
    QVERIFY(!Forms::find<frmTarotNumerologyMain>()->FormVisible());
    QVERIFY(mdi()->picMain->isHidden());
  }

  void twoParagraphTexts() {
    // Lee: Destiny 4, whose text has two paragraphs; Life Path 2 has the
    // two-paragraph Moon text.
    frmTarotNumerologyDisplay* d = reading("Lee", "9", "March", "1970");
    QCOMPARE(d->lblResult[6]->text(), QString("4"));
    QCOMPARE(platform::plainText(d->txtDestinyDesc).count("\r\n"), 1);
    QVERIFY(platform::plainText(d->txtDestinyDesc).contains(
        "\r\nThe negative trait of 4 often produces arrogant and dominating individuals."));
    QVERIFY(platform::plainText(d->txtLifePathPlanetDesc).contains(
        "\r\nMoon people are very much adaptable and charming."));
    QCOMPARE(d->txtDestinyPlanetDesc->toPlainText().left(20), QString("Sun is the parent of"));
  }

  // Three cards on the Life Path page and the same set on the Destiny page,
  // each paged on its own.
  void pagingThroughASet() {
    frmTarotNumerologyDisplay* d = reading("Noah", "9", "March", "1970");
    const QString last = "You Have Reached The Last Record", first = "You Have Reached The First Record";
    auto press = [&](platform::VbButton* b) { QTest::mouseClick(b, Qt::LeftButton); };

    press(d->cmdLifePathBack);
    QCOMPARE(messages(), QStringList{first});
    QCOMPARE(cardOn(d, Page::LifePath), QString("Judgement - Major Arcana"));
    press(d->cmdLifePathNext);
    QCOMPARE(cardOn(d, Page::LifePath), QString("The High Priestess - Major Arcana"));
    press(d->cmdLifePathNext);
    QCOMPARE(cardOn(d, Page::LifePath), QString("The Knights - Minor Arcana"));
    QCOMPARE(d->lblLifePathKeywords->text(),
             QString("Service Rendered, Messenger, Intuitive, Loving, Emotional, Loving, Good Taste."));
    QVERIFY(d->lblLifePathCardDesc->text().startsWith("The character of the Princess is absolutely gracious."));
    press(d->cmdLifePathNext);
    QCOMPARE(messages(), (QStringList{first, last}));
    QCOMPARE(cardOn(d, Page::LifePath), QString("The Knights - Minor Arcana"));
    for (const auto& b : fakes().boxes) QCOMPARE(b.style, int(platform::vbCritical));

    // The Destiny page has not moved and pages on its own.
    QCOMPARE(cardOn(d, Page::Destiny), QString("Judgement - Major Arcana"));
    press(d->cmdDestinyNext);
    QCOMPARE(cardOn(d, Page::Destiny), QString("The High Priestess - Major Arcana"));
    QCOMPARE(cardOn(d, Page::LifePath), QString("The Knights - Minor Arcana"));

    press(d->cmdLifePathBack);
    QCOMPARE(cardOn(d, Page::LifePath), QString("The High Priestess - Major Arcana"));
    press(d->cmdLifePathBack);
    QCOMPARE(cardOn(d, Page::LifePath), QString("Judgement - Major Arcana"));
    press(d->cmdLifePathBack);
    QCOMPARE(messages(), (QStringList{first, last, first}));
    QCOMPARE(cardOn(d, Page::LifePath), QString("Judgement - Major Arcana"));
    QCOMPARE(cardOn(d, Page::Destiny), QString("The High Priestess - Major Arcana"));
  }

  // Four cards on one page, three on the other: paging one page reloads its
  // own set, whatever the other page loaded last.
  void pagingReloadsThePagesOwnSet() {
    frmTarotNumerologyDisplay* d = reading("Abe", "1", "January", "1970");  // 1 and 8
    for (int i = 0; i < 3; ++i) QTest::mouseClick(d->cmdLifePathNext, Qt::LeftButton);
    QCOMPARE(cardOn(d, Page::LifePath), QString("The Aces - Minor Arcana"));
    QTest::mouseClick(d->cmdDestinyNext, Qt::LeftButton);
    QCOMPARE(cardOn(d, Page::Destiny), QString("The Star - Major Arcana"));
    QTest::mouseClick(d->cmdLifePathBack, Qt::LeftButton);
    QCOMPARE(cardOn(d, Page::LifePath), QString("Wheel of Fortune - Major Arcana"));
    QTest::mouseClick(d->cmdLifePathNext, Qt::LeftButton);
    QTest::mouseClick(d->cmdLifePathNext, Qt::LeftButton);
    QCOMPARE(messages(), QStringList{"You Have Reached The Last Record"});
  }

  void oneCardSets() {
    frmTarotNumerologyDisplay* d = reading("Ann", "6", "August", "1979");  // 22 and 11
    for (platform::VbButton* b : {d->cmdLifePathNext, d->cmdLifePathBack, d->cmdDestinyNext, d->cmdDestinyBack})
      QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(messages(), (QStringList{"You Have Reached The Last Record", "You Have Reached The First Record",
                                      "You Have Reached The Last Record", "You Have Reached The First Record"}));
    QCOMPARE(cardOn(d, Page::LifePath), QString("The Fool - Major Arcana"));
    QCOMPARE(cardOn(d, Page::Destiny), QString("Justice - Major Arcana"));
  }

  void tabsBringTheirPageToTheFront() {
    frmTarotNumerologyDisplay* d = reading("Noah", "9", "March", "1970");
    QTest::mouseClick(d->cmdLifePathNext, Qt::LeftButton);
    d->TS->setCurrentIndex(2);
    QCOMPARE(frontPage(d), d->picNumerologySpread);
    d->TS->setCurrentIndex(1);
    QCOMPARE(frontPage(d), d->picDestiny);
    d->TS->setCurrentIndex(0);
    QCOMPARE(frontPage(d), d->picLifePath);
    QCOMPARE(cardOn(d, Page::LifePath), QString("The High Priestess - Major Arcana"));
    QCOMPARE(d->TS->tabText(0), QString("Tarot && Life Path Number"));
  }

  void backAndExit() {
    frmTarotNumerologyDisplay* d = reading("Noah", "9", "March", "1970");
    QTest::mouseClick(d->cmdLifePathNext, Qt::LeftButton);
    QTest::mouseClick(d->cmdBack, Qt::LeftButton);
    QVERIFY(!Forms::isLoaded<frmTarotNumerologyDisplay>());
    frmTarotNumerologyMain* f = Forms::find<frmTarotNumerologyMain>();
    QVERIFY(f->FormVisible());
    QCOMPARE(f->txtName->text(), QString("Noah"));
    QCOMPARE(f->cboDate->currentText(), QString("9"));
    QCOMPARE(f->cboMonth->currentText(), QString("March"));
    QVERIFY(mdi()->picMain->isHidden());

    // A new reading starts both pages on their first card again.
    QTest::mouseClick(f->cmdProceed, Qt::LeftButton);
    d = Forms::find<frmTarotNumerologyDisplay>();
    QCOMPARE(cardOn(d, Page::LifePath), QString("Judgement - Major Arcana"));
    QTest::mouseClick(d->cmdLifePathNext, Qt::LeftButton);
    QCOMPARE(cardOn(d, Page::LifePath), QString("The High Priestess - Major Arcana"));

    d->mnuExit->trigger();
    QVERIFY(!Forms::isLoaded<frmTarotNumerologyDisplay>());
    QVERIFY(!mdi()->picMain->isHidden());
    QVERIFY(Forms::isLoaded<frmTarotNumerologyMain>());
    QVERIFY(!f->FormVisible());

    // The mode button unloads the form: it opens again on its defaults.
    f = openForm();
    QVERIFY(f->txtName->text().isEmpty());
    QCOMPARE(f->cboYear->currentText(), QString("1970"));
    f->mnuExit->trigger();
    QVERIFY(!Forms::isLoaded<frmTarotNumerologyMain>());
    QVERIFY(!mdi()->picMain->isHidden());
  }

  void openSavedReading() {
    frmTarotNumerologyMain* f = openForm();
    fakes().openChoices.push_back(writeTemp("saved.tnm", fileOf({"Ann", "6", "August", "1979"})));
    QTest::mouseClick(f->cmdOpen, Qt::LeftButton);
    const platform::FileDialogRequest& req = fakes().openRequests.at(0);
    QCOMPARE(req.filter, QString("Sylvaric (*.tnm)|*.tnm"));
    QCOMPARE(req.filterIndex, 2);
    QCOMPARE(req.defaultExt, QString("tnm"));
    QCOMPARE(req.title, QString("Select the source file"));
    QVERIFY(fakes().boxes.isEmpty());
    frmTarotNumerologyDisplay* d = Forms::find<frmTarotNumerologyDisplay>();
    QVERIFY(d && d->FormVisible());
    QCOMPARE(values(d, Page::LifePath).first(), QString("22"));
    QCOMPARE(values(d, Page::Destiny).first(), QString("11"));
    QCOMPARE(f->txtName->text(), QString("Ann"));
    QCOMPARE(f->cboMonth->currentText(), QString("August"));
    QCOMPARE(tnState().TNBirthDate, QString("6 August 1979"));
  }

  // A file that is not a whole reading changes nothing: the form keeps what
  // was typed and nothing is computed.
  void openRefusals_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray good = fileOf({"Ann", "6", "August", "1979"});
    QTest::newRow("name in capitals") << "saved.TNM" << good << "Please Check The File.";
    QTest::newRow("short month") << "sept.tnm" << fileOf({"Ann", "6", "Sept", "1979"})
                                 << "Please Check The File.";
    QTest::newRow("plain text") << "plain.tnm" << QByteArray("Ann\r\n6\r\nAugust\r\n1979\r\n")
                                << "Please Check The File.";
    QTest::newRow("missing year") << "short.tnm" << fileOf({"Ann", "6", "August"})
                                  << "Please Check The File.";
    QTest::newRow("missing file") << "" << QByteArray() << "Please Check The File.";
    // A whole file whose name has no letter reaches the form and is refused
    // there.
    QTest::newRow("name without letters") << "digits.tnm" << fileOf({"123", "6", "August", "1979"})
                                          << "Please Enter A Name With At Least One Letter From A To Z";
  }
  void openRefusals() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    frmTarotNumerologyMain* f = openForm();
    f->txtName->setText("Typed");
    f->cboDate->setCurrentText("3");
    const QString path = fileName.isEmpty() ? testsupport::tempDir() + "/nowhere.tnm" : writeTemp(fileName, bytes);
    fakes().openChoices.push_back(path);
    QTest::mouseClick(f->cmdOpen, Qt::LeftButton);
    QCOMPARE(messages(), QStringList{message});
    QCOMPARE(fakes().boxes[0].style, int(platform::vbCritical));
    QVERIFY(!Forms::isLoaded<frmTarotNumerologyDisplay>());
    QVERIFY(tnState().TNName.isEmpty());
    if (message == "Please Check The File.") {
      QCOMPARE(f->txtName->text(), QString("Typed"));
      QCOMPARE(f->cboDate->currentText(), QString("3"));
    }
  }

  void openAcceptsANameEndingInTnmWithoutADot() {
    frmTarotNumerologyMain* f = openForm();
    fakes().openChoices.push_back(writeTemp("savedtnm", fileOf({"Abe", "1", "January", "1970"})));
    QTest::mouseClick(f->cmdOpen, Qt::LeftButton);
    QVERIFY(fakes().boxes.isEmpty());
    QVERIFY(Forms::isLoaded<frmTarotNumerologyDisplay>());
  }

  void cancelledOpenDoesNothing() {
    frmTarotNumerologyMain* f = openForm();
    f->txtName->setText("Typed");
    QTest::mouseClick(f->cmdOpen, Qt::LeftButton);  // no choice: cancelled
    QCOMPARE(fakes().openRequests.size(), 1);
    QVERIFY(fakes().boxes.isEmpty());
    QCOMPARE(f->txtName->text(), QString("Typed"));
    QVERIFY(!Forms::isLoaded<frmTarotNumerologyDisplay>());
  }

  void linksAndMenus() {
    frmTarotNumerologyMain* f = openForm();
    emit f->Label14->Click();
    emit f->Label3->Click();
    emit f->lblCobrand->Click();
    emit f->lblFullBrand->Click();
    for (QAction* a : {f->mnuOnline, f->mnuVisit, f->mnuUpdate, f->mnuDonate, f->mnuMakeMoney}) a->trigger();
    const QList<QUrl> expectedForm = {
        QUrl(page("home-page")),    QUrl(page("home-page")),         QUrl(page("co-brand")),
        QUrl(page("fully-branded")), QUrl(page("help-web-page")),    QUrl(page("home-page")),
        QUrl(page("download-web-page")), QUrl(page("donate")),       QUrl(page("fully-branded"))};
    QCOMPARE(fakes().urls, expectedForm);

    fakes().urls.clear();
    frmTarotNumerologyDisplay* d = reading("Abe", "1", "January", "1970");
    emit d->Label14->Click();
    emit d->lblCobrand->Click();
    emit d->lblFullBrand->Click();
    for (QAction* a : {d->mnuOnline, d->mnuVisit, d->mnuUpdate, d->mnuDonate, d->mnuMakeMoney}) a->trigger();
    QCOMPARE(fakes().urls.size(), 8);
    QCOMPARE(fakes().urls[1], QUrl(page("co-brand")));
    QCOMPARE(fakes().urls[4], QUrl(page("home-page")));
    QVERIFY(!d->mnuMakeMoney->isVisible());
    d->mnuBack->trigger();
    QVERIFY(!Forms::isLoaded<frmTarotNumerologyDisplay>());
    QVERIFY(Forms::find<frmTarotNumerologyMain>()->FormVisible());
  }

  // Touching a text box of the result window empties the clipboard of what
  // was copied out of the program, and of nothing else.
  void clipboardRule() {
    frmTarotNumerologyDisplay* d = reading("Abe", "1", "January", "1970");
    QClipboard* cb = QGuiApplication::clipboard();
    d->txtLifePathDesc->selectAll();
    d->txtLifePathDesc->copy();
    QVERIFY(cb->text().startsWith("Your main purpose"));
    moveOver(d->txtLifePathPlanetDesc->viewport());
    QVERIFY(cb->text().isEmpty());

    cb->setText("from another program");
    QTest::mouseClick(d->txtLifePathPlanetDesc->viewport(), Qt::LeftButton);
    moveOver(d->txtLifePathDesc->viewport());
    QCOMPARE(cb->text(), QString("from another program"));
    cb->clear();
  }
};

AURAVANE_TEST_MAIN(TestTarotNumerologyWindows)
#include "test_tarot_numerology_windows.moc"
