#pragma once
#include <QString>

// Texts the mode's two windows share.
namespace tarotnumerology {
// The input form's paragraph about the program.
QString formParagraph();
// The promotional frame's two invitations.
QString coBrandText();
QString fullBrandText();
// Why a name without a letter A to Z is refused.
QString noLetterMessage();
}  // namespace tarotnumerology
