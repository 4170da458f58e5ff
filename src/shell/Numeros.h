#pragma once

#include <QString>
#include <QStringView>

// The one numeric reader, rounding and formatter of the program.

// Leading decimal number of a text: blanks skipped, an optional sign, digits with one decimal
// point and an optional exponent, read up to the first character that does not fit. No number
// reads as 0. With admiteComa a ',' also counts as the decimal point (numbers typed by the user).
double LeerNumeroInicial(QStringView texto, bool admiteComa = false);

// Nearest integer, ties to even.
double RedondearPar(double valor);
// RedondearPar as an int; values outside the int range are clamped.
int RedondearEntero(double valor);

// Patterns "0", "00", "0.0", "0.00", "0.000" and sectioned ones such as "+0.0;-0.0;0.0"
// (positive; negative; zero). The decimal separator is the locale's.
QString FormatoNumero(double valor, QStringView patron);

// Window and drawing geometry is in twips: 1/1440 inch, 15 per logical pixel.
inline constexpr int kTwipsPorPixel = 15;
int TwipsAPixeles(double twips);
inline int PixelesATwips(int pixeles) {
    return pixeles * kTwipsPorPixel;
}
