#include "calculators/ControlesCalc.h"
#include "shell/Tema.h"

#include "shell/Numeros.h"

QLabel* CrearEtiqueta(QWidget* padre, const char* nombre, const QString& texto, double izquierda,
                      double arriba, double ancho, double alto) {
    auto* etiqueta = CrearControl<QLabel>(padre, nombre, izquierda, arriba, ancho, alto);
    etiqueta->setText(texto);
    etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (ancho <= 0) {
        etiqueta->adjustSize();
        etiqueta->move(TwipsAPixeles(izquierda), TwipsAPixeles(arriba));
    }
    return etiqueta;
}

QFont FuenteVentanaCalc() {
    return Fuente(Tema::FaceInterfaz, 8);
}
