#pragma once

class QAbstractScrollArea;

// Mouse-wheel scrolling of a grid: each notch (|delta| / 120, at least 1) scrolls the system's
// wheel-scroll lines (3 when it cannot say, or says 0 or less), or a page when the system says
// one page per notch (-1). One grid is hooked at a time: hooking another releases the first, and
// SoltarRueda releases whichever is hooked. A grid without the hook keeps the toolkit's own wheel
// scrolling, and a destroyed grid releases itself.
void EngancharRueda(QAbstractScrollArea* grid);
void SoltarRueda();

// The grid hooked now, or null.
QAbstractScrollArea* GridEnganchado();

// What one wheel event of delta does to the grid, given the system's wheel-scroll lines.
inline constexpr int kPaginaPorMuesca = -1;
void DesplazarPorRueda(QAbstractScrollArea* grid, int delta, int lineas);
