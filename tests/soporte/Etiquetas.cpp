#include "soporte/Etiquetas.h"

#include <QFontMetrics>
#include <QLabel>

bool MuestraTalCual(const QLabel* etiqueta) {
    return etiqueta->sizeHint().width() >= QFontMetrics(etiqueta->font()).horizontalAdvance(etiqueta->text());
}
