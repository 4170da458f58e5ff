#include "formulas/DisposicionFormulas.h"

#include <algorithm>

namespace formulas {

namespace {
constexpr int kAltoPanel = 600;
constexpr int kMinimo = 600;
constexpr int kIzquierdaDetalle = 3360;
constexpr int kAnchoDetalleMinimo = 2000;
constexpr int kGridArriba = 1080;
constexpr int kAltoGrid = 4590;
constexpr int kAltoFila = 270; // a caption's line
constexpr int kAltoCampo = 315;
constexpr int kAnchoBoton = 1800;
// The heading "Ingredientes" as it is placed: 87 pixels.
constexpr int kAnchoSecIngr = 1305;
} // namespace

DisposicionFormulas DisponerFormulas(int W, int H, int columnas) {
    DisposicionFormulas d;
    d.picPanel = QRect(0, 0, W, kAltoPanel);
    const int arriba = kAltoPanel + 60;
    const int altoLista = std::max(kMinimo, H - arriba - 60);
    d.lstFormulas = QRect(120, arriba, 3120, altoLista);
    const int anchoDetalle = std::max(kAnchoDetalleMinimo, W - kIzquierdaDetalle - 120);
    d.picDetalle = QRect(kIzquierdaDetalle, arriba, anchoDetalle, altoLista);
    // D: the width the detail's texts take; the notes line below reaches the detail's minimum.
    const int D = anchoDetalle - 120;
    const int E = std::max(kAnchoDetalleMinimo, D);

    d.lblNombre = QRect(0, 30, D, 420);
    d.lblSubtitulo = QRect(0, 465, std::max(0, D - 2600), 285);
    d.lblTipoBadge = QRect(D - 2400, 465, 2400, 285);

    // The volume to mix is right-aligned to the grid; the scale fills the line up to it.
    const int anchoGrid = std::min(columnas + 200, D);
    d.grdIngredientes = QRect(0, kGridArriba, anchoGrid, kAltoGrid);
    d.cboUnidadVolumen = QRect(anchoGrid - 780, 750, 780, kAltoCampo);
    d.txtVolumen = QRect(d.cboUnidadVolumen.left() - 60 - 660, 750, 660, kAltoCampo);
    d.lblPreparar = QRect(d.txtVolumen.left() - 60 - 780, 780, 780, kAltoFila);
    d.lblSecIngr = QRect(0, 780, kAnchoSecIngr, kAltoFila);
    const int izquierdaEscala = kAnchoSecIngr + 80;
    d.lblEscala =
        QRect(izquierdaEscala, 780, std::max(0, d.lblPreparar.left() - 120 - izquierdaEscala), kAltoFila);

    int y = kGridArriba + kAltoGrid + 300;
    d.lblUsoLbl = QRect(0, y, 1200, kAltoFila);
    y += kAltoFila;
    d.txtUso = QRect(0, y, D, 600);
    y += d.txtUso.height() + 300;
    d.lblSecInfo = QRect(0, y, 1500, kAltoFila);
    y += 300;
    d.lblDilLbl = QRect(0, y, 840, 285);
    const int izquierdaDil = d.lblDilLbl.width() + 60;
    d.lblDilucion = QRect(izquierdaDil, y, D - izquierdaDil, kAltoCampo);
    y += kAltoCampo + 300;
    d.lblMisNotasLbl = QRect(0, y, 1500, 255);
    y += d.lblMisNotasLbl.height() + 60;
    const int anchoMisNotas = E - kAnchoBoton - 120;
    d.txtMisNotas = QRect(0, y, anchoMisNotas, 900);
    d.btnGuardarMisNotas = QRect(anchoMisNotas + 120, y, kAnchoBoton, 420);

    const int X = anchoGrid + 240;
    const int anchoDerecha = std::max(1500, D - X);
    d.lblNotasLbl = QRect(X, kGridArriba - 300, 1500, kAltoFila);
    d.txtNotas = QRect(X, kGridArriba, anchoDerecha, 1500);
    d.lblInsLbl = QRect(X, kGridArriba + d.txtNotas.height() + 180, 1500, kAltoFila);
    d.txtInstrucciones = QRect(X, d.lblInsLbl.top() + 270, anchoDerecha, 2640);
    return d;
}

} // namespace formulas
