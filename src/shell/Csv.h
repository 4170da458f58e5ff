#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
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

// Malformed text raises ErrorBD with "archivo, línea N: motivo". Line breaks inside a quoted field
// become "\n" unless conservarFines keeps them as written ("\r\n" in an RTF body).
TablaCsv AnalizarCsv(const QByteArray& texto, const QString& archivo, bool conservarFines = false);
TablaCsv LeerCsv(const QString& ruta);

// "archivo, línea N: motivo", the one form of every data-set error.
QString UbicarError(const QString& archivo, int linea, const QString& motivo);

// The text of a CSV file that AnalizarCsv reads back as it was: UTF-8, CR LF, a field quoted when
// it holds a comma, a quote or a line break, or is an empty text (Null stays unquoted and empty).
QByteArray EscribirCsv(const QStringList& cabecera, const std::vector<std::vector<ValorCsv>>& filas);
