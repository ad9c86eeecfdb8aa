#pragma once
#include <QTextCharFormat>
#include <QTextEdit>

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

  // Print the selection on the default printer, or the whole text when
  // nothing is selected. False when there is no printer.
  bool printSelection() const;

  // Web addresses in the text are shown underlined and open on a left press.
  void setUrlDetect(bool on);
  bool urlDetect() const { return urlDetect_; }

  // Position conversions between the CR LF text and the document.
  int toDocPos(int vbPos) const;
  int toVbPos(int docPos) const;

 signals:
  void urlClicked(const QString& address);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  // A line that holds nothing but underlined spaces is a rule: it is drawn
  // as a line across the box, where the text layout would draw nothing
  // (spaces at a line's end take no room and get no underline).
  void paintEvent(QPaintEvent* e) override;

 private:
  void refreshUrlMarks();
  QString urlAt(const QPoint& viewportPos) const;
  QTextCharFormat insertFormat_;
  int alignment_ = 0;
  bool urlDetect_ = false;
};

// A colour given as 0x00BBGGRR.
QColor vbColor(quint32 bgr);

}  // namespace platform
