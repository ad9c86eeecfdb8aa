#include "shell/frmMDI.h"

// Save and Print of the tarot reading on the board. The querent strip that
// holds the two buttons only shows while a reading is laid out.
void frmMDI::cmdSave_Click() {}
void frmMDI::cmdPrint_Click() {}
