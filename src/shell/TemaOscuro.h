#pragma once

// The darkroom mode of the whole program: red on black for every window, menu, status line and
// dialog, so that an eye adapted to the dark keeps its adaptation. It is set on the application,
// so windows and dialogs opened later take it too; turned off, the program looks as before.
void AplicarModoOscuro(bool si);
bool ModoOscuroActivo();

class QPixmap;
// A picture in the mode's red: its brightness kept as shades of red, its transparency as it was.
QPixmap EnRojoOscuro(const QPixmap& imagen);
