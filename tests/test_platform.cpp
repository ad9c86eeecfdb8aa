#include <QMdiArea>
#include <QPushButton>
#include <QMdiSubWindow>
#include <QPointer>
#include <QFile>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QVBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTextBlock>
#include <QAbstractTextDocumentLayout>
#include <QSignalSpy>
#include <QBuffer>
#include <QThread>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/App.h"
#include "platform/Forms.h"
#include "platform/Controls.h"
#include "platform/Pictures.h"
#include "platform/ProgramStyle.h"
#include "platform/RichTextBox.h"
#include "platform/VbString.h"
#include "platform/WarmUp.h"
#include "shell/frmMDI.h"
#include "testsupport.h"

using platform::Forms;

namespace {

struct Counters {
  int built = 0, loads = 0, queries = 0, unloads = 0;
  bool refuse = false;
};
Counters counters;

class Child : public QWidget, public platform::Form {
 public:
  Child() : platform::Form(this, Kind::MdiChild) {
    setObjectName("child");
    ++counters.built;
    ++alive;
  }
  ~Child() override { --alive; }
  static inline int alive = 0;
  std::function<void()> duringUnload;
 protected:
  void Form_Load() override { ++counters.loads; }
  void Form_QueryUnload(bool& cancel) override {
    ++counters.queries;
    cancel = counters.refuse;
  }
  void Form_Unload(bool&) override {
    ++counters.unloads;
    if (duringUnload) duringUnload();
  }
};

// Counts the repaints a widget asks for from inside its own paint.
class RepaintRequests : public QObject {
 public:
  int painted = 0;
  int askedAfterPaint = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++painted;
    if (e->type() == QEvent::UpdateLater && painted) ++askedAfterPaint;
    return false;
  }
};

class Lone : public QWidget, public platform::Form {
 public:
  Lone() : platform::Form(this) { setObjectName("lone"); }
  void Form_Load() override { ++counters.loads; }
};

// Counts the paint events of the widgets it is installed on.
struct PaintCounter : QObject {
  int* n;
  explicit PaintCounter(int* count) : n(count) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++*n;
    return false;
  }
};

}  // namespace

