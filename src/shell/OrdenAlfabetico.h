#pragma once

#include <QString>
#include <string_view>

// The order of names for a Spanish reader, used by the engine's NOCASE collation and by every list
// sorted in memory, so both agree: letters first by their base letter (accents and case aside, "ü"
// with "u"), "ñ" its own letter after "n"; texts equal so far are then ordered by their case-folded
// code points, so two texts compare equal exactly when they are equal after case folding.

// <0, 0, >0 for two UTF-8 texts.
int CompararAlfabetico(std::string_view a, std::string_view b);
int CompararAlfabetico(const QString& a, const QString& b);

// For std::sort and the like; names equal but for case keep one fixed order.
inline bool AntesAlfabetico(const QString& a, const QString& b) {
    const int c = CompararAlfabetico(a, b);
    return c != 0 ? c < 0 : a < b;
}
