#pragma once

class QAbstractScrollArea;

// Mouse-wheel scrolling of a grid: each whole notch of wheel angle (120) scrolls the system's
// wheel-scroll lines (3 when it cannot say, or says 0 or less), or a page when the system says
// one page per notch (-1). One grid is hooked at a time: hooking another releases the first, and
// SoltarRueda releases whichever is hooked. A grid without the hook keeps the toolkit's own wheel
// scrolling, and a destroyed grid releases itself.
void EngancharRueda(QAbstractScrollArea* grid);
void SoltarRueda();

// The grid hooked now, or null.
QAbstractScrollArea* GridEnganchado();

// Wheel angle in eighths of a degree: one notch of a plain wheel is 120. High-resolution wheels
// and touchpads send smaller steps, which add up to whole notches before anything scrolls.
inline constexpr int kDeltaMuesca = 120;
class AcumuladorRueda {
public:
    // Whole notches now complete (signed: positive is up); the rest waits for the next events.
    int Muescas(int delta);

private:
    int resto_ = 0;
};

// What one wheel event of delta does to the grid, given the system's wheel-scroll lines.
inline constexpr int kPaginaPorMuesca = -1;
void DesplazarPorRueda(QAbstractScrollArea* grid, int delta, int lineas);
