#include "tarot/frmTarotFront.h"

// "&Open Previous Record": reading a saved reading file back into the
// opened-reading fields and having the board lay it out comes with the
// saved-reading support, which fills in this handler. Until then the button
// is there and a click on it does nothing.
void frmTarotFront::cmdOpen_Click() {}
