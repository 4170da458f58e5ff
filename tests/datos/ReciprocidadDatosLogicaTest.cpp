#include "calculators/Reciprocidad.h"
#include "shell/Csv.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <gtest/gtest.h>

// The technical sheet quotes the makers' exponents; the reciprocity curves must use the same ones.
TEST(ReciprocidadDatos, HojaTecnicaYTablaDeCurvasConcuerdan) {
    const QDir csv(QStringLiteral(GARVOLA_DATOS_CSV));
    const TablaCsv peliculas = LeerCsv(csv.filePath(QStringLiteral("Peliculas.csv")));
    const TablaCsv info = LeerCsv(csv.filePath(QStringLiteral("PeliculasInfoTec.csv")));
    QHash<QString, QString> nombres;
    for (const FilaCsv& f : peliculas.filas)
        nombres.insert(peliculas.Valor(f, "IdPelicula").value_or(""),
                       peliculas.Valor(f, "Nombre").value_or(""));

    const QRegularExpression formula(QStringLiteral("tm\\^(\\d+),(\\d+)"));
    int comparadas = 0;
    for (const FilaCsv& f : info.filas) {
        const auto m = formula.match(info.Valor(f, "CorreccionReciprocidad").value_or(""));
        if (!m.hasMatch())
            continue;
        const double p = QString(m.captured(1) + u'.' + m.captured(2)).toDouble();
        const QString nombre = nombres.value(info.Valor(f, "IdPelicula").value_or(""));
        // "Ilford XP2 Super" is "Ilford XP2 Super 400" there, "Kentmere Pan 400" is "Kentmere 400".
        QString prefijo = nombre;
        if (nombre.startsWith(u"Kentmere "))
            prefijo.remove(QStringLiteral("Pan "));
        int encontradas = 0;
        for (const PeliculaRecip& r : TablaPeliculas()) {
            const QString tabla = QString::fromUtf16(r.nombre);
            if (tabla == prefijo || tabla.startsWith(prefijo + u' ')) {
                ++encontradas;
                EXPECT_DOUBLE_EQ(r.p, p) << tabla.toStdString();
            }
        }
        EXPECT_EQ(encontradas, 1) << nombre.toStdString();
        ++comparadas;
    }
    EXPECT_GE(comparadas, 9);
}
