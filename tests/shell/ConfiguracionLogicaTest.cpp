#include "shell/Configuracion.h"

#include "soporte/CarpetaPruebas.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
} // namespace

TEST(Configuracion, LecturaRecortadaYExacta) {
    CarpetaPruebas carpeta(false);
    carpeta.Escribir("garvola.cfg",
                     "texto libre\r\n\r\n  fondo = minusculas.jpg\r\n   Fondo   =   a=b.jpg  \r\n"
                     "Fondo=segundo.jpg\r\n");
    EXPECT_EQ(LeerCfg("Fondo"), "a=b.jpg");
    EXPECT_EQ(LeerCfg("fondo"), "minusculas.jpg");
    EXPECT_EQ(LeerCfg("Otra"), "");
}

TEST(Configuracion, ValorVacioYArchivoAusente) {
    CarpetaPruebas carpeta(false);
    EXPECT_EQ(LeerCfg("Fondo"), "");
    carpeta.Escribir("garvola.cfg", "Fondo=\r\n");
    EXPECT_EQ(LeerCfg("Fondo"), "");
}

TEST(Configuracion, GuardarDejaUnaLineaAlFinalYConservaLasDemas) {
    CarpetaPruebas carpeta(false);
    carpeta.Escribir("garvola.cfg", "Fondo=uno.jpg\r\nnota sin igual\r\n\r\n Fondo = dos.jpg\r\nOtra=1\r\n");
    ASSERT_TRUE(GuardarCfg("Fondo", " tz_fnd_03.jpg"));
    EXPECT_EQ(Leer(carpeta.Archivo("garvola.cfg")),
              "nota sin igual\r\n\r\nOtra=1\r\nFondo= tz_fnd_03.jpg\r\n");
    EXPECT_EQ(LeerCfg("Fondo"), "tz_fnd_03.jpg");
}

TEST(Configuracion, GuardarCreaElArchivoEnWindows1252) {
    CarpetaPruebas carpeta(false);
    ASSERT_TRUE(GuardarCfg("Fondo", QStringLiteral("montaña.jpg")));
    EXPECT_EQ(Leer(carpeta.Archivo("garvola.cfg")), QByteArray("Fondo=monta\xF1"
                                                               "a.jpg\r\n"));
    EXPECT_EQ(LeerCfg("Fondo"), QStringLiteral("montaña.jpg"));
}
