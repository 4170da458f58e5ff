#include "session/CifrasFabricante.h"

#include "shell/Numeros.h"
#include "timer/PlanRevelado.h"

#include <cmath>

// The figures below are read off the makers' sheets kept as text in datos/fuentes; each quote is
// checked against its line by the data tests. Nothing here is derived from another maker's figure.

namespace {

const QString kDdx = QStringLiteral("ilford_ilfotec_ddx.txt");
const QString kPolvo = QStringLiteral("ilford_perceptol_id-11_microphen.txt");
const QString kCarta = QStringLiteral("ilford_developers.txt");
const QString kFijador = QStringLiteral("ilford_rapid_fixer.txt");
const QString kE103 = QStringLiteral("kodak_developers.txt");
const QString kXtol = QStringLiteral("kodak_xtol.txt");
const QString kTmax = QStringLiteral("kodak_tmax.txt");
const QString kAj3 = QStringLiteral("kodak_processing.txt");
const QString kFoma = QStringLiteral("foma_fomadon.txt");

// A US gallon, the volume Kodak counts T-MAX Developer's capacity in.
constexpr double kMlGalon = 3785.41;

Cita C(const QString& hoja, int linea, const char* texto) {
    return Cita{hoja, linea, QString::fromUtf8(texto)};
}

Vida V(int cantidad, UnidadVida u, Cita c) {
    return Vida{cantidad, u, std::move(c)};
}

Capacidad Cap(double peliculas, double ml, const QString& por, Cita c, Cita volumen = {}) {
    return Capacidad{peliculas, ml, por, std::move(c), std::move(volumen)};
}

CifrasRevelador Fila(const char* revelador, const QString& dilucion) {
    CifrasRevelador r;
    r.revelador = QString::fromUtf8(revelador);
    r.dilucion = dilucion;
    return r;
}

void Ilford(std::vector<CifrasRevelador>& t) {
    // ILFOTEC DD-X, August 2019.
    const Capacidad unUso =
        Cap(16, 1000, QStringLiteral("por litro de concentrado diluido 1+4 para un solo uso"),
            C(kDdx, 380, "Used at 1+4 for one shot processing it will develop 16x 135/36 films."),
            C(kDdx, 379, "ILFOTEC DD-X is available in 1 litre bottles world-wide."));
    CifrasRevelador ddx = Fila("Ilford Ilfotec DD-X", QStringLiteral("1+4"));
    ddx.minimoPorTanque = MinimoConcentrado{
        10, QStringLiteral("por mezcla (menos no se mide con precisión con probeta)"),
        C(kDdx, 82,
          "We advise not to use amounts of concentrate less than 10ml when mixing working strength")};
    ddx.capacidad =
        Cap(10, 1000, QStringLiteral("por litro de solución 1+4 reutilizada"),
            C(kDdx, 258, "1 Litre of ILFOTEC DD-X 1+4 can process up to 10 x 135/36 or 120 roll films"));
    ddx.capacidadConcentrado = unUso;
    ddx.vidaTrabajo =
        V(24, UnidadVida::Horas,
          C(kDdx, 303, "ILFOTEC DD-X working strength solutions should not be kept for more than 24 hours."));
    ddx.aumento = AumentoTiempo{10,
                                0,
                                false,
                                1,
                                1,
                                1000,
                                C(kDdx, 267,
                                  "the loss of developer activity after developing the first film by "
                                  "increasing the development time 10% for each"),
                                C(kDdx, 277, "ILFOTEC DD-X 1 2 3 4 5 10")};
    t.push_back(ddx);

    CifrasRevelador ddxC = Fila("Ilford Ilfotec DD-X", kDilucionConcentrado);
    ddxC.capacidad = unUso;
    ddxC.vidaLlena = V(24, UnidadVida::Meses, C(kDdx, 375, "24 months in full tightly capped bottles."));
    ddxC.vidaParcial = V(4, UnidadVida::Meses, C(kDdx, 376, "4 months in half full tightly capped bottles."));
    t.push_back(ddxC);

    // PERCEPTOL, ID-11 and MICROPHEN, June 2010: reused stock and one-shot dilutions.
    const Cita volumen = C(kPolvo, 404, "120 roll films a litre of stock PERCEPTOL, ID-11");
    const Cita aumento = C(kPolvo, 427, "film by increasing the development time 10% for");
    const Vida llena = V(6, UnidadVida::Meses, C(kPolvo, 500, "6 months in full capped containers"));
    const Vida parcial =
        V(1, UnidadVida::Meses, C(kPolvo, 501, "1 month in a half full tightly capped container."));
    const Vida diluida =
        V(24, UnidadVida::Horas, C(kPolvo, 506, "or 1+3 should not be kept for more than 24 hours."));
    const Cita unaVez = C(kPolvo, 470, "1+1 and 1+3, always use fresh solutions on each");
    struct Polvo {
        const char* nombre;
        double peliculas;
        Cita capacidad;
        Cita tramos;
    };
    const Polvo polvos[] = {
        {"Ilford ID-11", 10, C(kPolvo, 410, "ID-11 10"), C(kPolvo, 446, "1 2 3 4 5 10")},
        {"Ilford Microphen", 10, C(kPolvo, 411, "MICROPHEN 10"), C(kPolvo, 446, "1 2 3 4 5 10")},
        {"Ilford Perceptol", 4, C(kPolvo, 409, "PERCEPTOL 4"), C(kPolvo, 452, "1 2 3 4 nr nr")},
    };
    for (const Polvo& p : polvos) {
        CifrasRevelador stock = Fila(p.nombre, QStringLiteral("stock"));
        stock.capacidad =
            Cap(p.peliculas, 1000, QStringLiteral("por litro de stock reutilizado"), p.capacidad, volumen);
        stock.vidaLlena = llena;
        stock.vidaParcial = parcial;
        stock.aumento = AumentoTiempo{10, 0, false, 1, 1, 1000, aumento, p.tramos};
        t.push_back(stock);
        for (const char* d : {"1+1", "1+3"}) {
            CifrasRevelador r = Fila(p.nombre, QString::fromLatin1(d));
            r.vidaTrabajo = diluida;
            r.unSoloUso = unaVez;
            t.push_back(r);
        }
    }
}

void Kodak(std::vector<CifrasRevelador>& t) {
    // XTOL, J-109, February 2018.
    const EquivalenciaHojas hojas{
        4, QStringLiteral("4x5 pulgadas"),
        C(kXtol, 136, "*80 square inches = one 135-36 or 120 roll, four 4 x 5-inch sheets, or one 8 x")};
    CifrasRevelador xtol = Fila("Kodak XTOL", QStringLiteral("stock"));
    xtol.capacidad = Cap(15, 1000, QStringLiteral("por litro sin diluir, con compensación de tiempo"),
                         C(kXtol, 108, "normal, unreplenished processing is approximately 15 rolls"),
                         C(kXtol, 110, "[516 square centimetres]) per litre, with time"));
    const Cita almacen = C(kXtol, 81, "6 months At least 2 months");
    xtol.vidaLlena = V(6, UnidadVida::Meses, almacen);
    xtol.vidaParcial = V(2, UnidadVida::Meses, almacen);
    xtol.aumento = AumentoTiempo{15,
                                 0,
                                 true,
                                 5,
                                 5,
                                 1000,
                                 C(kXtol, 130, "6 to 10 development time by 15"),
                                 C(kXtol, 130, "6 to 10 development time by 15")};
    xtol.hojas = hojas;
    t.push_back(xtol);
    for (const char* d : {"1+1", "1+2"}) {
        CifrasRevelador r = Fila("Kodak XTOL", QString::fromLatin1(d));
        r.minimoPorPelicula = MinimoConcentrado{
            100, QStringLiteral("de revelador sin diluir por carrete (135-36 o 120) u 80 pulgadas cuadradas"),
            C(kXtol, 100, "always starting with at least 100 mL (3.5 fluidounces) of")};
        r.unSoloUso = C(kXtol, 80, "Use diluted developer only once.");
        r.hojas = hojas;
        t.push_back(r);
    }

    // T-MAX Developer and T-MAX RS, J-86, December 2017.
    CifrasRevelador tmax = Fila("Kodak T-Max Developer", QStringLiteral("1+4"));
    tmax.capacidad = Cap(48, kMlGalon, QStringLiteral("por galón estadounidense, con compensación de tiempo"),
                         C(kTmax, 452, "approximately 48 rolls of 135-36 or 120 film per gallon (or"));
    const Cita tmaxGuardado = C(kTmax, 428, "closed bottle for six months, in half-filled bottle for two");
    tmax.vidaLlena = V(6, UnidadVida::Meses, tmaxGuardado);
    tmax.vidaParcial = V(2, UnidadVida::Meses, tmaxGuardado);
    tmax.aumento = AumentoTiempo{
        0, 60, false, 16, 16, kMlGalon, C(kTmax, 478, "time + 1 minute"), C(kTmax, 477, "17 to 32")};
    t.push_back(tmax);
    CifrasRevelador tmaxC = Fila("Kodak T-Max Developer", kDilucionConcentrado);
    tmaxC.vidaLlena = V(2, UnidadVida::Anios, C(kTmax, 430, "the concentrate for up to two years."));
    t.push_back(tmaxC);

    CifrasRevelador rs = Fila("Kodak T-Max RS", QStringLiteral("stock"));
    rs.reposicion = Reposicion{45, QStringLiteral("la misma solución T-MAX RS"),
                               C(kTmax, 47, "Add 11⁄2 fluid ounces (45 mL) of solution for each 135-36")};
    const Cita rsGuardado = C(kTmax, 48, "closed bottle for six months, in a half-filled bottle for two");
    rs.vidaLlena = V(6, UnidadVida::Meses, rsGuardado);
    rs.vidaParcial = V(2, UnidadVida::Meses, rsGuardado);
    t.push_back(rs);
    CifrasRevelador rsC = Fila("Kodak T-Max RS", kDilucionConcentrado);
    rsC.vidaLlena = V(2, UnidadVida::Anios, C(kTmax, 50, "the concentrate for up to two years."));
    t.push_back(rsC);

    // E-103CF (2010): keeping and capacity in a small or large tank, counted in 8x10 sheets per
    // litre, each of them 80 square inches as one reel.
    const Cita porLitro = C(kE103, 44, "Working Solution Gal/L in a");
    CifrasRevelador d76 = Fila("Kodak D-76", QStringLiteral("stock"));
    d76.vidaLlena = V(6, UnidadVida::Meses, C(kE103, 48, "6 months 24 hours/1 month"));
    d76.capacidad =
        Cap(4, 1000, QStringLiteral("por litro en tanque (hojas de 8x10 pulgadas, cada una un carrete)"),
            C(kE103, 49, "16/4 16/4*"), porLitro);
    t.push_back(d76);

    CifrasRevelador hcStock = Fila("Kodak HC-110", QStringLiteral("stock"));
    hcStock.vidaLlena = V(6, UnidadVida::Meses, C(kE103, 65, "6 months 24 hrs/1 month (A)"));
    t.push_back(hcStock);
    CifrasRevelador hcA = Fila("Kodak HC-110", QStringLiteral("A"));
    hcA.capacidad =
        Cap(10, 1000, QStringLiteral("por litro en tanque (hojas de 8x10 pulgadas, cada una un carrete)"),
            C(kE103, 65, "20/5 (A) 40/10 (A)*"), porLitro);
    hcA.vidaTrabajo = V(1, UnidadVida::Meses, C(kE103, 65, "24 hrs/1 month (A)"));
    t.push_back(hcA);
    CifrasRevelador hcB = Fila("Kodak HC-110", QStringLiteral("B"));
    hcB.capacidad =
        Cap(5, 1000, QStringLiteral("por litro en tanque (hojas de 8x10 pulgadas, cada una un carrete)"),
            C(kE103, 67, "10/2.5 (B) 20/5 (B)*"), porLitro);
    hcB.vidaTrabajo = V(2, UnidadVida::Semanas, C(kE103, 67, "12 hrs/2weeks (B)"));
    t.push_back(hcB);
}

void Foma(std::vector<CifrasRevelador>& t) {
    // Developers for black-and-white negative films, 03/05: one package develops so many films.
    const Cita envase = C(kFoma, 27, "PE-bottle of 250 ml.");
    const Capacidad liquido = Cap(12, 250, QStringLiteral("por envase de 250 ml de concentrado"),
                                  C(kFoma, 21, "One package is sufficient to develop 12"), envase);
    for (const char* nombre : {"Foma Fomadon LQN", "Foma Fomadon LQR"}) {
        CifrasRevelador r = Fila(nombre, QStringLiteral("1+10"));
        r.capacidadConcentrado = liquido;
        t.push_back(r);
        CifrasRevelador c = Fila(nombre, kDilucionConcentrado);
        c.capacidad = liquido;
        t.push_back(c);
    }
    CifrasRevelador p = Fila("Foma Fomadon P", QStringLiteral("stock"));
    p.capacidad = Cap(10, 1000, QStringLiteral("por envase (1 litro de solución)"),
                      C(kFoma, 23, "One package is sufficient to develop 10"),
                      C(kFoma, 20, "up with water to the final volume of 1 litre."));
    t.push_back(p);
    CifrasRevelador excel = Fila("Foma Fomadon Excel", QStringLiteral("stock"));
    excel.capacidad = Cap(12, 1000, QStringLiteral("por envase (1 litro de solución)"),
                          C(kFoma, 29, "One package is sufficient to develop 12"), C(kFoma, 27, "litre."));
    t.push_back(excel);
}

std::vector<CifrasRevelador> Construir() {
    std::vector<CifrasRevelador> t;
    Ilford(t);
    Kodak(t);
    Foma(t);
    return t;
}

QString Normal(const QString& s) {
    return s.simplified().toCaseFolded();
}

QString NormalDilucion(const QString& d) {
    QString n = Normal(d);
    n.remove(u' ');
    if (n.startsWith(u"1:"))
        n[1] = u'+';
    return n;
}

QString Nombre(const CifrasRevelador& c) {
    return c.revelador + u' ' + c.dilucion;
}

// The volume a capacity is counted in, as a figure the sheet prints.
QString ValorVolumen(double ml) {
    if (ml == 1000)
        return QStringLiteral("litre");
    if (ml == kMlGalon)
        return QStringLiteral("gallon");
    return TextoCifra(ml);
}

QString ValorVida(const Vida& v) {
    return TextoCifra(v.cantidad);
}

void Anadir(std::vector<CifraCitada>& v, const char* campo, QString valor, const Cita& c) {
    v.push_back(CifraCitada{QString::fromLatin1(campo), std::move(valor), c});
}

void AnadirCapacidad(std::vector<CifraCitada>& v, const char* campo, const Capacidad& c) {
    Anadir(v, campo, TextoCifra(c.peliculas), c.cita);
    Anadir(v, campo, ValorVolumen(c.ml), c.citaVolumen.hoja.isEmpty() ? c.cita : c.citaVolumen);
}

struct Publicacion {
    const QString& hoja;
    const char* nombre;
};

} // namespace

