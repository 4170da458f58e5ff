#include "shell/OrdenAlfabetico.h"

#include "shell/DialectoJet.h"

#include <QChar>
#include <QList>
#include <algorithm>
#include <array>
#include <compare>

namespace {

constexpr char32_t kTildeCombinante = 0x0303;
constexpr char32_t kIgnorable = 0; // a combining mark: no weight of its own

// Weights are code points doubled, so "ñ" fits between "n" and "o", and never 0.
constexpr char32_t Peso(char32_t base) {
    return base * 2 + 2;
}
constexpr char32_t kPesoEnie = Peso(U'n') + 1;

// The weight of one case-folded code point, from its canonical decomposition.
char32_t PesoCalculado(char32_t c) {
    const QChar::Category categoria = QChar::category(c);
    if (categoria == QChar::Mark_NonSpacing || categoria == QChar::Mark_SpacingCombining ||
        categoria == QChar::Mark_Enclosing)
        return kIgnorable;
    char32_t base = c;
    bool tilde = false;
    while (QChar::decompositionTag(base) == QChar::Canonical) {
        const QString partes = QChar::decomposition(base);
        const auto cps = partes.toUcs4();
        if (cps.isEmpty())
            break;
        tilde = tilde || cps.contains(kTildeCombinante);
        base = cps.front();
    }
    base = PlegarMayusculas(base);
    if (base == U'n' && tilde)
        return kPesoEnie;
    return Peso(base);
}

// Latin letters come up all the time: their weights are worked out once.
constexpr char32_t kTabla = 0x0250;
const std::array<char32_t, kTabla>& Tabla() {
    static const std::array<char32_t, kTabla> tabla = [] {
        std::array<char32_t, kTabla> t{};
        for (char32_t c = 0; c < kTabla; ++c)
            t[c] = PesoCalculado(c);
        return t;
    }();
    return tabla;
}

char32_t PesoDe(char32_t plegado) {
    return plegado < kTabla ? Tabla()[plegado] : PesoCalculado(plegado);
}

// The case-folded code points of a text.
std::vector<char32_t> Plegado(std::string_view utf8) {
    std::vector<char32_t> r;
    DecodificarPlegado(utf8, r);
    return r;
}
std::vector<char32_t> Plegado(const QString& texto) {
    std::vector<char32_t> r;
    for (const char32_t c : texto.toUcs4())
        r.push_back(PlegarMayusculas(c));
    return r;
}

// The weights without the ignorable marks; a combining tilde makes the "n" before it an "ñ".
std::vector<char32_t> Pesos(const std::vector<char32_t>& cps) {
    std::vector<char32_t> r;
    r.reserve(cps.size());
    for (size_t i = 0; i < cps.size(); ++i) {
        const char32_t p = PesoDe(cps[i]);
        if (p != kIgnorable)
            r.push_back(p);
        else if (cps[i] == kTildeCombinante && !r.empty() && r.back() == Peso(U'n'))
            r.back() = kPesoEnie;
    }
    return r;
}

int Signo(std::strong_ordering o) {
    return o < 0 ? -1 : (o > 0 ? 1 : 0);
}

int Comparar(const std::vector<char32_t>& a, const std::vector<char32_t>& b) {
    if (const int primaria = Signo(Pesos(a) <=> Pesos(b)))
        return primaria;
    return Signo(a <=> b);
}

bool Ascii(std::string_view t, size_t i) {
    return i >= t.size() || static_cast<unsigned char>(t[i]) < 0x80;
}

} // namespace

int CompararAlfabetico(std::string_view a, std::string_view b) {
    // Most names are ASCII: up to the first difference both orders agree, and two ASCII characters
    // with no combining mark after them decide alone.
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        if (!Ascii(a, i) || !Ascii(b, i))
            return Comparar(Plegado(a), Plegado(b));
        const char32_t ca = PlegarMayusculas(char32_t(a[i])), cb = PlegarMayusculas(char32_t(b[i]));
        if (ca == cb)
            continue;
        if (Ascii(a, i + 1) && Ascii(b, i + 1))
            return ca < cb ? -1 : 1;
        return Comparar(Plegado(a), Plegado(b));
    }
    // One is the start of the other: whatever follows adds weight, or only marks that break the tie.
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int CompararAlfabetico(const QString& a, const QString& b) {
    return Comparar(Plegado(a), Plegado(b));
}
