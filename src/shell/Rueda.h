#pragma once

class QAbstractScrollArea;

// Mouse-wheel scrolling of a grid: each notch (|delta| / 120, at least 1) scrolls the system's
// wheel-scroll lines (3 when it cannot say), or a page when the system says one page per notch.
void EngancharRueda(QAbstractScrollArea* grid);
void SoltarRueda();
