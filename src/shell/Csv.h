#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <limits>
#include <optional>
#include <vector>

// The program's CSV files (the data set, the user's exported data): UTF-8, a header row, comma
// separated, RFC 4180 quoting. An unquoted empty field is Null; a quoted empty field ("") is an
// empty text.
using ValorCsv = std::optional<QString>;

struct FilaCsv {
    int linea = 0; // where the row starts in the file, from 1
    std::vector<ValorCsv> campos;
};

struct TablaCsv {
    QString archivo; // file name, for messages
    QStringList cabecera;
    std::vector<FilaCsv> filas;

    // Index of a header column; -1 when absent.
    int Columna(const QString& nombre) const { return int(cabecera.indexOf(nombre)); }
    // The value of a column in a row; Null when the column is absent.
    ValorCsv Valor(const FilaCsv& fila, const QString& nombre) const;
};

// Bounds checked while the text is read, so that a small file of many empty fields or rows is
// refused before it fills the memory. The defaults fit the data set.
struct LimitesCsv {
    qsizetype filas = std::numeric_limits<qsizetype>::max();      // rows after the header
    int campos = 1024;                                            // fields of the header
    qsizetype largoCampo = std::numeric_limits<qsizetype>::max(); // bytes of one field
};

// Reads the text row by row: the header first (at construction), then one checked row at a time.
// Malformed text raises ErrorBD with "archivo, línea N: motivo". Line breaks inside a quoted field
// become "\n" unless conservarFines keeps them as written ("\r\n" in an RTF body).
class LectorCsv {
public:
    LectorCsv(QByteArrayView texto, const QString& archivo, bool conservarFines = false,
              const LimitesCsv& limites = {});
    const QStringList& Cabecera() const { return cabecera_; }
    // The next row, with as many fields as the header; false at the end of the text.
    bool Siguiente(FilaCsv& fila);
    // Bytes read so far, for progress.
    qsizetype Leidos() const { return p_; }

private:
    bool Registro(FilaCsv& fila, int maximo);
    ValorCsv Campo(int inicio);
    ValorCsv Decodificar(QByteArrayView bytes, bool ascii, int inicio) const;
    void SaltarFinLinea();

    QByteArrayView t_;
    QString archivo_;
    bool conservarFines_;
    LimitesCsv limites_;
    QStringList cabecera_;
    qsizetype p_ = 0;
    qsizetype filas_ = 0;
    int linea_ = 1;
};

TablaCsv AnalizarCsv(const QByteArray& texto, const QString& archivo, bool conservarFines = false,
                     const LimitesCsv& limites = {});
TablaCsv LeerCsv(const QString& ruta);

// "archivo, línea N: motivo", the one form of every data-set error.
QString UbicarError(const QString& archivo, int linea, const QString& motivo);

// The text of a CSV file that AnalizarCsv reads back as it was: UTF-8, CR LF, a field quoted when
// it holds a comma, a quote or a line break, or is an empty text (Null stays unquoted and empty).
QByteArray EscribirCsv(const QStringList& cabecera, const std::vector<std::vector<ValorCsv>>& filas);
