#pragma once
#include <QTextCharFormat>
#include <QTextEdit>
#include <QUrl>

namespace platform {

// A rich-text box driven through its selection, the way the report writers
// work: set the insertion point, switch bold or underline on, write text.
//
// Text uses CR LF line breaks, and positions count a line break as two
// characters, so SelStart = Text().size() is the end of the text.
class RichTextBox : public QTextEdit {
  Q_OBJECT
 public:
  explicit RichTextBox(QWidget* parent = nullptr);

  QString Text() const;
  // Text().size(), without making the text.
  int TextLength() const;
  void setText(const QString& text);  // plain text; formats reset

  int SelStart() const;
  void setSelStart(int pos);  // also empties the selection
  int SelLength() const;
  void setSelLength(int len);
  QString SelText() const;
  // Replaces the selection with text in the current format; the insertion
  // point ends after it.
  void setSelText(const QString& text);

  bool SelBold() const;
  void setSelBold(bool on);
  bool SelUnderline() const;
  void setSelUnderline(bool on);
  QColor SelColor() const;
  void setSelColor(const QColor& c);
  // 0 left, 1 right, 2 centre; applies to the paragraphs of the selection.
  int SelAlignment() const;
  void setSelAlignment(int a);

  // Append text at the end in the current format (SelStart = end, SelText).
  void append(const QString& text);

  // Everything written between beginWrite and endWrite is one edit: the
  // document is laid out, and the view brought to the insertion point, once
  // at the end instead of after every piece. Pairs nest; the outermost
  // endWrite ends the edit. Nothing may let events run in between.
  void beginWrite();
  void endWrite();
  // A write for the lifetime of a scope.
  class Writing {
   public:
    explicit Writing(RichTextBox* box) : box_(box) { box_->beginWrite(); }
    ~Writing() { box_->endWrite(); }
    Writing(const Writing&) = delete;
    Writing& operator=(const Writing&) = delete;

   private:
    RichTextBox* box_;
  };

  // Print the selection on the default printer, or the whole text when
  // nothing is selected. False when there is no printer.
  bool printSelection() const;

  // Web addresses in the text (http://, https://, www.) are shown underlined
  // and coloured, for display only: the text and its formats stay as written.
  // A left press on one emits urlClicked with the address's text and still
  // reaches the box. The marks are brought up to date lazily (before the box
  // paints or looks up a press), so a long report written piece by piece is
  // not rescanned on every insert, and only the changed lines are scanned.
  void setUrlDetect(bool on);
  bool urlDetect() const { return urlDetect_; }
  struct UrlSpan {
    int start;     // position in Text()
    QString text;  // the address as it stands in the text
  };
  // The detected addresses, in text order.
  QList<UrlSpan> urlSpans() const;
  // The address under a point of the viewport, or an empty string.
  QString urlAt(const QPoint& viewportPos) const;

  // Position conversions between the CR LF text and the document.
  int toDocPos(int vbPos) const;
  int toVbPos(int docPos) const;

 signals:
  void urlClicked(const QString& address);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  // Web addresses are marked before painting. A line that holds nothing but underlined spaces is a rule: it is drawn
  // as a line across the box, where the text layout would draw nothing
  // (spaces at a line's end take no room and get no underline).
  void paintEvent(QPaintEvent* e) override;

 private:
  // The insertion point in force: the write's own while one is open, else
  // the box's.
  QTextCursor insertionCursor() const;
  void placeCursor(const QTextCursor& c);
  void noteChange(int position, int removed, int added);
  void updateUrlMarks() const;
  void showHand(bool on);
  QTextCharFormat insertFormat_;
  int alignment_ = 0;
  bool urlDetect_ = false;
  // Detected addresses, in document order; their cursors follow edits.
  mutable QList<QTextEdit::ExtraSelection> urlMarks_;
  // Document range changed since the marks were last brought up to date.
  mutable bool marksStale_ = false;
  int staleFrom_ = 0;
  int staleTo_ = 0;
  int writeDepth_ = 0;
  QTextCursor writeCursor_;
  // The vertical bar is held in sight by the open write (see beginWrite).
  bool barHeld_ = false;
  bool handShown_ = false;
  QCursor cursorBeforeHand_;
};

// The address a clicked link opens: an http or https address as it stands,
// a www address with "http://" in front. Anything else (another scheme, a
// malformed address) gives an empty QUrl and opens nothing.
QUrl webAddressToOpen(const QString& linkText);

// A colour given as 0x00BBGGRR.
QColor vbColor(quint32 bgr);

}  // namespace platform
