#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Development times off the sheet: for an EI or a bath temperature the sheet does not list,
// estimated from the same film, developer, dilution and sheet, with a text that says how. Nothing
// here is ever stored: an estimate is shown, copied or timed, never kept as reference data.

// One listed time of a ladder: an EI and its time in seconds.
struct PuntoEscala {
    double ei = 0;
    double segundos = 0;
};

// The answer: a time, with how it was made; or none, with the reason.
struct Estimacion {
    std::optional<double> segundos;
    QString texto;
};

// Time for an EI from one ladder (one film, developer, dilution, temperature and sheet, named by
// its code): piecewise-linear in log time against stops between listed EIs; at most one stop above
// the highest along the last segment. Never below the lowest EI, nor on a ladder where two EIs
// share one time (the maker's curve has a knee there that a straight segment misses).
Estimacion EstimarPorEi(std::vector<PuntoEscala> escala, double ei, const QString& hoja);
// Whether two listed EIs share one time.
bool TieneMeseta(const std::vector<PuntoEscala>& escala);

// Farthest a temperature is estimated from the nearest listed one, in degrees.
inline constexpr double kMaxSaltoTemperatura = 2.0;

// The temperature compensation applied to a listed time: from which listed temperature, by what
// factor (Q10 of the developer's family, normal agitation).
struct Compensacion {
    double base = 0;
    double factor = 1;
    QString texto;
};
// From the nearest listed temperature (the lower one on a tie), within kMaxSaltoTemperatura; the
// reason when none is near enough. familia: the developer family of the compensation.
std::optional<Compensacion> CompensarTemperatura(const std::vector<double>& listadas, double grados,
                                                 int familia, const QString& hoja, QString* motivo);
// The developer family of the temperature compensation that a developer's name belongs to.
int FamiliaRevelador(const QString& nombre);

// What the grid needs of a row. The grid rows hold the eight texts of the times query: other
// side's name, dilution, ISO, 35 mm, 120, sheet, temperature, note codes.

// The leading mark of an estimated time.
inline const QString kMarcaEstimado = QStringLiteral("≈");
// A time text without the mark.
QString SinMarcaEstimado(const QString& tiempo);

// The code of the sheet a row comes from: the first code between brackets of its notes.
QString HojaDeFila(const QStringList& fila);
// The EIs that an ISO text names: "400" → 400, "100/200" → 100 and 200; none for other text.
std::vector<double> EisDeTexto(const QString& iso);
// "m:ss" in seconds; nothing for a range or anything else.
std::optional<int> SegundosDeTiempo(const QString& tiempo);
// Seconds as "m:ss", rounded to the second (ties to even).
QString TextoTiempo(double segundos);
// The ladder of one time column (3, 4 or 5) for the row `fila` of `filas`: the rows of the same
// other side, dilution, temperature and sheet with a single time in that column.
std::vector<PuntoEscala> EscalaDeFila(const std::vector<QStringList>& filas, size_t fila, int columna);

// A row for the grid, its times marked, and the notes-box text.
struct FilaEstimada {
    QStringList textos;
    QString metodo;
};
// A number the user typed (comma or point), within bounds; nothing otherwise.
std::optional<double> NumeroTecleado(const QString& texto, double minimo, double maximo);
// The row `fila` of `filas` (reference rows only) at another EI, or the reason there is none.
std::optional<FilaEstimada> EstimarFilaEi(const std::vector<QStringList>& filas, size_t fila, double ei,
                                          QString* motivo);
// The row `fila` at another bath temperature, compensated from the nearest listed temperature of
// the same combination and sheet. revelador: the developer's name, for its family.
std::optional<FilaEstimada> EstimarFilaTemperatura(const std::vector<QStringList>& filas, size_t fila,
                                                   double grados, const QString& revelador, QString* motivo);
// Where an estimated row goes among the grid rows: after the rows of the same other side whose EI
// is not higher, or before the first of them, or at the end.
size_t PosicionEstimada(const std::vector<QStringList>& filas, const QStringList& estimada);
