#include "filmsheet/FichaTecnica.h"
#include "shell/Tema.h"

#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/Imagenes.h"
#include "shell/Numeros.h"

#include <cmath>
#include <limits>

QString FormatearValor(const QString& texto) {
    const QString t = texto.trimmed();
    if (t.isEmpty() || t == u"--" || t == u"|" || t == u"-" || t == u"0")
        return {};
    QString r = t;
    r.replace(u'|', QChar(0x2013));
    return r;
}

QColor ColorFuente(const QString& fuente) {
    if (fuente == u"Fabricante")
        return Tema::FuenteFabricante;
    if (fuente == u"Curva oficial")
        return Tema::FuenteCurvaOficial;
    if (fuente == u"Paper/test")
        return Tema::FuentePaper;
    return Tema::FuenteEstimada;
}

QString NotaFuente(const QString& fuente) {
    if (fuente == u"Fabricante")
        return QStringLiteral("Valor declarado en el datasheet oficial del fabricante.");
    if (fuente == u"Curva oficial")
        return QStringLiteral("Leído del espectrograma publicado. Margen estimado ±10-20 nm.");
    if (fuente == u"Paper/test")
        return QStringLiteral("Medición publicada en paper científico o test independiente.");
    if (fuente == u"Estimado")
        return QStringLiteral("Inferido por tipo de emulsión. Referencia orientativa.");
    return {};
}

QColor ColorReciprocidad(const QString& nivel) {
    if (nivel == u"Bajo")
        return Tema::ReciprocidadBaja;
    if (nivel == u"Moderado")
        return Tema::ReciprocidadModerada;
    if (nivel == u"Alto")
        return Tema::ReciprocidadAlta;
    return Tema::FuenteEstimada;
}

Insignia InsigniaDiscontinuada(const QVariant& valor) {
    // As a 16-bit integer conversion would: numbers round to the nearest, text must be a number.
    int n = 0;
    if (!valor.isNull() && valor.isValid()) {
        bool ok = false;
        const double d = valor.toString().trimmed().toDouble(&ok);
        if (ok && d >= std::numeric_limits<short>::min() - 0.5 && d < std::numeric_limits<short>::max() + 0.5)
            n = RedondearEntero(d);
    }
    if (n == 1)
        return {QStringLiteral("DESCONT."), Tema::InsigniaDescontinuada};
    return {QStringLiteral("ACTIVA"), Tema::InsigniaActiva};
}

QString LeerNombrePelicula(int idPelicula) {
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return {};
    Consulta c = bd->Consultar(u"SELECT Nombre FROM " + kTablaPeliculas + u" WHERE IdPelicula=" +
                               QString::number(idPelicula));
    return c.Fin() ? QString() : TextoSeguro(c.Campo(QStringLiteral("Nombre")));
}

std::optional<DatosFicha> LeerDatosFicha(int idPelicula) {
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return std::nullopt;
    Consulta c = bd->Consultar(u"SELECT * FROM " + kTablaPeliculasInfoTec + u" WHERE IdPelicula=" +
                               QString::number(idPelicula));
    if (c.Fin())
        return std::nullopt;
    auto t = [&c](const char* columna) { return TextoSeguro(c.Campo(QString::fromLatin1(columna))); };
    DatosFicha d;
    d.fabricante = t("Fabricante");
    d.isoNominal = t("IsoNominal");
    d.tipoGrano = t("TipoGrano");
    d.sensibilidadEspectral = t("SensibilidadEspectral");
    d.procesoCompatible = t("ProcesoCompatible");
    d.fechaLanzamiento = t("FechaLanzamiento");
    d.formatoDisponible = t("FormatoDisponible");
    d.reveladorIdeal = t("ReveladorIdeal");
    d.discontinuada = c.Campo(QStringLiteral("Discontinuada"));
    d.rangoEspectralNm = t("RangoEspectralNm");
    d.fuenteRangoEspectral = t("FuenteRangoEspectral");
    d.picoSensibilidadNm = t("PicoSensibilidadNm");
    d.corteRojoNm = t("CorteRojoNm");
    d.corteIrNm = t("CorteIrNm");
    d.falloReciprocidad = t("FalloReciprocidad");
    d.correccionReciprocidad = t("CorreccionReciprocidad");
    d.tamanioGranoRms = t("TamanioGranoRms");
    d.resolucionLpMm = t("ResolucionLpMm");
    return d;
}

QString BuscarCurvaOficial(const QString& nombrePelicula) {
    // The name is used as stored, but it must stay a plain file name inside the curves folder.
    if (nombrePelicula.isEmpty() || nombrePelicula.contains(u'/') || nombrePelicula.contains(u'\\') ||
        nombrePelicula.contains(u"..") || nombrePelicula.contains(QChar(0)))
        return {};
    return BuscarImagen(nombrePelicula, QStringLiteral("curvas"));
}
