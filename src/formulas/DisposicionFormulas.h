#pragma once

#include <QRect>

namespace formulas {

// Geometry of the formula window, in twips (rectangles as left, top, width, height): the search
// panel, the list and the detail in the client area, the rest inside the detail.
struct DisposicionFormulas {
    QRect picPanel, lstFormulas, picDetalle;
    QRect lblNombre, lblSubtitulo, lblTipoBadge;
    // The ingredients: heading, scale, volume to mix and its unit above the grid.
    QRect lblSecIngr, lblEscala, lblPreparar, txtVolumen, cboUnidadVolumen, grdIngredientes;
    QRect lblUsoLbl, txtUso, lblSecInfo, lblDilLbl, lblDilucion;
    QRect lblMisNotasLbl, txtMisNotas, btnGuardarMisNotas;
    // Right of the grid.
    QRect lblNotasLbl, txtNotas, lblInsLbl, txtInstrucciones;
};

// Client area W x H; columnas: the widths of the grid's columns together, as the user left them.
// The grid takes them and a margin, no wider than the detail.
DisposicionFormulas DisponerFormulas(int W, int H, int columnas);

} // namespace formulas
