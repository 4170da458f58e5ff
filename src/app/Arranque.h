#pragma once

class frmMDI;

// Loads the main window as the program starts. When a database cannot be opened it says why
// through the dialogs, closes whatever it had opened and returns false: the program ends. A
// database the engine could open only for reading is reported, and the program goes on.
bool Arrancar(frmMDI& principal);
