#pragma once

class QApplication;

namespace platform {

// Program-wide set-up of the application object, once its name is set:
// display name, font fall-backs (Verdana to DejaVu Sans, Arial Black to
// DejaVu Sans Bold), the services that need windows.
void initApplication(QApplication& app);

}  // namespace platform
