#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

// Registers on a connection what the stored queries expect of the engine: LIKE with the stored
// dialect's patterns, Val(text), and NOCASE: equal after Unicode case folding, ordered as
// CompararAlfabetico. Indexes built under an earlier order are rebuilt
// when the file is opened for writing (BaseDatos::Abrir).
void RegistrarDialectoJet(sqlite3* db);

// A text for a quoted literal of a statement: every single quote doubled.
QString DoblarComillas(QString texto);
// Whether "*filtro*" (trimmed) is a pattern the engine takes; an unclosed "[" is not.
bool FiltroValido(const QString& filtro);

// Case-folded code point, as LIKE and NOCASE compare them.
char32_t PlegarMayusculas(char32_t c);
// UTF-8 text decoded and case-folded into salida (replaced).
void DecodificarPlegado(std::string_view utf8, std::vector<char32_t>& salida);

// A LIKE pattern: "*" any run, "?" one character, "#" one digit, "[abc]", "[a-z]", "[!abc]".
class PatronJet {
public:
    // Nothing, with the reason in error, for a pattern the engine rejects (an unclosed "[").
    static std::optional<PatronJet> Compilar(std::string_view utf8, QString* error = nullptr);
    bool Coincide(std::string_view utf8) const;
    bool Coincide(QStringView texto) const;

private:
    struct Rango {
        char32_t desde, hasta;
    };
    enum class Tipo : unsigned char { Literal, Uno, Digito, Clase, Estrella };
    struct Elemento {
        Tipo tipo = Tipo::Literal;
        bool negada = false;
        char32_t literal = 0;
        std::vector<Rango> rangos;
        bool Acepta(char32_t c) const;
    };
    bool CoincideDesde(const char32_t* t, size_t n) const;
    // Nothing when the text is not all ASCII: outside it some letters fold into ASCII (the Kelvin sign).
    std::optional<bool> ContieneAscii(std::string_view utf8) const;

    std::vector<Elemento> elementos_;
    // "*literal*": a plain search in the folded text.
    bool soloSubcadena_ = false;
    std::u32string subcadena_;
    // The same literal as bytes when it is all ASCII: searched in ASCII texts without decoding.
    bool subcadenaAscii_ = false;
    std::string subcadenaBytes_;
};