QString TextoCifra(double v) {
    const double r = RedondearPar(v * 10) / 10;
    if (r == std::floor(r))
        return QString::number(qint64(r));
    return FormatoNumero(r, u"0.0");
}

QString TextoCarretes(double n) {
    return TextoCifra(n) + (TextoCifra(n) == u"1" ? QStringLiteral(" carrete") : QStringLiteral(" carretes"));
}

QDate FinDeVida(const QDate& desde, const Vida& v) {
    switch (v.unidad) {
    case UnidadVida::Horas:
        // Dates carry no hour: a solution mixed some day lasts whole days at most.
        return desde.addDays((v.cantidad + 23) / 24);
    case UnidadVida::Dias:
        return desde.addDays(v.cantidad);
    case UnidadVida::Semanas:
        return desde.addDays(7 * qint64(v.cantidad));
    case UnidadVida::Meses:
        return desde.addMonths(v.cantidad);
    case UnidadVida::Anios:
        return desde.addYears(v.cantidad);
    }
    return desde;
}

QString TextoVida(const Vida& v) {
    const bool uno = v.cantidad == 1;
    QString unidad;
    switch (v.unidad) {
    case UnidadVida::Horas:
        unidad = uno ? QStringLiteral("hora") : QStringLiteral("horas");
        break;
    case UnidadVida::Dias:
        unidad = uno ? QStringLiteral("día") : QStringLiteral("días");
        break;
    case UnidadVida::Semanas:
        unidad = uno ? QStringLiteral("semana") : QStringLiteral("semanas");
        break;
    case UnidadVida::Meses:
        unidad = uno ? QStringLiteral("mes") : QStringLiteral("meses");
        break;
    case UnidadVida::Anios:
        unidad = uno ? QStringLiteral("año") : QStringLiteral("años");
        break;
    }
    return QString::number(v.cantidad) + u' ' + unidad;
}

