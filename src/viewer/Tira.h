#pragma once

#include <QLine>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

// The thumbnail strip of the image viewer: what it lists and where things go, in twips.

inline constexpr int kMaxImagenes = 501;
inline constexpr int kPasoRanura = 1480; // from one slot to the next
inline constexpr int kAnchoCaja = 1360;  // the box a thumbnail fits in
inline constexpr int kAltoCaja = 1020;

// The pictures of a folder (a path ending in the separator): ".jpg", ".jpeg", ".png", ".bmp" and
// ".webp" files in that order of types, each type in name order, extensions in any case; at most
// kMaxImagenes. Paths keep the bytes of names that are not UTF-8 (RutaDeBytes).
QStringList ListarImagenes(const QString& carpeta);

// Slots that fit in a strip of that width in twips (the outer width when the inner one is not
// known yet; 5 when neither is), at least 1.
int CalcularVisibles(int anchoInterior, int anchoExterior);
// The box of the slot, the strip being altoTira high.
QRect CajaRanura(int ranura, int altoTira);
// The file under a pointer at x twips, the first slot showing file `primero`; never below 0.
int IndiceBajo(double x, int primero);
// Where a picture of that size in twips goes in the box: fitted, centred, enlarged when small.
// Empty when the picture has no size.
QRect SituarEnCaja(const QRect& caja, int anchoImagen, int altoImagen);
// The lines that mark where a picture placed at `imagen` leaves a gap inside `caja`.
std::vector<QLine> BordesHueco(const QRect& caja, const QRect& imagen);

// Tells a second click on the same thumbnail within 500 ms (open it) from a click that selects.
// Times come from a monotonic millisecond clock.
class ReglaClics {
public:
    enum class Accion { Seleccionar, Abrir };
    Accion Clic(int indice, qint64 ahoraMs);
    void Olvidar() { ultimo_ = -1; }

private:
    int ultimo_ = -1;
    qint64 momento_ = 0;
};
