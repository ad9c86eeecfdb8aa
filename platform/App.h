#pragma once

class QApplication;

namespace platform {

// Memory the program frees goes back to the system instead of staying with
// the allocator: large blocks (pictures, documents) get pages of their own,
// returned as soon as they are freed, whatever sizes came before. Call
// first thing in main, before anything is allocated.
void returnFreedMemory();

// Program-wide set-up of the application object, once its name is set:
// display name, font fall-backs (Verdana to DejaVu Sans, Arial Black to
// DejaVu Sans Bold), the services that need windows.
void initApplication(QApplication& app);

}  // namespace platform
