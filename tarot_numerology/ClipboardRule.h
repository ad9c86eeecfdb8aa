#pragma once
#include <QObject>
#include <QPlainTextEdit>

#include "platform/RichTextBox.h"

class QMimeData;

// The result window empties the clipboard whenever its text boxes are
// touched, but only of what this program put there: a text copied out of one
// of its boxes is gone at the next touch, while whatever another program
// placed on the clipboard stays.
namespace tnclipboard {

// Marks data as copied out of this program.
void markOwn(QMimeData* data);
// Empties the clipboard when it holds data this program put there.
void clearIfOwn();
// Runs clearIfOwn on every change, click, press, release and mouse move of a
// box; for a report box, the changes of one writing are answered once, when
// the writing is done.
void guard(QPlainTextEdit* box);
void guard(QTextEdit* box);

// A read-only multi-line box whose copies carry the program's mark.
class MarkedTextBox : public QPlainTextEdit {
 public:
  explicit MarkedTextBox(QWidget* parent = nullptr);
 protected:
  QMimeData* createMimeDataFromSelection() const override;
};

// A report box whose copies carry the program's mark.
class MarkedRichTextBox : public platform::RichTextBox {
 public:
  explicit MarkedRichTextBox(QWidget* parent = nullptr);
 protected:
  QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace tnclipboard
