#pragma once
#include <QColor>

#include "numerology/NumberCatalogue.h"
#include "platform/RichTextBox.h"

class QMimeData;

namespace numerology {

// Appends the pieces at the end of the box's text, each with its bold and
// colour, one insertion after another; bold is off afterwards.
void appendPieces(platform::RichTextBox* box, const ReportPieces& pieces);

// A numerology report box. Whatever it puts on the clipboard is marked as
// the program's own, so that clearOwnClipboard can tell it from text that
// another program placed there.
class ReportBox : public platform::RichTextBox {
  Q_OBJECT
 public:
  explicit ReportBox(QWidget* parent = nullptr);

 protected:
  QMimeData* createMimeDataFromSelection() const override;
};

// Empties the clipboard when what it holds was put there by this program;
// text another program placed there stays.
void clearOwnClipboard();

}  // namespace numerology
