#pragma once

#include <QList>
#include <array>

// The code pages of RTF text: which the reader decodes, how a font's character set names one, and
// the characters of each byte.

// The code pages the reader decodes (document, face and character-set pages); a document in any
// other page is read as Windows-1252. Double-byte pages: 932, 936, 949, 950, 1361.
const QList<int>& CodigosPaginaRtf();
bool CodigoPaginaAdmitido(int cp);

// A symbol face's "page": its bytes are its glyphs' codes.
inline constexpr int kCodigoSimbolo = -2;

bool EsPaginaDobleByte(int cp);
// The bytes that begin a character of two bytes in a double-byte page.
bool EsPrimerByte(int cp, unsigned char b);

// The page of a font's \fcharset; 0 when it names none (the document's page applies).
int CodigoDeCharset(int charset);

// The characters of the bytes of a single-byte page (or of a symbol face); Windows-1252 for a page
// the system cannot convert.
const std::array<char16_t, 256>& TablaBytes(int cp);
