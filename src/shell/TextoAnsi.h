#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

// Windows-1252, the 8-bit code page of garvola.cfg and perfiles_temp.txt.
QString DesdeAnsi(const QByteArray& bytes);
// Bytes in another Windows or DOS code page (1250, 1251, 437, 932...); bytes it does not define
// become U+FFFD. Empty when the system knows no such code page.
QString DesdeCodigoPagina(const QByteArray& bytes, int codigoPagina);
// The 256 characters of a single-byte code page, each byte decoded on its own (a byte that only
// marks the letter before it stays a combining mark); U+FFFD where the page defines nothing. Null
// when the system knows no such code page.
const std::array<char16_t, 256>* TablaCodigoPagina(int codigoPagina);
// Characters the code page cannot hold become '?'.
QByteArray HaciaAnsi(const QString& texto);
// True when every character of the text has its place in the code page.
bool CabeEnAnsi(const QString& texto);

// Splits a file's text at CR LF (a lone LF or CR also ends a line); no empty last line for a final CR LF.
QList<QByteArray> PartirLineas(const QByteArray& contenido);