const std::vector<CifrasRevelador>& TablaCifrasRevelador() {
    static const std::vector<CifrasRevelador> tabla = Construir();
    return tabla;
}

const CifrasRevelador* BuscarCifrasRevelador(const QString& revelador, const QString& dilucion) {
    const QString r = Normal(revelador);
    const QString d = NormalDilucion(dilucion);
    for (const CifrasRevelador& c : TablaCifrasRevelador()) {
        if (Normal(c.revelador) == r && NormalDilucion(c.dilucion) == d)
            return &c;
    }
    return nullptr;
}

bool MismaDilucion(const QString& a, const QString& b) {
    return NormalDilucion(a) == NormalDilucion(b);
}

std::vector<CifraCitada> CifrasDe(const CifrasRevelador& c) {
    std::vector<CifraCitada> v;
    if (c.minimoPorPelicula)
        Anadir(v, "minimoPorPelicula", TextoCifra(c.minimoPorPelicula->ml), c.minimoPorPelicula->cita);
    if (c.minimoPorTanque)
        Anadir(v, "minimoPorTanque", TextoCifra(c.minimoPorTanque->ml), c.minimoPorTanque->cita);
    if (c.capacidad)
        AnadirCapacidad(v, "capacidad", *c.capacidad);
    if (c.capacidadConcentrado)
        AnadirCapacidad(v, "capacidadConcentrado", *c.capacidadConcentrado);
    if (c.vidaLlena)
        Anadir(v, "vidaLlena", ValorVida(*c.vidaLlena), c.vidaLlena->cita);
    if (c.vidaParcial)
        Anadir(v, "vidaParcial", ValorVida(*c.vidaParcial), c.vidaParcial->cita);
    if (c.vidaTrabajo)
        Anadir(v, "vidaTrabajo", ValorVida(*c.vidaTrabajo), c.vidaTrabajo->cita);
    if (c.aumento) {
        const AumentoTiempo& a = *c.aumento;
        Anadir(v, "aumento", a.segundos ? TextoCifra(a.segundos / 60.0) : TextoCifra(a.porcentaje), a.cita);
        Anadir(v, "aumento.tramos", TextoCifra(a.sinAumento + 1), a.citaTramos);
    }
    if (c.reposicion)
        Anadir(v, "reposicion", TextoCifra(c.reposicion->mlPorPelicula), c.reposicion->cita);
    if (c.hojas)
        Anadir(v, "hojas", TextoCifra(c.hojas->hojas), c.hojas->cita);
    if (c.unSoloUso)
        Anadir(v, "unSoloUso", QString(), *c.unSoloUso);
    return v;
}

