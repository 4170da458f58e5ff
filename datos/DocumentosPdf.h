#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A table printed in a PDF: a title row and text rows, paginated on A4.
struct TablaPdf {
    QString titulo;
    QStringList columnas;
    std::vector<int> anchos; // relative widths of the columns
    std::vector<QStringList> filas;
};

// Writes a PDF with a heading, an introduction and tables. Failure: ErrorBD.
void EscribirPdf(const QString& ruta, const QString& titulo, const QString& introduccion,
                 const std::vector<TablaPdf>& tablas);

// The temperature-compensation chart: a table of times and a graph of the factor.
void EscribirCompensacionPdf(const QString& ruta);
