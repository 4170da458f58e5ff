#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// Development time compensated for the bath temperature: two formulas, five developer families,
// three agitation modes. Temperatures reach the computation as tenths of a degree (100..300).

struct OpcionCompensacion {
    const char16_t* titulo; // caption of the option button
    const char16_t* clave;  // key inside a proposed profile name; empty where none
    double valor;           // Q10 of a developer, factor of an agitation mode
};

inline constexpr int kFormulaRegla7 = 0;
inline constexpr int kFormulaQ10 = 1;

extern const std::array<OpcionCompensacion, 2> kFormulas;
extern const std::array<OpcionCompensacion, 5> kReveladores;
extern const std::array<OpcionCompensacion, 3> kAgitaciones;

// NaN for an index outside its table, so that a bad index ends as "Err", never as a time.
double Q10Revelador(int revelador);
double FactorAgitacion(int agitacion);
double Q10Efectivo(int revelador, int agitacion);

// Minutes (0..60) and seconds (0..59) read leniently and rounded ties-to-even; 600 when a number
// does not fit 32 bits.
int SegundosBase(QStringView minutos, QStringView segundos);

double FactorCompensacion(int formula, double base, double actual, int revelador, int agitacion);

// "mm:ss", minutes not limited to two digits.
QString FormatoMinSeg(int segundos);

QString LineaFormula(int formula);

// Tenths of a degree of a typed temperature: the whole text (blanks around it allowed) a decimal
// number with a comma or a point, from 10 to 30; nothing otherwise.
std::optional<int> DecimasTecleadas(const QString& texto);

struct EntradaCompensacion {
    int formula = kFormulaRegla7;
    int decimasBase = 200;
    int decimasActual = 200;
    int revelador = 1;
    int agitacion = 1;
    QString minutos;
    QString segundos;
};

struct ResultadoCompensacion {
    double factor = 0;
    double q10 = 0;
    double dT = 0;
    int segundosBase = 0;
    int segundos = 0;
    bool error = false;
    QString lineaFormula;
    QString lineaFactor;
    QString lineaDiferencia;
    QString lineaBase;
    QString resultado; // the time, or "Err"
};

ResultadoCompensacion CalcularCompensacion(const EntradaCompensacion& entrada);
