#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Consulta;

// The formula library on the ReferenceDb. While it is closed every read is empty and nothing is
// written. Engine failures raise ErrorBD unless said otherwise.
namespace formulas {

// Text of the category entry that stands for formulas without a category (null or empty).
inline const QString kSinCategoria = QStringLiteral("(Sin categoría)");

struct EntradaLista {
    int id = 0;
    QString nombre;
};

struct Detalle {
    QString nombre, subtitulo, tipo, dilucion, instrucciones, uso, notas;
};

// One grid row: a part's title row, or an ingredient line.
struct FilaIngrediente {
    bool titulo = false;
    QString parte, quimica, cantidad, unidad;
};

// The Spanish column of the current row, or the fallback when it is missing, null or empty.
QString CampoES(const Consulta& registro, const QString& columna, const QString& respaldo);
bool ExisteCampo(const QString& tabla, const QString& columna);

// The categories in order; formulas without one are gathered under kSinCategoria, listed last.
QStringList CargarCategorias();
// categoria: nothing for every category; an empty text for formulas without one.
// A filter the engine would reject as a pattern (an unclosed "[") lists nothing.
std::vector<EntradaLista> CargarLista(const QString& filtro, const std::optional<QString>& categoria,
                                      bool modoES);
// Nothing for id 0 or an id no longer stored.
std::optional<Detalle> MostrarFormula(int id, bool modoES);
// A failure part-way keeps the rows read so far and raises nothing.
std::vector<FilaIngrediente> CargarIngredientes(int id, bool modoES);
// Empty when null, missing or unreadable.
QString CargarMisNotas(int id);
// An empty text is stored as an empty text, never as null.
void GuardarMisNotas(int id, const QString& texto);

} // namespace formulas
