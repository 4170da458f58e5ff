#include "calculators/PerfilesTemp.h"

#include "shell/Archivos.h"
#include "soporte/CarpetaPruebas.h"

#include <QFile>
#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QByteArray Leer(const QString& ruta) {
    QByteArray contenido;
    LeerArchivo(ruta, contenido);
    return contenido;
}

PerfilTemp Perfil(const QString& nombre, int revelador = 0, int segundos = 600) {
    PerfilTemp p;
    p.nombre = nombre;
    p.revelador = qint16(revelador);
    p.agitacion = 2;
    p.tBase = 21.5f;
    p.segundos = qint16(segundos);
    p.formula = 1;
    p.tActual = 18.0f;
    return p;
}

} // namespace

TEST(PerfilesTemp, LineasDelArchivo) {
    auto p = LeerLineaPerfil("Q10 lento|0|1|20.0|600|1|22.5");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->nombre, "Q10 lento");
    EXPECT_EQ(p->agitacion, 1);
    EXPECT_EQ(p->formula, 1);
    EXPECT_FLOAT_EQ(p->tActual, 22.5f);
    EXPECT_EQ(EscribirLineaPerfil(*p), "Q10 lento|0|1|20.0|600|1|22.5");

    p = LeerLineaPerfil("A|0|1|20,5|600");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->formula, 0);
    EXPECT_FLOAT_EQ(p->tBase, 20.5f);
    EXPECT_FLOAT_EQ(p->tActual, 20.5f);
    EXPECT_FLOAT_EQ(LeerLineaPerfil("A|0|1|abc|600")->tBase, 0.0f);

    EXPECT_FALSE(LeerLineaPerfil("B|1|2"));
    EXPECT_FALSE(LeerLineaPerfil("C|x|1|20.0|600"));
    EXPECT_FALSE(LeerLineaPerfil("C|0|1|20.0|40000"));
    EXPECT_FALSE(LeerLineaPerfil("C|0|1|20.0|600|z|20.0"));
    EXPECT_EQ(LeerLineaPerfil("Revelado \xE1gil|0|1|20.0|600")->nombre, QStringLiteral("Revelado ágil"));

    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const QByteArray espanol = EscribirLineaPerfil(Perfil("X"));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(espanol, "X|0|2|21,5|600|1|18,0");
    EXPECT_EQ(LeerLineaPerfil(espanol), Perfil("X"));
}

TEST(PerfilesTemp, NombresSegurosYPropuestos) {
    EXPECT_EQ(NombrePerfilSeguro("  a|b  "), QStringLiteral("a\u00A6b"));
    EXPECT_EQ(NombrePerfilSeguro("x\r\ny"), "x  y");
    // Nothing is cut or turned into "?": a name the file cannot hold is refused, saying why.
    EXPECT_EQ(NombrePerfilSeguro(QString(60, u'x')).size(), 60);
    EXPECT_EQ(ProblemaNombrePerfil(QString(47, u'x') + u"\u0001\u20ac\u00f1"), QString());
    EXPECT_TRUE(ProblemaNombrePerfil(QString(50, u'x') + u"\u00f1").contains(u"máximo es 50"));
    const QString ajenos = ProblemaNombrePerfil(QStringLiteral("Tánico→20° \U0001F600 \u05e9\u05e9"));
    EXPECT_TRUE(ajenos.endsWith(QStringLiteral(": →\U0001F600\u05e9"))) << ajenos.toStdString();
    EXPECT_EQ(NombrePerfilPropuesto(QDateTime(QDate(2025, 3, 15), QTime(14, 30, 22)), 0, 1),
              "250315_143022_Regla7_HC110");
    EXPECT_EQ(NombrePerfilPropuesto(QDateTime(QDate(2031, 12, 1), QTime(9, 5, 0)), 1, 3),
              "311201_090500_Q10_AltaFineza");
}

TEST(PerfilesTemp, LineasIlegiblesNoCortanLaLecturaYSeConservan) {
    CarpetaPruebas carpeta(false);
    const QByteArray original = "A|0|1|20.0|600\r\nB|1|2\r\nC|x|1|20.0|600\r\n\r\nD|3|0|35.0|754|1|9.5\r\n"
                                "E|9|9|20.0|600|7|20.0\r\nraro \x81|1\r\n";
    carpeta.Escribir("perfiles_temp.txt", original);
    ArchivoPerfiles archivo;
    ASSERT_TRUE(archivo.Cargar(RutaPerfiles()));
    ASSERT_EQ(archivo.Cantidad(), 3);
    EXPECT_EQ(archivo.Perfil(0).nombre, "A");
    EXPECT_FLOAT_EQ(archivo.Perfil(0).tActual, 20.0f);
    EXPECT_EQ(archivo.Perfil(1).segundos, 754);
    EXPECT_FLOAT_EQ(archivo.Perfil(1).tBase, 35.0f);
    EXPECT_EQ(archivo.Perfil(2).formula, 7);

    archivo.Eliminar(0);
    ASSERT_TRUE(archivo.Guardar(RutaPerfiles()));
    EXPECT_EQ(Leer(RutaPerfiles()), "B|1|2\r\nC|x|1|20.0|600\r\nD|3|0|35.0|754|1|9.5\r\n"
                                    "E|9|9|20.0|600|7|20.0\r\nraro \x81|1\r\n");
}

