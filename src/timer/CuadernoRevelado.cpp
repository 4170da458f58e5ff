#include "timer/CuadernoRevelado.h"

#include "calculators/CompensacionTemp.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/Numeros.h"

namespace {

QString Grados(int decimas) {
    return FormatoNumero(decimas / 10.0, u"0.0") + u"\u00B0C";
}
} // namespace

EntradaCuaderno EntradaDeMarcha(EntradaCuaderno inicio, int segundosRevelados, const QString& nota) {
    // What the run brought (a planned session's summary) comes first, then the user's words.
    const QString escrita = nota.trimmed();
    inicio.nota = inicio.nota.trimmed();
    if (!escrita.isEmpty())
        inicio.nota = inicio.nota.isEmpty() ? escrita : inicio.nota + u". " + escrita;
    if (segundosRevelados < inicio.segundos) {
        const QString cortado = u"Revelado cortado a " + FormatoMinSeg(segundosRevelados) + u" de " +
                                FormatoMinSeg(inicio.segundos);
        inicio.nota = inicio.nota.isEmpty() ? cortado : cortado + u". " + inicio.nota;
        inicio.segundos = segundosRevelados;
    }
    return inicio;
}

qint64 GuardarEnCuaderno(const EntradaCuaderno& e) {
    BaseDatos* bd = NotesDb();
    if (!bd)
        return 0;
    return bd->Insertar(kTablaCuadernoRevelado,
                        {{QStringLiteral("Fecha"), FechaBD(QDateTime::currentDateTime())},
                         {QStringLiteral("Pelicula"), e.pelicula},
                         {QStringLiteral("Revelador"), e.revelador},
                         {QStringLiteral("Dilucion"), e.dilucion},
                         {QStringLiteral("EI"), e.ei},
                         {QStringLiteral("Formato"), e.formato},
                         {QStringLiteral("TempBase"), e.decimasBase},
                         {QStringLiteral("TempBano"), e.decimasBano},
                         {QStringLiteral("SegundosBase"), e.segundosBase},
                         {QStringLiteral("Segundos"), e.segundos},
                         {QStringLiteral("Agitacion"), e.agitacion},
                         {QStringLiteral("Nota"), e.nota}});
}

std::vector<EntradaCuaderno> LeerCuaderno() {
    std::vector<EntradaCuaderno> r;
    BaseDatos* bd = NotesDb();
    if (!bd)
        return r;
    for (Consulta c =
             bd->Consultar(u"SELECT * FROM " + kTablaCuadernoRevelado + u" ORDER BY Fecha DESC, Id DESC");
         !c.Fin(); c.Siguiente()) {
        auto texto = [&](const char* columna) { return TextoSeguro(c.Campo(QString::fromLatin1(columna))); };
        auto entero = [&](const char* columna) { return c.Campo(QString::fromLatin1(columna)).toInt(); };
        r.push_back({c.Campo(QStringLiteral("Id")).toLongLong(),
                     LeerFechaBD(c.Campo(QStringLiteral("Fecha"))), texto("Pelicula"), texto("Revelador"),
                     texto("Dilucion"), texto("EI"), texto("Formato"), entero("TempBase"), entero("TempBano"),
                     entero("SegundosBase"), entero("Segundos"), texto("Agitacion"), texto("Nota")});
    }
    return r;
}

QString TextoEntrada(const EntradaCuaderno& e) {
    QString t =
        e.fecha.toString(QStringLiteral("dd/MM/yyyy HH:mm")) + u"  " + e.pelicula + u" / " + e.revelador;
    if (!e.dilucion.isEmpty())
        t += u' ' + e.dilucion;
    if (!e.ei.isEmpty())
        t += u"  EI " + e.ei;
    if (!e.formato.isEmpty())
        t += u"  " + e.formato;
    t += u"  " + Grados(e.decimasBase) + u" \u2192 " + Grados(e.decimasBano) + u"  " +
         FormatoMinSeg(e.segundos);
    if (!e.nota.isEmpty())
        t += u"  \u2014 " + e.nota;
    return t;
}

TiempoPropio TiempoDeEntrada(const EntradaCuaderno& e) {
    TiempoPropio t;
    t.pelicula = e.pelicula;
    t.revelador = e.revelador;
    t.dilucion = e.dilucion;
    t.ei = e.ei;
    const QString tiempo =
        QStringLiteral("%1:%2").arg(e.segundos / 60).arg(e.segundos % 60, 2, 10, QLatin1Char('0'));
    if (e.formato == u"120")
        t.tiempo120 = tiempo;
    else if (e.formato == u"Hoja")
        t.tiempoHoja = tiempo;
    else
        t.tiempo35 = tiempo;
    t.temperatura = e.decimasBano % 10 == 0
                        ? QString::number(e.decimasBano / 10)
                        : QString::number(e.decimasBano / 10.0, 'f', 1).replace(u'.', u',');
    t.agitacion = e.agitacion;
    t.nota = e.nota;
    return t;
}