PeliculasCarga ContarPeliculas(const Carga& carga, const CifrasRevelador* c) {
    PeliculasCarga p;
    p.peliculas = std::max(0, carga.carretes35) + std::max(0, carga.carretes120);
    if (carga.hojas > 0) {
        if (c && c->hojas && c->hojas->hojas > 0)
            p.peliculas += double(carga.hojas) / c->hojas->hojas;
        else
            p.hojasSinContar = true;
    }
    return p;
}

QString TextoMinimo(const CifrasRevelador& c) {
    QStringList partes;
    if (c.minimoPorPelicula)
        partes << QStringLiteral("mínimo %1 ml %2")
                      .arg(TextoCifra(c.minimoPorPelicula->ml), c.minimoPorPelicula->por);
    if (c.minimoPorTanque)
        partes << QStringLiteral("mínimo %1 ml de concentrado %2")
                      .arg(TextoCifra(c.minimoPorTanque->ml), c.minimoPorTanque->por);
    if (partes.isEmpty())
        return {};
    return Nombre(c) + QStringLiteral(": ") + partes.join(QStringLiteral("; ")) + u'.';
}

QStringList AvisosConcentrado(const CifrasRevelador& c, const Carga& carga, double mlConcentrado,
                              int mlTrabajo) {
    QStringList avisos;
    const PeliculasCarga p = ContarPeliculas(carga, &c);
    // A small tolerance so that a measured 99.96 ml does not read as short of 100.
    constexpr double kHolgura = 0.05;
    if (c.minimoPorPelicula && p.peliculas > 0) {
        const double pide = c.minimoPorPelicula->ml * p.peliculas;
        if (mlConcentrado + kHolgura < pide)
            avisos << QStringLiteral(
                          "%1: mínimo %2 ml %3; para %4 hacen falta %5 ml y la mezcla lleva %6 ml.")
                          .arg(Nombre(c), TextoCifra(c.minimoPorPelicula->ml), c.minimoPorPelicula->por,
                               TextoCarretes(p.peliculas), TextoCifra(pide), TextoCifra(mlConcentrado));
    }
    if (c.minimoPorTanque && mlConcentrado > 0 && mlConcentrado + kHolgura < c.minimoPorTanque->ml)
        avisos << QStringLiteral("%1: mínimo %2 ml de concentrado %3; la mezcla lleva %4 ml.")
                      .arg(Nombre(c), TextoCifra(c.minimoPorTanque->ml), c.minimoPorTanque->por,
                           TextoCifra(mlConcentrado));
    if (c.capacidadConcentrado && p.peliculas > 0) {
        const Capacidad& k = *c.capacidadConcentrado;
        const double alcanza = k.peliculas * mlConcentrado / k.ml;
        if (alcanza + 1e-9 < p.peliculas)
            avisos << QStringLiteral(
                          "%1: el fabricante da %2 %3; %4 ml de concentrado alcanzan para %5 y la carga "
                          "es de %6.")
                          .arg(Nombre(c), TextoCarretes(k.peliculas), k.por, TextoCifra(mlConcentrado),
                               TextoCarretes(alcanza), TextoCarretes(p.peliculas));
    }
    if (c.capacidad && p.peliculas > 0 && mlTrabajo > 0) {
        const Capacidad& k = *c.capacidad;
        const double alcanza = k.peliculas * mlTrabajo / k.ml;
        if (alcanza + 1e-9 < p.peliculas)
            avisos << QStringLiteral(
                          "%1: el fabricante da %2 %3; %4 ml alcanzan para %5 y la carga es de %6.")
                          .arg(Nombre(c), TextoCarretes(k.peliculas), k.por, QString::number(mlTrabajo),
                               TextoCarretes(alcanza), TextoCarretes(p.peliculas));
    }
    if (p.hojasSinContar && (c.minimoPorPelicula || c.capacidadConcentrado || c.capacidad))
        avisos << QStringLiteral(
                      "%1: ninguna hoja del fabricante dice a cuántos carretes equivalen las hojas; "
                      "no se cuentan.")
                      .arg(Nombre(c));
    return avisos;
}