TEST(PerfilesTemp, CincuentaYUnoComoMaximoSinPerderLasDemas) {
    CarpetaPruebas carpeta(false);
    QByteArray contenido;
    for (int i = 0; i < 53; ++i)
        contenido += "p" + QByteArray::number(i) + "|0|1|20.0|600|0|20.0\r\n";
    carpeta.Escribir("perfiles_temp.txt", contenido);
    ArchivoPerfiles archivo;
    ASSERT_TRUE(archivo.Cargar(RutaPerfiles()));
    EXPECT_EQ(archivo.Cantidad(), 51);
    EXPECT_TRUE(archivo.Lleno());
    EXPECT_FALSE(archivo.Poner(Perfil("nuevo")));
    EXPECT_FALSE(archivo.Poner(Perfil("p3")));
    EXPECT_EQ(archivo.Perfil(50).nombre, "p50");
    ASSERT_TRUE(archivo.Guardar(RutaPerfiles()));
    EXPECT_EQ(Leer(RutaPerfiles()), contenido);

    // A profile saved in the freed place is listed again at the next reading, ahead of the
    // lines the list could not hold.
    archivo.Eliminar(50);
    EXPECT_TRUE(archivo.Poner(Perfil("nuevo")));
    ASSERT_TRUE(archivo.Guardar(RutaPerfiles()));
    EXPECT_TRUE(Leer(RutaPerfiles()).contains("p49|0|1|20.0|600|0|20.0\r\nnuevo|"));
    EXPECT_TRUE(Leer(RutaPerfiles()).endsWith("\r\np51|0|1|20.0|600|0|20.0\r\np52|0|1|20.0|600|0|20.0\r\n"));
    ArchivoPerfiles otraVez;
    ASSERT_TRUE(otraVez.Cargar(RutaPerfiles()));
    EXPECT_EQ(otraVez.Perfil(50), Perfil("nuevo"));
}

TEST(PerfilesTemp, ArchivoIlegibleNoSeDaPorVacio) {
    CarpetaPruebas carpeta(false);
    carpeta.Escribir("perfiles_temp.txt/dentro", "x"); // a folder where the file should be
    ArchivoPerfiles archivo;
    EXPECT_FALSE(archivo.Cargar(RutaPerfiles()));
    EXPECT_FALSE(archivo.Guardar(RutaPerfiles()));
}

TEST(PerfilesTemp, ValoresFueraDeRangoAlAplicar) {
    PerfilTemp p = Perfil("x", 9, -5);
    p.agitacion = -1;
    p.formula = 2;
    p.tBase = 35;
    p.tActual = 9.5f;
    const PerfilTemp a = PerfilAplicable(p);
    EXPECT_EQ(a.revelador, 1);
    EXPECT_EQ(a.agitacion, 1);
    EXPECT_EQ(a.formula, 0);
    EXPECT_FLOAT_EQ(a.tBase, 30);
    EXPECT_FLOAT_EQ(a.tActual, 10);
    EXPECT_EQ(a.segundos, 0);
    EXPECT_EQ(PerfilAplicable(Perfil("y", 4, 754)), Perfil("y", 4, 754));
}

// Found by fuzzing: a temperature beyond any float came back as infinity, which wrote out as
// something else at each save.
TEST(PerfilesTemp, TemperaturasDesmesuradasSeGuardanComoSeLeen) {
    for (const QByteArray& linea :
         {QByteArray("A/0|7540|7|20.E254009|2\r"), QByteArray("B|1|1|1e300|600|0|-1e39")}) {
        const auto perfil = LeerLineaPerfil(linea);
        ASSERT_TRUE(perfil) << linea.constData();
        EXPECT_TRUE(std::isfinite(perfil->tBase));
        EXPECT_TRUE(std::isfinite(perfil->tActual));
        EXPECT_EQ(LeerLineaPerfil(EscribirLineaPerfil(*perfil)), perfil);
        EXPECT_FLOAT_EQ(PerfilAplicable(*perfil).tBase, 30.0f);
    }
}
