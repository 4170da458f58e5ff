#include "datos/CopiaCsv.h"
#include "shell/Csv.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString kFuentes = QDir(kCsvEnvio).filePath(QStringLiteral("fuentes"));

QString Campo(const TablaCsv& t, const FilaCsv& f, const char* columna) {
    return t.Valor(f, QString::fromUtf8(columna)).value_or(QString());
}

QString Sha256(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex());
}

TablaCsv Tabla(const QString& archivo) {
    return LeerCsv(QDir(kCsvEnvio).filePath(archivo));
}

} // namespace

// A kept sheet is the one its record names: listed, present, and unchanged since it was read.
TEST(FuentesDatos, CadaHojaGuardadaEstaEnElIndiceConSuHuella) {
    const TablaCsv indice = LeerCsv(QDir(kFuentes).filePath(QStringLiteral("INDICE.csv")));
    ASSERT_FALSE(indice.filas.empty());
    QSet<QString> listadas;
    for (const FilaCsv& f : indice.filas) {
        const QString archivo = Campo(indice, f, "Archivo");
        listadas.insert(archivo);
        EXPECT_FALSE(Campo(indice, f, "Origen").isEmpty()) << archivo.toStdString();
        EXPECT_FALSE(Campo(indice, f, "Edicion").isEmpty()) << archivo.toStdString();
        EXPECT_FALSE(Campo(indice, f, "Paginas").isEmpty()) << archivo.toStdString();
        EXPECT_EQ(Sha256(QDir(kFuentes).filePath(archivo)), Campo(indice, f, "Sha256"))
            << archivo.toStdString();
    }
    for (const QString& archivo : QDir(kFuentes).entryList(QDir::Files)) {
        if (archivo != u"INDICE.csv") {
            EXPECT_TRUE(listadas.contains(archivo)) << archivo.toStdString() << " no está en INDICE.csv";
        }
    }
}

// A film with no black-and-white times says in its technical sheet how it is developed, as its
// maker prints it (the sheets are in datos/fuentes).
TEST(FuentesDatos, LasPeliculasQueNoSeRevelanEnBlancoYNegroDicenSuProceso) {
    const TablaCsv info = Tabla(QStringLiteral("PeliculasInfoTec.csv"));
    const std::map<QString, QString> esperado{
        // harman_conversion_kodak_ilford.pdf p2: XP2 Super, "with the convenience of C41 colour processing"
        {QStringLiteral("8"), QStringLiteral("C-41")},
        // kodak_e4050_portra_400_2016-02.pdf p2: "KODAK FLEXICOLOR Chemicals for Process C-41"
        {QStringLiteral("18"), QStringLiteral("C-41")},
        // kodak_e4046_ektar_100_2016-02.pdf p2: "KODAK FLEXICOLOR Chemicals for Process C-41"
        {QStringLiteral("19"), QStringLiteral("C-41")},
        // kodak_e7022_gold_200_2022-03.pdf p2: "Use KODAK FLEXICOLOR Chemicals for Process C-41"
        {QStringLiteral("20"), QStringLiteral("C-41")},
        // foma_fomapan_100_classic_05-22.pdf p1: reversal "in a Processing set for FOMAPAN R-100"
        {QStringLiteral("25"), QStringLiteral("Kit de inversión FOMAPAN R-100")},
    };
    int vistas = 0;
    for (const FilaCsv& f : info.filas) {
        const auto it = esperado.find(Campo(info, f, "IdPelicula"));
        if (it == esperado.end())
            continue;
        ++vistas;
        EXPECT_TRUE(Campo(info, f, "ProcesoCompatible").contains(it->second))
            << "película " << it->first.toStdString() << ": "
            << Campo(info, f, "ProcesoCompatible").toStdString();
    }
    EXPECT_EQ(vistas, int(esperado.size()));
}

// A film without times is absent on purpose, and the data set's notes say why.
TEST(FuentesDatos, CadaPeliculaSinTiemposTieneSuMotivoEnElLeeme) {
    QFile leeme(QDir(kCsvEnvio).filePath(QStringLiteral("LEEME.md")));
    ASSERT_TRUE(leeme.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(leeme.readAll());
    const qsizetype inicio = texto.indexOf(QStringLiteral("## Películas sin tiempos y por qué"));
    ASSERT_GE(inicio, 0);
    const QString seccion = texto.mid(inicio, texto.indexOf(QStringLiteral("\n## "), inicio + 1) - inicio);

    const TablaCsv tiempos = Tabla(QStringLiteral("Tiempos.csv"));
    QSet<QString> conTiempos;
    for (const FilaCsv& f : tiempos.filas)
        conTiempos.insert(Campo(tiempos, f, "IdPelicula"));
    const TablaCsv peliculas = Tabla(QStringLiteral("Peliculas.csv"));
    int sinTiempos = 0;
    for (const FilaCsv& f : peliculas.filas) {
        if (conTiempos.contains(Campo(peliculas, f, "IdPelicula")))
            continue;
        ++sinTiempos;
        EXPECT_TRUE(seccion.contains(Campo(peliculas, f, "Nombre")))
            << Campo(peliculas, f, "Nombre").toStdString() << " no tiene tiempos ni motivo en LEEME.md";
    }
    EXPECT_GT(sinTiempos, 0);
}
