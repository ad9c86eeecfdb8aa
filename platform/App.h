#pragma once

class QApplication;

namespace platform {

// Sets the allocator up for a program that reads and drops many
// card-sized pictures: they reuse the heap's freed space instead of
// getting fresh pages each time, and the program's size stays steady over
// a long session. Call first thing in main, before anything is allocated.
void setUpAllocator();

// Program-wide set-up of the application object, once its name is set:
// display name, font fall-backs (Verdana to DejaVu Sans, Arial Black to
// DejaVu Sans Bold), the services that need windows, the program's style.
void initApplication(QApplication& app);

}  // namespace platform
