#pragma once

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

}  // namespace platform
