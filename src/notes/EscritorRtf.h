#pragma once

#include <QString>

class QTextDocument;

// The document as 7-bit RTF that word processors open: a font table of the faces used, a colour
// table, sizes in half points, characters beyond ASCII as \uN?.
QString EscribirRtf(const QTextDocument& documento);