const std::vector<BanoCitado>& BanosCitados() {
    static const std::vector<BanoCitado> banos = [] {
        // Where a sheet gives a range, the longest time: it covers every film the range is for.
        const Cita paro =
            C(kCarta, 54, "rinse the film in water or ILFORD ILFOSTOP (1+19) for 10-30 seconds");
        const Cita fijado = C(kFijador, 85, "General purpose film 1+4 2–5");
        std::vector<BanoCitado> v{
            {Bano{EtapaId::Paro, QStringLiteral("ILFORD ILFOSTOP"), QStringLiteral("1+19"), 30, false, {}},
             paro, paro},
            {Bano{EtapaId::Fijado,
                  QStringLiteral("ILFORD RAPID FIXER"),
                  QStringLiteral("1+4"),
                  5 * 60,
                  false,
                  {}},
             fijado, fijado},
            {Bano{EtapaId::Lavado, QStringLiteral("Agua corriente"), QString(), 10 * 60, false, {}}, Cita{},
             C(kFijador, 114, "used wash the films in running water for 5–10")},
            {Bano{EtapaId::Humectante,
                  QStringLiteral("KODAK PHOTO-FLO 200"),
                  QStringLiteral("1+200"),
                  30,
                  false,
                  {}},
             C(kE103, 102, "1:200"), C(kAj3, 115, "7. Wetting Agent 30 seconds")},
        };
        for (BanoCitado& b : v)
            b.bano.fuente = TextoFuente(b.citaTiempo);
        return v;
    }();
    return banos;
}

