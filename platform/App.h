#pragma once

class QApplication;

namespace platform {

// Program-wide set-up of the application object: names, font fall-backs
// (Verdana to DejaVu Sans, Arial Black to DejaVu Sans Bold).
void initApplication(QApplication& app);

}  // namespace platform
