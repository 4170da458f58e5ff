#pragma once

#include <QRect>
#include <optional>

// Geometry of the two search windows, in twips (rectangles as left, top, width, height).

// What both windows place: the mode title, the list, the picture and the grid.
struct DisposicionComun {
    QRect lblModo, lstItems, picImagen, grdTiempos;
};

// Client area W x H; T = height of the search panel + 60.
struct DisposicionTiempos : DisposicionComun {
    QRect picNotas, chkInfoTecnica;
    int anchoNotas = 0, anchoNotaPersonal = 0;
};
DisposicionTiempos DisponerTiempos(int W, int H, int T);

// The notes box's save button beside the personal note box (given inside the notes panel).
QRect DisponerBotonNota(const QRect& notaPersonal);

DisposicionComun DisponerDiscont(int W, int H, int T);
