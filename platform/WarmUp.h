#pragma once

class QFont;
class QString;

namespace platform {

// Reads, on a thread of its own, the system tables that the first window
// needs and that take long to read: the font configuration (every font
// listed) and the list of image format plugins (each plugin's description
// read from its file). The first window is built meanwhile; whatever needs
// them waits only for what is left. Call once the font substitutions are in
// place and before the first window is made. A program that ends at once
// still lets the thread finish first.
void warmUpInBackground();

// Starts reading the system's font configuration (its files and the font
// caches) on a thread of its own, before the application object exists:
// that is the longest part of listing the fonts, and the application's own
// start (the display connection) takes longer still. Call first thing in
// main; warmUpInBackground waits for it.
void readFontConfigurationEarly();

// Starts connecting to the session bus on a thread of its own, before the
// application object exists. The accessibility bridge, which the first
// control sets up, needs that connection and waits for it; where the
// session names no bus, the bus library first runs a helper program to look
// for one, and the window's thread would stand still meanwhile. Made here,
// the connection is ready or nearly so by then. Call in main, from the
// thread that makes the application, once the allocator is set up.
void connectSessionBusEarly();

// Draws the characters in the font, each at every quarter pixel across, on
// a picture that is then dropped, and measures them: the font keeps the
// glyphs it renders, so text of these characters is later laid out and
// painted without rendering any. Text lands on quarter pixels, and the
// font keeps a glyph for each. For idle time on the GUI thread, before a
// window shows much new text at once; a second call finds the glyphs
// there and costs little.
void renderGlyphsAhead(const QFont& font, const QString& characters);

}  // namespace platform
