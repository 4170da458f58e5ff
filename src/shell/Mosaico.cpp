#include "shell/Mosaico.h"

#include <cmath>

std::vector<QRect> MosaicoHorizontal(int n, QSize area) {
    std::vector<QRect> lugares;
    if (n <= 0)
        return lugares;
    const int columnas = int(std::sqrt(double(n)));
    int filas = n / columnas;
    const int ancho = area.width() / columnas;
    for (int c = 0; c < columnas; ++c) {
        if (c == columnas - 1)
            filas = n - int(lugares.size());
        const int alto = area.height() / filas;
        for (int f = 0; f < filas; ++f)
            lugares.emplace_back(c * ancho, f * alto, ancho, alto);
    }
    return lugares;
}
