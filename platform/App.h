#pragma once

class QApplication;
class QString;

namespace platform {

// Sets the allocator up for a program that reads and drops many
// card-sized pictures: they reuse the heap's freed space instead of
// getting fresh pages each time, and the program's size stays steady over
// a long session. Call first thing in main, before anything is allocated.
void setUpAllocator();

// Program-wide set-up of the application object, once its name is set:
// display name, font fall-backs (Verdana to DejaVu Sans, Arial Black to
// DejaVu Sans Bold), the services that need windows, the program's style,
// and the bridge to the system's accessibility services.
void initApplication(QApplication& app);

// The family to name in a font the program makes: the family asked for
// when it is installed, otherwise the installed family that stands in for
// it (see initApplication). A missing family sends the font system through
// a search of every installed font for each new font made from it; naming
// the stand-in outright gives the same face without the search. Known
// answers are kept for the run; any thread may ask.
QString installedFamily(const QString& family);

}  // namespace platform