class TestPlatform : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    testsupport::resetProgram();
    counters = Counters();
  }

  void windowLoadsOnFirstTouchOnly() {
    QVERIFY(!Forms::find<Lone>());
    Lone* a = Forms::get<Lone>();
    QCOMPARE(Forms::get<Lone>(), a);
    QCOMPARE(counters.loads, 1);
    QVERIFY(Forms::unload<Lone>());
    QVERIFY(!Forms::find<Lone>());
    QVERIFY(Forms::unload<Lone>());  // not loaded: nothing happens
    Forms::get<Lone>();
    QCOMPARE(counters.loads, 2);  // a new instance, loaded afresh
  }

  // Unloading from inside the window's own handler keeps the object alive
  // until control returns to the event loop.
  void destructionIsDeferred() {
    Child* c = Forms::get<Child>();
    QPointer<QWidget> guard(c);
    QVERIFY(Forms::unload(c));
    QVERIFY(guard);
    QVERIFY(!c->isLoaded());
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
  }

  void refusalAndReentry() {
    Child* c = Forms::get<Child>();
    counters.refuse = true;
    QVERIFY(!Forms::unload(c));
    QVERIFY(c->isLoaded());
    counters.refuse = false;
    c->duringUnload = [c] { Forms::unload(c); };  // re-entered: no second run
    QVERIFY(Forms::unload(c));
    QCOMPARE(counters.unloads, 1);
    QCOMPARE(counters.queries, 2);
  }

  void closeBoxGoesThroughUnload() {
    Child* c = Forms::get<Child>();
    c->frame()->close();
    QCOMPARE(counters.unloads, 1);
    QVERIFY(!Forms::find<Child>());
  }

  // A child window sits in the main window's client area, visible once
  // loaded; the main window unloads its children before itself.
  void childWindowsLiveInTheFrame() {
    frmMDI* m = Forms::get<frmMDI>();
    Child* c = Forms::get<Child>();
    QVERIFY(c->frame() != c->formWidget());
    QCOMPARE(qobject_cast<QMdiSubWindow*>(c->frame())->mdiArea(), m->mdiArea());
    QVERIFY(!c->frame()->isHidden());
    c->setLeft(300);
    c->setTop(0);
    QCOMPARE(c->Left(), 300.0);
    QCOMPARE(c->frame()->pos(), QPoint(20, 0));
    QCOMPARE(Forms::findByName("child"), static_cast<platform::Form*>(c));
    Forms::unload(m);
    QCOMPARE(counters.unloads, 1);
    QVERIFY(!Forms::find<Child>());
    QVERIFY(!Forms::find<frmMDI>());
  }

  // A window built ahead is the one the next load takes: loaded then, in
  // the frame like any child. One is kept at most, a loaded window leaves
  // room for the next, and none outlives the windows' end.
  void spareWindowTakenByTheNextLoad() {
    Forms::get<frmMDI>();
    Forms::keepSpare<Child>();
    Forms::keepSpare<Child>();
    QCOMPARE(counters.built, 1);
    QCOMPARE(counters.loads, 0);
    QVERIFY(!Forms::find<Child>());
    QVERIFY(Forms::hasSpare<Child>());

    Child* c = Forms::get<Child>();
    QCOMPARE(counters.built, 1);
    QCOMPARE(counters.loads, 1);
    QVERIFY(!Forms::hasSpare<Child>());
    QVERIFY(qobject_cast<QMdiSubWindow*>(c->frame()));
    QVERIFY(!c->frame()->isHidden());

    Forms::keepSpare<Child>();
    QCOMPARE(counters.built, 2);
    QVERIFY(Forms::unload(c));
    Child* next = Forms::get<Child>();
    QVERIFY(next != c);
    QCOMPARE(counters.built, 2);
    QCOMPARE(counters.loads, 2);

    Forms::keepSpare<Child>();
    QCOMPARE(Child::alive, 3);  // the unloaded one waits for the event loop
    Forms::destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(Child::alive, 0);
    QVERIFY(!Forms::hasSpare<Child>());
  }

  void richTextPositionsCountLineBreaksTwice() {
    platform::RichTextBox box;
    box.setSelText("ab\r\ncd\r\n");
    QCOMPARE(box.Text(), QString("ab\r\ncd\r\n"));
    QCOMPARE(box.TextLength(), 8);
    QCOMPARE(box.SelStart(), 8);
    box.setSelStart(4);
    box.setSelLength(2);
    QCOMPARE(box.SelText(), QString("cd"));
    box.setSelStart(box.Text().size());
    box.setSelBold(true);
    box.setSelText("X");
    box.setSelBold(false);
    box.setSelText("y");
    QCOMPARE(box.Text(), QString("ab\r\ncd\r\nXy"));
    const QTextBlock last = box.document()->lastBlock();
    QVERIFY(last.begin().fragment().charFormat().fontWeight() >= QFont::Bold);
    QCOMPARE(last.begin().fragment().text(), QString("X"));
    box.setSelStart(0);
    box.setSelAlignment(2);
    QCOMPARE(box.document()->firstBlock().blockFormat().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    QCOMPARE(box.TextLength(), box.Text().size());
    box.setText("");
    QCOMPARE(box.Text(), QString());
    QCOMPARE(box.TextLength(), 0);
    QCOMPARE(box.SelStart(), 0);
  }

  // Pieces written as one edit come out as the same text and looks as
  // pieces written one by one, and leave the insertion point in the same
  // place; emptying the box inside an edit leaves the edit writing into the
  // emptied box.
  void oneEditWritesWhatPiecesWrite() {
    const auto write = [](platform::RichTextBox& box) {
      box.setSelText("ab\r\n");
      box.setSelBold(true);
      box.setSelText("B");
      box.setSelBold(false);
      box.setSelAlignment(2);
      box.setSelText("c\r\n");
      box.setSelAlignment(0);
      box.setSelUnderline(true);
      box.setSelText("   ");
      box.setSelUnderline(false);
      box.setSelStart(2);
      box.setSelText("X");
    };
    platform::RichTextBox pieces, edit;
    write(pieces);
    {
      platform::RichTextBox::Writing outer(&edit);
      {
        platform::RichTextBox::Writing inner(&edit);
        write(edit);
      }
      QCOMPARE(edit.SelStart(), 3);
    }
    QCOMPARE(edit.Text(), pieces.Text());
    QCOMPARE(edit.document()->toHtml(), pieces.document()->toHtml());
    QCOMPARE(edit.SelStart(), pieces.SelStart());
    QCOMPARE(edit.textCursor().position(), pieces.textCursor().position());

    {
      platform::RichTextBox::Writing w(&edit);
      edit.setSelText("old");
      edit.setText("");
      edit.setSelBold(true);
      edit.setSelText("new");
    }
    QCOMPARE(edit.Text(), QString("new"));
    QCOMPARE(edit.SelStart(), 3);
    QVERIFY(edit.document()->firstBlock().begin().fragment().charFormat().fontWeight() >= QFont::Bold);
  }

  // A write that makes the text outgrow the box lays it out once, beside the
  // scroll bar it brings, whether the box is in sight or not; a text that
  // fits again lets the bar go. A box whose bar is kept in sight keeps it.
  void writePastTheBoxLaysOutOnce() {
    QString longText;
    for (int i = 0; i < 60; ++i) longText += QString("Line %1 of a long reading.\r\n").arg(i);
    for (const bool shown : {true, false}) {
      QWidget host;
      host.resize(320, 240);
      auto* panel = new QWidget(&host);
      panel->setGeometry(0, 0, 240, 160);
      platform::RichTextBox box(panel);
      box.setGeometry(0, 0, 200, 120);
      host.show();
      QVERIFY(QTest::qWaitForWindowExposed(&host));
      if (!shown) panel->hide();
      QVERIFY(!box.verticalScrollBar()->isVisibleTo(&box));
      // The text edit lays the text out again when its view changes width:
      // the view the write ends in is the one it is left with.
      int widthWritten = 0;
      {
        platform::RichTextBox::Writing writing(&box);
        box.setText("");
        box.setSelText(longText);
        widthWritten = box.viewport()->width();
      }
      QCOMPARE(box.viewport()->width(), widthWritten);
      QVERIFY(box.verticalScrollBar()->isVisibleTo(&box));
      QCOMPARE(box.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
      QVERIFY(box.verticalScrollBar()->maximum() > 0);
      {
        platform::RichTextBox::Writing writing(&box);
        box.setText("");
        box.setSelText("short");
      }
      QVERIFY(!box.verticalScrollBar()->isVisibleTo(&box));
      QCOMPARE(box.Text(), QString("short"));
    }
    platform::RichTextBox kept;
    kept.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    {
      platform::RichTextBox::Writing writing(&kept);
      kept.setSelText("x");
    }
    QCOMPARE(kept.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }

  // Pictures read ahead come back whole, in any order and more than once;
  // a file that is missing or not a picture, or an index past the list,
  // gives a null picture. A batch dropped while it is being read leaves
  // its workers nothing dangling.
  void picturesReadAhead() {
    const QString dir = testsupport::tempDir();
    QImage small(3, 2, QImage::Format_RGB32);
    small.fill(Qt::red);
    QVERIFY(small.save(dir + "/a.png"));
    QImage tall(4, 5, QImage::Format_RGB32);
    tall.fill(Qt::blue);
    QVERIFY(tall.save(dir + "/b.jpg"));
    QFile junk(dir + "/c.jpg");
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();

    platform::PicturesAhead ahead({dir + "/a.png", dir + "/missing.jpg", dir + "/b.jpg", dir + "/c.jpg"});
    QCOMPARE(ahead.picture(2).size(), QSize(4, 5));
    QCOMPARE(ahead.picture(0).size(), QSize(3, 2));
    QCOMPARE(ahead.picture(0).toImage().pixelColor(1, 1), QColor(Qt::red));
    QCOMPARE(ahead.picture(2).size(), QSize(4, 5));
    QVERIFY(ahead.picture(1).isNull());
    QVERIFY(ahead.picture(3).isNull());
    QVERIFY(ahead.picture(4).isNull());
    QVERIFY(ahead.picture(-1).isNull());
    // One more picture joins the batch after it started.
    QCOMPARE(ahead.add(dir + "/b.jpg"), 4);
    QCOMPARE(ahead.picture(4).size(), QSize(4, 5));
    QCOMPARE(ahead.picture(0).size(), QSize(3, 2));
    QVERIFY(ahead.halfTurned(0).isNull());  // not asked for

    // A picture asked for with its half turn gives both; the turn is the
    // one turnHalf makes. An unreadable one gives neither.
    QImage marked(3, 2, QImage::Format_RGB32);
    marked.fill(Qt::white);
    marked.setPixel(0, 0, qRgb(255, 0, 0));
    QVERIFY(marked.save(dir + "/d.png"));
    const int d = ahead.add(dir + "/d.png", true);
    const int bad = ahead.add(dir + "/c.jpg", true);
    QCOMPARE(ahead.halfTurned(d).toImage().convertToFormat(QImage::Format_RGB32),
             platform::turnHalf(marked).convertToFormat(QImage::Format_RGB32));
    QCOMPARE(ahead.halfTurned(d).toImage().pixelColor(2, 1), QColor(Qt::red));
    QCOMPARE(ahead.picture(d).toImage().pixelColor(0, 0), QColor(Qt::red));
    QVERIFY(ahead.picture(bad).isNull());
    QVERIFY(ahead.halfTurned(bad).isNull());
    QVERIFY(ahead.halfTurned(99).isNull());

    for (int i = 0; i < 20; ++i) platform::PicturesAhead dropped({dir + "/a.png", dir + "/b.jpg"});
  }

  // While every worker is held up on a picture that has not arrived (named
  // pipes no one has written to yet), a picture asked for meanwhile is read
  // by the asking thread instead of waiting behind them. The held pictures
  // come in afterwards and are handed out as usual.
  void pictureReadByTheAskerWhenWorkersAreHeld() {
#if defined(Q_OS_UNIX)
    const QString dir = testsupport::tempDir();
    QImage small(3, 2, QImage::Format_RGB32);
    small.fill(Qt::green);
    QVERIFY(small.save(dir + "/mine.png"));
    QByteArray png;
    {
      QBuffer buffer(&png);
      buffer.open(QIODevice::WriteOnly);
      QVERIFY(small.save(&buffer, "PNG"));
    }
    // At least as many held pictures as there can be workers.
    const int held = std::max(2, QThread::idealThreadCount());
    QStringList pipes;
    for (int k = 0; k < held; ++k) {
      pipes << dir + QStringLiteral("/held%1.png").arg(k);
      QCOMPARE(::mkfifo(QFile::encodeName(pipes.back()).constData(), 0600), 0);
    }
    platform::PicturesAhead ahead{QStringList()};
    for (const QString& pipe : pipes) ahead.add(pipe);
    const int mine = ahead.add(dir + "/mine.png");

    std::mutex m;
    std::condition_variable cv;
    bool handedOut = false;
    bool releasedFirst = false;
    std::thread releaser([&] {
      {
        std::unique_lock<std::mutex> lock(m);
        // Long enough never to pass by on a slow machine; without the
        // asker reading the picture itself, it would come only after this.
        if (!cv.wait_for(lock, std::chrono::seconds(20), [&] { return handedOut; }))
          releasedFirst = true;
      }
      for (const QString& pipe : pipes) {
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY);
        if (fd < 0) continue;
        (void)!::write(fd, png.constData(), size_t(png.size()));
        ::close(fd);
      }
    });
    const QPixmap got = ahead.picture(mine);
    {
      std::lock_guard<std::mutex> lock(m);
      handedOut = true;
    }
    cv.notify_all();
    QCOMPARE(got.size(), QSize(3, 2));
    QCOMPARE(got.toImage().pixelColor(1, 1), QColor(Qt::green));
    for (int k = 0; k < held; ++k) QCOMPARE(ahead.picture(k).size(), QSize(3, 2));
    releaser.join();
    QVERIFY2(!releasedFirst, "the picture waited for the held workers");
#else
    QSKIP("needs named pipes");
#endif
  }

  // A picture kept as bare pixels comes back exactly, translucent pixels
  // and all; bytes that are not such a picture give a null picture.
  void pixelsFileRoundTrip() {
    QImage img(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) img.setPixel(x, y, qRgba(40 * x, 90 * y, 7 * x * y, 50 * x + 30));
    const QByteArray bytes = platform::toPixelsFile(img);
    QCOMPARE(bytes.size(), 12 + 5 * 3 * 4);
    QCOMPARE(platform::fromPixelsFile(bytes), img);
    // Premultiplied pictures (as drawn) are kept as their plain colours.
    const QImage drawn = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(platform::fromPixelsFile(platform::toPixelsFile(drawn)),
             drawn.convertToFormat(QImage::Format_ARGB32));
  }
  void pixelsFileRefusesOtherBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QImage one(2, 2, QImage::Format_ARGB32);
    one.fill(Qt::green);
    const QByteArray good = platform::toPixelsFile(one);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << good.left(12);
    QTest::newRow("one byte short") << good.left(good.size() - 1);
    QTest::newRow("one byte over") << good + 'x';
    QTest::newRow("other mark") << QByteArray("AVPY") + good.mid(4);
    QByteArray wide = good;
    wide[4] = char(0x01);
    wide[5] = char(0x20);  // 8193 pixels wide
    QTest::newRow("too wide") << wide;
    QByteArray zero = good;
    zero[8] = 0;
    QTest::newRow("no rows") << zero;
    QTest::newRow("a PNG file") << QByteArray("\x89PNG\r\n\x1a\n0000000000000000", 24);
  }
  void pixelsFileRefusesOtherBytes() {
    QFETCH(QByteArray, bytes);
    QVERIFY(platform::fromPixelsFile(bytes).isNull());
  }

  void vbFunctions() {
    using namespace platform::vb;
    QCOMPARE(Trim("  a b \t "), QString("a b \t"));
    QCOMPARE(Round(0.5), 0.0);
    QCOMPARE(Round(1.5), 2.0);
    QCOMPARE(Round(2.5), 2.0);
    QCOMPARE(Round(-0.5), 0.0);
    QCOMPARE(Int(-0.5), -1LL);
    QCOMPARE(Int(77.99), 77LL);
    QCOMPARE(Val(" 12ab"), 12.0);
    QCOMPARE(Val("-3.5x"), -3.5);
    QCOMPARE(Val("x1"), 0.0);
    QCOMPARE(InStr("hello", "l"), 3);
    QCOMPARE(InStr("hello", "z"), 0);
    QCOMPARE(toCrLf("a\nb\rc\r\nd"), QString("a\r\nb\r\nc\r\nd"));
  }

  // A link label (one that takes the focus) shows its text exactly as a
  // label does, and painting it asks for no second paint.
  void linkLabelDrawsAsLabelOnce_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("align");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QSize>("size");
    QTest::newRow("one line") << "Tarot Reading" << int(Qt::AlignLeft | Qt::AlignVCenter) << false
                              << false << QSize(160, 22);
    QTest::newRow("wrapped, centred") << "The most popular forum of all. Come and join us at "
                                         "www.example.com, where the best readers meet."
                                      << int(Qt::AlignCenter) << true << true << QSize(300, 44);
    QTest::newRow("wrapped, top") << "Start your own business and make money online. Click here "
                                     "for more details."
                                  << int(Qt::AlignHCenter | Qt::AlignTop) << true << false
                                  << QSize(200, 60);
    QTest::newRow("cut to its box") << "A caption much longer than the box it was given"
                                    << int(Qt::AlignRight | Qt::AlignBottom) << false << true
                                    << QSize(90, 30);
  }
  void linkLabelDrawsAsLabelOnce() {
    QFETCH(QString, text);
    QFETCH(int, align);
    QFETCH(bool, wrap);
    QFETCH(bool, underline);
    QFETCH(QSize, size);
    QWidget window;
    window.resize(size.width(), 2 * size.height() + 20);
    auto setUp = [&](QLabel* l, int top) {
      QFont f = l->font();
      f.setBold(true);
      f.setUnderline(underline);
      l->setFont(f);
      l->setAlignment(Qt::Alignment(align));
      l->setWordWrap(wrap);
      l->setGeometry(0, top, size.width(), size.height());
      QPalette pal = l->palette();
      pal.setColor(QPalette::WindowText, QColor(255, 0, 255));
      l->setPalette(pal);
    };
    // The window's first control takes the focus, as the mode buttons do.
    auto* first = new QPushButton(QStringLiteral("First"), &window);
    first->setGeometry(0, 2 * size.height(), 60, 20);
    auto* link = new platform::VbLabel(text, &window);
    setUp(link, 0);
    link->setLinkPointer(true);
    auto* plain = new QLabel(text, &window);
    setUp(plain, size.height());
    plain->setFocusPolicy(Qt::TabFocus);
    RepaintRequests requests;
    link->installEventFilter(&requests);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(requests.painted > 0);
    QCoreApplication::processEvents();
    QCOMPARE(requests.askedAfterPaint, 0);
    QCOMPARE(link->grab().toImage(), plain->grab().toImage());
    // Later changes of text, font and size show as well.
    for (QLabel* l : {static_cast<QLabel*>(link), plain}) {
      l->setText(QStringLiteral("Numerology & Tarot"));
      QFont f = l->font();
      f.setPointSizeF(f.pointSizeF() + 2);
      l->setFont(f);
      l->resize(size.width() - 10, size.height());
    }
    QCOMPARE(link->grab().toImage(), plain->grab().toImage());
  }

  // The program's style draws a scroll bar exactly as the style beneath it
  // does, for every size, value and state, at any scale or pixel ratio, the
  // first time and when it draws a kept drawing again (a tall bar in bands);
  // it keeps only a few drawings.
  void scrollBarsDrawnAsTheStyleBeneath() {
    auto* style = qobject_cast<platform::ProgramStyle*>(QApplication::style());
    QVERIFY(style);
    QStyle* beneath = style->baseStyle();
    struct Bar : QScrollBar {
      using QScrollBar::QScrollBar;
      using QScrollBar::initStyleOption;
    };
    // A scale is either the painter's (printing, previews) or the picture's
    // pixel ratio (a screen of high density).
    const auto drawn = [](QStyle* by, Bar& bar, qreal scale, bool ratio = false) {
      QStyleOptionSlider opt;
      bar.initStyleOption(&opt);
      opt.subControls = QStyle::SC_All;
      QImage img(bar.size() * scale, QImage::Format_ARGB32_Premultiplied);
      img.fill(Qt::transparent);
      if (ratio) img.setDevicePixelRatio(scale);
      QPainter p(&img);
      if (!ratio) p.scale(scale, scale);
      by->drawComplexControl(QStyle::CC_ScrollBar, &opt, &p, &bar);
      return img;
    };
    for (Qt::Orientation o : {Qt::Vertical, Qt::Horizontal})
      for (int value : {0, 40, 100})
        for (bool enabled : {true, false})
          for (qreal scale : {1.0, 2.0, 1.5})
            for (bool ratio : {false, true}) {
              Bar bar(o);
              bar.resize(o == Qt::Vertical ? QSize(14, 300) : QSize(260, 14));
              bar.setRange(0, 100);
              bar.setPageStep(30);
              bar.setValue(value);
              bar.setEnabled(enabled);
              const QImage expected = drawn(beneath, bar, scale, ratio);
              QVERIFY(expected.pixel(expected.width() / 2, expected.height() / 2) != 0);
              QCOMPARE(drawn(style, bar, scale, ratio), expected);
              QCOMPARE(drawn(style, bar, scale, ratio), expected);  // from what was kept
            }
    QVERIFY(style->keptCount() <= platform::ProgramStyle::kKept);
    Bar bar(Qt::Vertical);
    for (int h = 100; h < 100 + 2 * platform::ProgramStyle::kKept; ++h) {
      bar.resize(14, h);
      drawn(style, bar, 1.0);
    }
    QCOMPARE(style->keptCount(), platform::ProgramStyle::kKept);
  }

  // The style's standard icons are those of the style beneath, made once
  // for each layout direction.
  void standardIconsMadeOnce() {
    auto* style = qobject_cast<platform::ProgramStyle*>(QApplication::style());
    QVERIFY(style);
    QStyle* beneath = style->baseStyle();
    QStyleOption rtl;
    rtl.direction = Qt::RightToLeft;
    const auto pixels = [](const QIcon& icon) { return icon.pixmap(16).toImage(); };
    for (QStyle::StandardPixmap sp : {QStyle::SP_TitleBarCloseButton, QStyle::SP_TitleBarMinButton,
                                      QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ArrowBack}) {
      const QIcon kept = style->standardIcon(sp);
      QCOMPARE(style->standardIcon(sp).cacheKey(), kept.cacheKey());
      QCOMPARE(pixels(kept), pixels(beneath->standardIcon(sp)));
      QCOMPARE(pixels(style->standardIcon(sp, &rtl)), pixels(beneath->standardIcon(sp, &rtl)));
    }
    // Back points the other way in a right-to-left layout.
    QVERIFY(pixels(style->standardIcon(QStyle::SP_ArrowBack)) !=
            pixels(style->standardIcon(QStyle::SP_ArrowBack, &rtl)));
  }

  // A held window paints nothing while events run; what changed is painted
  // once the outermost hold ends. A window that goes during a hold leaves
  // the hold nothing to do.
  void paintHoldPaintsOnceAtTheEnd() {
    QWidget window;
    auto* label = new QLabel(QStringLiteral("one"), &window);
    window.resize(200, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    int paints = 0;
    PaintCounter counter(&paints);
    label->installEventFilter(&counter);
    {
      platform::PaintHold outer(&window);
      {
        platform::PaintHold inner(&window);
        label->setText(QStringLiteral("two"));
        QTest::qWait(30);
      }
      label->setText(QStringLiteral("three"));
      QTest::qWait(30);
      QCOMPARE(paints, 0);
    }
    QTRY_VERIFY(paints > 0);
    QTest::qWait(30);
    const int after = paints;
    label->setText(QStringLiteral("four"));  // no hold left behind
    QTRY_VERIFY(paints > after);

    auto* gone = new QWidget;
    gone->show();
    {
      platform::PaintHold hold(gone);
      delete gone;
    }
    QTest::qWait(10);
  }

  // A held change that sets off a chain of layouts (a label's new size, its
  // box's, the window's) is painted once, after the chain has run, not once
  // before the last layout and again after it.
  void paintHoldWaitsForLayouts() {
    QWidget window;
    auto* outer = new QVBoxLayout(&window);
    auto* box = new QWidget(&window);
    auto* inner = new QVBoxLayout(box);
    auto* label = new QLabel(QStringLiteral("short"), box);
    inner->addWidget(label);
    outer->addWidget(box);
    auto* below = new QLabel(QStringLiteral("below"), &window);
    outer->addWidget(below);
    outer->addStretch();
    window.resize(300, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    int paints = 0;
    PaintCounter counter(&paints);
    window.installEventFilter(&counter);
    const int belowTop = below->y();
    {
      platform::PaintHold hold(&window);
      label->setText(QStringLiteral("two lines\nnow"));
      QTest::qWait(30);  // an event pump inside the work: nothing painted
      QCOMPARE(paints, 0);
      label->setText(QStringLiteral("a label of\nthree lines\nnow"));
    }
    QTRY_VERIFY(below->y() > belowTop);
    QTest::qWait(50);
    QCOMPARE(paints, 1);
  }

  // A bulk change takes the widget out of sight and brings it back with its
  // children as they were left; a widget holding the focus stays in sight
  // and keeps it, its updates held meanwhile.
  void bulkChangeOutOfSight() {
    QWidget window;
    auto* area = new QWidget(&window);
    area->resize(150, 60);
    auto* child = new QLabel(QStringLiteral("x"), area);
    window.resize(200, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    {
      platform::BulkChange bulk(area);
      QVERIFY(!area->isVisible());
      child->move(30, 20);
    }
    QVERIFY(area->isVisible());
    QVERIFY(child->isVisible());
    QCOMPARE(child->pos(), QPoint(30, 20));

    auto* edit = new QLineEdit(area);
    edit->show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    {
      platform::BulkChange bulk(area);
      QVERIFY(area->isVisible());
      QVERIFY(!area->updatesEnabled());
    }
    QVERIFY(area->updatesEnabled());
    QCOMPARE(QApplication::focusWidget(), edit);

    QWidget hidden;
    platform::BulkChange outOfSight(&hidden);  // a widget out of sight: nothing to do
    QVERIFY(hidden.isHidden());
  }

  // A font names a missing family's stand-in outright: the face drawn is
  // the one the font system would have found for the missing name.
  void installedFamilyStandsIn() {
    const QStringList installed = QFontDatabase::families();
    for (const char* asked : {"Verdana", "Arial Black", "MS Sans Serif"}) {
      const QString family = platform::installedFamily(QString::fromLatin1(asked));
      QVERIFY2(installed.contains(family), asked);  // as the font system spells it
      QCOMPARE(QFontInfo(QFont(family)).family(), QFontInfo(QFont(QString::fromLatin1(asked))).family());
    }
    QCOMPARE(platform::installedFamily(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
    // Neither installed nor given a stand-in: the name is kept, and the font
    // system chooses as it would.
    QCOMPARE(platform::installedFamily(QStringLiteral("No Such Face 1x")), QStringLiteral("No Such Face 1x"));
    // A stand-in that is itself missing is passed over for the next.
    QFont::insertSubstitutions(QStringLiteral("No Such Face 2x"),
                               {QStringLiteral("No Such Face 3x"), QStringLiteral("dejavu serif")});
    QCOMPARE(platform::installedFamily(QStringLiteral("No Such Face 2x")), QStringLiteral("DejaVu Serif"));
  }

  // Glyphs are drawn ahead for any font and any characters: none, ones the
  // font lacks, a font of a huge or a tiny size, a family that is missing.
  void glyphsRenderedAheadForAnyFont() {
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(3000);
    QFont tiny(QStringLiteral("DejaVu Sans"));
    tiny.setPixelSize(1);
    for (const QFont& font : {QFont(QStringLiteral("DejaVu Sans")), big, tiny,
                              QFont(QStringLiteral("No Such Face 1x"))}) {
      platform::renderGlyphsAhead(font, QString());
      platform::renderGlyphsAhead(font, QStringLiteral("AbC 019 ~"));
      platform::renderGlyphsAhead(font, QString::fromUtf8("\u4e2d\u6587 \U0001F319 \u0301"));
    }
    // Text in the font is laid out and painted as usual afterwards.
    QLabel label(QStringLiteral("AbC 019"));
    label.setFont(QFont(QStringLiteral("DejaVu Sans")));
    QVERIFY(!label.grab().isNull());
  }

  // The generator's values lie on a 2^-24 grid in [0, 1), so Int(n * r)
  // never reaches n.
  void generatorStaysBelowOne() {
    platform::Lcg24 g(1);
    for (int i = 0; i < 100000; ++i) {
      const double r = g.next();
      QVERIFY(r >= 0.0 && r < 1.0);
      QCOMPARE(double(qint64(r * (1 << 24))), r * (1 << 24));
      QVERIFY(platform::vb::Int(78 * r) < 78);
    }
  }
};

AURAVANE_TEST_MAIN(TestPlatform)
#include "test_platform.moc"