std::vector<Bano> BanosPorDefecto() {
    std::vector<Bano> v;
    for (const BanoCitado& b : BanosCitados())
        v.push_back(b.bano);
    return v;
}

QString TextoFuente(const Cita& c) {
    static const Publicacion publicaciones[] = {
        {kDdx, "Ilford, ILFOTEC DD-X (agosto de 2019)"},
        {kPolvo, "Ilford, PERCEPTOL, ID-11 y MICROPHEN (junio de 2010)"},
        {kCarta, "Ilford, FILM PROCESSING CHART (octubre de 2019)"},
        {kFijador, "Ilford, RAPID FIXER (agosto de 2002)"},
        {kE103, "Kodak E-103CF (2010)"},
        {kXtol, "Kodak J-109, XTOL (febrero de 2018)"},
        {kTmax, "Kodak J-86, T-MAX (diciembre de 2017)"},
        {kAj3, "Kodak AJ-3 (febrero de 2016)"},
        {kFoma, "Foma, reveladores FOMADON (03/05)"},
    };
    if (c.hoja.isEmpty())
        return {};
    QString nombre = c.hoja;
    for (const Publicacion& p : publicaciones) {
        if (p.hoja == c.hoja)
            nombre = QString::fromUtf8(p.nombre);
    }
    return QStringLiteral("%1, línea %2").arg(nombre).arg(c.linea);
}
