#include "devtimes/Disposicion.h"

#include "shell/Numeros.h"

#include <algorithm>

namespace {
constexpr int kMinimo = 600;
constexpr int kAnchoLista = 3000;
} // namespace

DisposicionTiempos DisponerTiempos(int W, int H, int T) {
    const int GH = std::max(kMinimo, std::max(kMinimo, H - T - 60) - 3000 - 120);
    const int GW = std::max(kMinimo, W - kAnchoLista - 360);
    DisposicionTiempos d;
    d.lblModo = QRect(120, T + 150, kAnchoLista, 330);
    d.lstItems = QRect(120, T + 480, kAnchoLista, GH - 480);
    d.picImagen = QRect(120, T + GH + 120, kAnchoLista, 3000);
    d.grdTiempos = QRect(3240, T, GW, GH);
    d.picNotas = QRect(3240, T + GH + 120, GW, 2655);
    d.anchoNotas = GW - 1080;
    d.anchoNotaPersonal = GW - 1920;
    d.chkInfoTecnica = QRect(3240, T + GH + 2805, GW, 315);
    return d;
}

QRect DisponerBotonNota(const QRect& notaPersonal) {
    return QRect(notaPersonal.width() + 1080, notaPersonal.top(), 720,
                 std::max(270, RedondearEntero(notaPersonal.height() / 3.0 * 1.6)));
}

DisposicionComun DisponerDiscont(int W, int H, int T) {
    const int A = std::max(kMinimo, H - T - 60);
    const int L = std::max(kMinimo, A - 3120);
    const int GW = std::max(kMinimo, W - 3360);
    DisposicionComun d;
    d.lblModo = QRect(120, T + 150, kAnchoLista, 330);
    d.lstItems = QRect(120, T + 480, kAnchoLista, L - 480);
    d.picImagen = QRect(120, T + L + 120, kAnchoLista, 3000);
    d.grdTiempos = QRect(3240, T, GW, A);
    return d;
}
