#pragma once
#include <QString>

// Texts and helpers the mode's two windows share.
namespace tarotnumerology {
// The input form's paragraph about the program.
QString formParagraph();
// The promotional frame's co-brand invitation.
QString coBrandText();
// Why a name without a letter A to Z is refused.
QString noLetterMessage();
// Shows or hides the main window's welcome panel; nothing when the main
// window is gone.
void setWelcomePanelVisible(bool visible);
}  // namespace tarotnumerology
