#pragma once

#include "shell/AlmacenDatos.h"

#include "soporte/CarpetaPruebas.h"

#include <QVariant>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& texto, std::ostream* os) {
    *os << '"' << texto.toStdString() << '"';
}

// Formula rows written straight into the fixture ReferenceDb; null stands for a missing value.
namespace fixture {

struct Formula {
    int id;
    QString nombre;
    QVariant nombreES = {};
    QVariant categoria = QStringLiteral("Reveladores");
    QVariant tipo = QStringLiteral("Film developer");
    QVariant tipoES = QStringLiteral("Revelador de película");
};

inline void Insertar(const Formula& f) {
    ReferenceDb()->Insertar("Formulas", {{"IdFormula", f.id},
                                         {"Nombre", f.nombre},
                                         {"NombreES", f.nombreES},
                                         {"CategoriaES", f.categoria},
                                         {"Subtitulo", QString(f.nombre + " subtitle")},
                                         {"SubtituloES", QString("Subtítulo de " + f.nombre)},
                                         {"Tipo", f.tipo},
                                         {"TipoES", f.tipoES},
                                         {"DilucionES", "1+1"},
                                         {"Instrucciones", "Dissolve in order."},
                                         {"InstruccionesES", "Disolver en orden."},
                                         {"Uso", "General use."},
                                         {"UsoES", QString()},
                                         {"Notas", "Reference note."},
                                         {"NotasES", QVariant()}});
}

inline void Ingrediente(int formula, int parte, const QVariant& titulo, const QVariant& tituloES, int orden,
                        const QString& quimica, const QVariant& quimicaES, const QVariant& cantidad,
                        const QString& unidad) {
    ReferenceDb()->Insertar("Ingredientes", {{"IdFormula", formula},
                                             {"NumeroParte", parte},
                                             {"TituloParte", titulo},
                                             {"TituloParteES", tituloES},
                                             {"Orden", orden},
                                             {"Quimica", quimica},
                                             {"QuimicaES", quimicaES},
                                             {"Cantidad", cantidad},
                                             {"Unidad", unidad}});
}

// A two-part formula: part 1 "Solution A" with two lines, part 2 "Solution B" with one line given
// out of order and one without a Spanish title.
inline void DosPartes(int id, const QString& nombre) {
    Insertar({id, nombre, QString(nombre + " ES")});
    Ingrediente(id, 2, "Solution B", QVariant(), 2, "Water to make", "Agua hasta", "1.0", "l");
    Ingrediente(id, 1, "Solution A", "Solución A", 1, "Metol", "Metol", "10.0", "g");
    Ingrediente(id, 1, "Solution A", "Solución A", 2, "Water to make", "Agua hasta", "1.0", "l");
    Ingrediente(id, 2, "Solution B", QVariant(), 1, "Sodium carbonate", "", "50.0", "g");
}

} // namespace fixture
