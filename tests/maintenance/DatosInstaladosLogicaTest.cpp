// A per-user folder of data edition 1 and an installed package of edition 2: the user's databases
// follow the package, every note of the user stays, and nothing is changed when anything fails.
#include "maintenance/DatosInstalados.h"
#include "maintenance/EdicionReferencia.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

const QDateTime kMomento(QDate(2026, 12, 7), QTime(10, 0, 0));

QByteArray Huella(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void Escribir(const QString& ruta, const QByteArray& contenido) {
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}

QVariant Valor(const QString& ruta, const QString& sql) {
    return BaseDatos::Abrir(ruta, kClaveBDReferencia)->Consultar(sql).Campo(0);
}

// A ReferenceDb of one edition: films 1..peliculas, one developer, the formulas given, and
// "tiempos" times of film 1.
void Referencia(const QString& carpeta, int edicion, int peliculas, int tiempos, const QList<int>& formulas) {
    QDir().mkpath(carpeta);
    auto bd = CrearBaseReferencia(QDir(carpeta).filePath(kArchivoBDReferencia));
    for (int p = 1; p <= peliculas; ++p)
        bd->Insertar(QStringLiteral("Peliculas"),
                     {{QStringLiteral("IdPelicula"), p},
                      {QStringLiteral("Nombre"), QStringLiteral("Película %1").arg(p)}});
    bd->Insertar(QStringLiteral("Reveladores"), {{QStringLiteral("IdRevelador"), 1},
                                                 {QStringLiteral("Nombre"), QStringLiteral("Revelador")}});
    for (int f : formulas)
        bd->Insertar(QStringLiteral("Formulas"), {{QStringLiteral("IdFormula"), f},
                                                  {QStringLiteral("Nombre"), QStringLiteral("D-%1").arg(f)}});
    for (int t = 0; t < tiempos; ++t)
        bd->Insertar(QStringLiteral("Tiempos"), {{QStringLiteral("IdPelicula"), 1},
                                                 {QStringLiteral("IdRevelador"), 1},
                                                 {QStringLiteral("ISO"), QString::number(100 * (t + 1))},
                                                 {QStringLiteral("Tiempo35"), QStringLiteral("9:00")},
                                                 {QStringLiteral("Temperatura"), QStringLiteral("20")}});
    RegistrarEdicion(*bd, edicion, kMomento.addDays(-edicion));
}

class DatosInstalados : public ::testing::Test {
protected:
    void SetUp() override {
        CerrarBasesDatos();
        Referencia(Usuario(), 1, 1, 1, {1});
        {
            auto bd = BaseDatos::Abrir(Ref(), kClaveBDReferencia);
            bd->Insertar(
                QStringLiteral("NotasMiasPelicula"),
                {{QStringLiteral("IdPelicula"), 1}, {QStringLiteral("Texto"), QStringLiteral("mi nota")}});
            bd->Insertar(QStringLiteral("NotasMiasRevelador"),
                         {{QStringLiteral("IdRevelador"), 1},
                          {QStringLiteral("Texto"), QStringLiteral("del revelador")}});
            bd->Ejecutar(
                QStringLiteral("UPDATE Formulas SET MisNotasFormulas = 'menos sulfito' WHERE IdFormula = 1"));
        }
        auto notas = CrearBaseNotas(QDir(Usuario()).filePath(kArchivoBDNotas));
        notas->Insertar(QStringLiteral("TiemposPropios"),
                        {{QStringLiteral("Pelicula"), QStringLiteral("Película 1")},
                         {QStringLiteral("Revelador"), QStringLiteral("Mío")},
                         {QStringLiteral("Tiempo35"), QStringLiteral("7:30")}});
        Escribir(Usuario() + QStringLiteral("/imag/films/Pelicula_1.jpg"), "cambiada por el usuario");
        Escribir(Instalada() + QStringLiteral("/imag/films/Pelicula_1.jpg"), "la de la edición 2");
        Escribir(Instalada() + QStringLiteral("/imag/films/Pelicula_2.jpg"), "nueva en la edición 2");
        Escribir(Instalada() + QStringLiteral("/datasheets/Nuevo.pdf"), "%PDF nueva");
    }

    QString Usuario() const { return dir_.path() + QStringLiteral("/usuario"); }
    QString Instalada() const { return dir_.path() + QStringLiteral("/instalada"); }
    QString Ref() const { return QDir(Usuario()).filePath(kArchivoBDReferencia); }
    QStringList Respaldos() const {
        return QDir(Usuario() + QStringLiteral("/respaldo_de_datos"))
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir_;
};

TEST_F(DatosInstalados, LaEdicionInstaladaLlegaConCadaNotaYLosArchivosNuevos) {
    Referencia(Instalada(), 2, 2, 3, {1, 2});
    const PuestaAlDia r = PonerAlDiaDesdeInstalada(Usuario(), Instalada(), {}, kMomento);
    ASSERT_EQ(r.estado, PuestaAlDia::Estado::Hecha) << r.aviso.toStdString();
    EXPECT_THAT(r.aviso.toStdString(), HasSubstr("de la edición 1 a la 2"));
    EXPECT_FALSE(r.aviso.contains(u'\n'));

    EXPECT_EQ(Valor(Ref(), QStringLiteral("SELECT COUNT(*) FROM Tiempos")).toInt(), 3);
    EXPECT_EQ(Valor(Ref(), QStringLiteral("SELECT COUNT(*) FROM Peliculas")).toInt(), 2);
    EXPECT_EQ(Valor(Ref(), QStringLiteral("SELECT MAX(Datos) FROM EdicionDatos")).toInt(), 2);
    EXPECT_EQ(Valor(Ref(), QStringLiteral("SELECT Texto FROM NotasMiasPelicula")).toString(), u"mi nota");
    EXPECT_EQ(Valor(Ref(), QStringLiteral("SELECT Texto FROM NotasMiasRevelador")).toString(),
              u"del revelador");
    EXPECT_EQ(
        Valor(Ref(), QStringLiteral("SELECT MisNotasFormulas FROM Formulas WHERE IdFormula = 1")).toString(),
        u"menos sulfito");
    EXPECT_EQ(BaseDatos::Abrir(QDir(Usuario()).filePath(kArchivoBDNotas))
                  ->Consultar(QStringLiteral("SELECT Tiempo35 FROM TiemposPropios"))
                  .Campo(0)
                  .toString(),
              u"7:30");

    // Both databases were copied aside first, as edition 1.
    ASSERT_EQ(Respaldos().size(), 1);
    const QString copia = Usuario() + QStringLiteral("/respaldo_de_datos/") + Respaldos()[0];
    EXPECT_TRUE(QFileInfo::exists(copia + QStringLiteral("/") + kArchivoBDNotas));
    EXPECT_EQ(Valor(copia + QStringLiteral("/") + kArchivoBDReferencia,
                    QStringLiteral("SELECT MAX(Datos) FROM EdicionDatos"))
                  .toInt(),
              1);

    // New files added; the user's own picture stays as the user left it.
    EXPECT_EQ(Huella(Usuario() + QStringLiteral("/imag/films/Pelicula_2.jpg")),
              Huella(Instalada() + QStringLiteral("/imag/films/Pelicula_2.jpg")));
    EXPECT_TRUE(QFileInfo::exists(Usuario() + QStringLiteral("/datasheets/Nuevo.pdf")));
    QFile cambiada(Usuario() + QStringLiteral("/imag/films/Pelicula_1.jpg"));
    ASSERT_TRUE(cambiada.open(QIODevice::ReadOnly));
    EXPECT_EQ(cambiada.readAll(), QByteArray("cambiada por el usuario"));

    // Once done, the next start finds nothing to do and says nothing.
    const QByteArray despues = Huella(Ref());
    const PuestaAlDia otra = PonerAlDiaDesdeInstalada(Usuario(), Instalada(), {}, kMomento.addSecs(60));
    EXPECT_EQ(otra.estado, PuestaAlDia::Estado::SinCambios);
    EXPECT_TRUE(otra.aviso.isEmpty());
    EXPECT_EQ(Huella(Ref()), despues);
    EXPECT_EQ(Respaldos().size(), 1);
}

TEST_F(DatosInstalados, UnaEdicionQuePerderiaUnaNotaSeRechazaSinCambiarNada) {
    // Edition 2 no longer has formula 1, which the user wrote about.
    Referencia(Instalada(), 2, 2, 3, {2});
    const QByteArray antes = Huella(Ref());
    const PuestaAlDia r = PonerAlDiaDesdeInstalada(Usuario(), Instalada(), {}, kMomento);
    EXPECT_EQ(r.estado, PuestaAlDia::Estado::Rechazada);
    EXPECT_THAT(r.aviso.toStdString(), HasSubstr("no se ha cambiado nada"));
    EXPECT_THAT(r.aviso.toStdString(), HasSubstr("falta la fórmula 1"));
    EXPECT_EQ(Huella(Ref()), antes);
    EXPECT_FALSE(QFileInfo::exists(Usuario() + QStringLiteral("/imag/films/Pelicula_2.jpg")));
}

TEST_F(DatosInstalados, LaMismaEdicionUnaAnteriorOUnaBaseIlegibleNoTocanNada) {
    const QByteArray antes = Huella(Ref());
    Referencia(Instalada(), 1, 2, 3, {1});
    EXPECT_EQ(PonerAlDiaDesdeInstalada(Usuario(), Instalada(), {}, kMomento).estado,
              PuestaAlDia::Estado::SinCambios);
    EXPECT_EQ(Huella(Ref()), antes);

    QFile::remove(QDir(Instalada()).filePath(kArchivoBDReferencia));
    Escribir(QDir(Instalada()).filePath(kArchivoBDReferencia), "no es una base de datos");
    const PuestaAlDia r = PonerAlDiaDesdeInstalada(Usuario(), Instalada(), {}, kMomento);
    EXPECT_EQ(r.estado, PuestaAlDia::Estado::Rechazada);
    EXPECT_EQ(Huella(Ref()), antes);
    EXPECT_TRUE(Respaldos().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Usuario() + QStringLiteral("/imag/films/Pelicula_2.jpg")));
}

} // namespace
