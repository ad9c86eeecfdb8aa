#pragma once
#include <QString>

namespace platform {
class RichTextBox;
}

// What the modes may touch of the main window: the welcome panel, the
// querent strip with its fields, the report box and its panel, and showing
// the window. Each call reaches the main window as it is (also while it
// closes) and loads it when it is not loaded.
namespace shell::mainface {

// The main window is loaded and not closing.
bool isOpen();
// Show or hide the welcome panel (the panel with the mode captions).
void setWelcomeVisible(bool visible);
// The same, but only while the main window is loaded or closing: it is
// never loaded for this.
void setWelcomeVisibleWhilePresent(bool visible);
// Show or hide the querent strip (name, date of birth, country, question,
// Save and Print).
void setQuerentStripVisible(bool visible);
// Makes the strip's controls ahead of the first reading that shows it
// (otherwise they are made then); nothing while the main window is not
// loaded.
void prepareQuerentStrip();
// Renders the report's glyphs ahead (platform::renderGlyphsAhead): the
// printable characters, plain and bold, in the report's font.
void prepareReport();

// The querent's details as the strip shows them; all empty clears it.
struct Querent {
  QString name;
  QString dateOfBirth;
  QString country;
  QString question;
};
void setQuerent(const Querent& querent);

// The report box every tarot reading is written into.
platform::RichTextBox* reportBox();
// Shows the report panel with the report box fitted between the strips.
void showReportPanel();
// Shows the report from its beginning, scrolled to the top.
void showReportBeginning();
// Puts the focus on the strip's Save button: after a reading Save is next.
void focusSave();
// Shows the main window.
void show();

}  // namespace shell::mainface
