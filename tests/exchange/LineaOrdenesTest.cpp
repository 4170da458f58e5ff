// garvola --exportar / --importar run as a separate process on a prepared program folder.
#include "shell/AlmacenDatos.h"

#include "exchange/DatosMios.h"
#include "exchange/ExportacionMisDatos.h"
#include "notes/ConsultasNotas.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/EntornoAislado.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

struct Salida {
    int codigo = -1;
    std::string salida, errores;
};

// The program copied into the folder works there, as an unpacked copy does.
Salida Garvola(const CarpetaPruebas& carpeta, const QStringList& argumentos) {
    const QString programa = carpeta.Archivo(QStringLiteral("garvola"));
    if (!QFileInfo::exists(programa)) {
        EXPECT_TRUE(QFile::copy(QStringLiteral(GARVOLA_PROGRAMA), programa));
    }
    CerrarBasesDatos();
    QProcess p;
    p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    p.start(programa, argumentos);
    EXPECT_TRUE(p.waitForFinished(60000));
    try {
        AbrirBasesDatos();
    } catch (const ErrorBD&) {
        // A test that took a database away checks the program's answer, not the files.
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

TEST(LineaOrdenes, ExportarEImportarSinVentana) {
    QTemporaryDir fuera;
    const QString paquete = fuera.path() + QStringLiteral("/mios.zip");
    QStringList original;
    {
        CarpetaPruebas origen;
        datos_mios::LlenarReferencia();
        datos_mios::LlenarMisDatos();
        original = datos_mios::Volcar();
        const Salida s = Garvola(origen, {QStringLiteral("--exportar"), paquete});
        EXPECT_EQ(s.codigo, 0) << s.errores;
        EXPECT_THAT(s.salida, HasSubstr("Tiempos propios: 2"));
        EXPECT_TRUE(QFileInfo(paquete).isFile());
    }
    CarpetaPruebas destino;
    datos_mios::LlenarReferencia(7);
    Salida s = Garvola(destino, {QStringLiteral("--importar"), paquete});
    EXPECT_EQ(s.codigo, 0) << s.errores;
    EXPECT_THAT(s.salida, HasSubstr("Importación terminada"));
    EXPECT_EQ(datos_mios::Volcar(), original);

    ReferenceDb()->Ejecutar("UPDATE NotasMiasPelicula SET Texto = 'mía de ahora'");
    const QStringList cambiado = datos_mios::Volcar();
    s = Garvola(destino, {QStringLiteral("--importar"), paquete});
    EXPECT_EQ(s.codigo, 0) << s.errores;
    EXPECT_THAT(s.salida, HasSubstr("conservados"));
    EXPECT_EQ(datos_mios::Volcar(), cambiado);
    s = Garvola(destino, {QStringLiteral("--importar"), paquete, QStringLiteral("--reemplazar")});
    EXPECT_EQ(s.codigo, 0) << s.errores;
    EXPECT_EQ(datos_mios::Volcar(), original);
}

TEST(LineaOrdenes, TresNotasSinTituloGuardadasEnUnSegundoVuelvenLasTres) {
    QTemporaryDir fuera;
    const QString paquete = fuera.path() + QStringLiteral("/notas.zip");
    QStringList notas;
    {
        CarpetaPruebas origen;
        // Saved as the notes window saves them, until the three fall in one second.
        for (int intento = 0; intento < 5; ++intento) {
            NotesDb()->Ejecutar("DELETE FROM NotasPersonales");
            for (const char* cuerpo : {"{\\rtf1 primera}", "{\\rtf1 segunda}", "{\\rtf1 segunda}"})
                InsertarNota(QString(), QString::fromLatin1(cuerpo));
            if (NotesDb()->Consultar("SELECT COUNT(DISTINCT Fecha) FROM NotasPersonales").Campo(0).toInt() ==
                1)
                break;
        }
        notas = datos_mios::Volcar();
        ASSERT_EQ(notas.size(), 3);
        ASSERT_EQ(notas.filter(notas.front().section(u'|', 1, 1)).size(), 3) << "not in one second";
        const Salida s = Garvola(origen, {QStringLiteral("--exportar"), paquete});
        EXPECT_EQ(s.codigo, 0) << s.errores;
        EXPECT_THAT(s.salida, HasSubstr("Notas personales: 3"));
    }
    CarpetaPruebas destino;
    Salida s = Garvola(destino, {QStringLiteral("--importar"), paquete});
    EXPECT_EQ(s.codigo, 0) << s.errores;
    EXPECT_THAT(s.salida, HasSubstr("Notas personales: 3 nuevas"));
    EXPECT_EQ(datos_mios::Volcar(), notas);
    // Again: all three are there.
    s = Garvola(destino, {QStringLiteral("--importar"), paquete});
    EXPECT_THAT(s.salida, HasSubstr("Notas personales: 0 nuevas, 3 ya existen"));
    EXPECT_EQ(datos_mios::Volcar(), notas);
}

TEST(LineaOrdenes, OtroProgramaLeyendoTzMdbNoDejaNadaEscritoYElMensajeEsCierto) {
    QTemporaryDir fuera;
    const QString paquete = fuera.path() + QStringLiteral("/mios.zip");
    {
        CarpetaPruebas origen;
        datos_mios::LlenarReferencia();
        datos_mios::LlenarMisDatos();
        ExportarMisDatos(paquete);
    }
    CarpetaPruebas destino;
    datos_mios::LlenarReferencia();
    const QStringList antes = datos_mios::Volcar();
    auto otro = BaseDatos::Abrir(RutaBDReferencia(), kClaveBDReferencia);
    otro->Comenzar();
    Consulta lectura = otro->Consultar("SELECT Nombre FROM Peliculas");
    const Salida s = Garvola(destino, {QStringLiteral("--importar"), paquete});
    EXPECT_EQ(s.codigo, 1);
    EXPECT_THAT(s.errores, HasSubstr("otro programa está usando tz.mdb o notasp.mdb"));
    EXPECT_THAT(s.errores, HasSubstr("No se ha escrito nada."));
    EXPECT_EQ(datos_mios::Volcar(), antes);
}

TEST(LineaOrdenes, LosFallosVanAErroresConCodigoDistintoDeCero) {
    CarpetaPruebas carpeta;
    datos_mios::LlenarReferencia();
    const QStringList antes = datos_mios::Volcar();
    carpeta.Escribir(QStringLiteral("malo/manifiesto.csv"), "Formato,Version\r\nGarvola mis datos,1\r\n");
    carpeta.Escribir(QStringLiteral("malo/notas_personales.csv"), "Fecha,Titulo,Texto\r\na,b,c\r\nd,e\r\n");
    Salida s = Garvola(carpeta, {QStringLiteral("--importar"), carpeta.Archivo(QStringLiteral("malo"))});
    EXPECT_EQ(s.codigo, 1);
    EXPECT_THAT(s.errores, HasSubstr("notas_personales.csv, línea 3"));
    EXPECT_TRUE(s.salida.empty()) << s.salida;
    EXPECT_EQ(datos_mios::Volcar(), antes);

    s = Garvola(carpeta, {QStringLiteral("--exportar")});
    EXPECT_EQ(s.codigo, 2);
    EXPECT_THAT(s.errores, HasSubstr("falta el FICHERO después de --exportar"));
    EXPECT_THAT(s.errores, HasSubstr("garvola --exportar FICHERO"));
    CerrarBasesDatos();
    QFile::remove(carpeta.Archivo(QStringLiteral("notasp.mdb")));
    s = Garvola(carpeta, {QStringLiteral("--exportar"), carpeta.Archivo(QStringLiteral("x.zip"))});
    EXPECT_EQ(s.codigo, 1);
    EXPECT_THAT(s.errores, HasSubstr("notasp.mdb"));
    EXPECT_FALSE(QFileInfo::exists(carpeta.Archivo(QStringLiteral("x.zip"))));
}

// Every file and folder under a path, so a run that touched none can be told.
QStringList Listado(const QString& raiz) {
    QStringList r;
    QDirIterator it(raiz, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        r << it.next();
    r.sort();
    return r;
}

TEST(LineaOrdenes, AyudaVersionYErroresNiAbrenVentanaNiTocanArchivos) {
    CarpetaPruebas carpeta(false);
    const QString programa = carpeta.Archivo(QStringLiteral("garvola"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(GARVOLA_PROGRAMA), programa));
    EntornoAislado aislado;
    const QStringList antes = Listado(carpeta.Ruta()) + Listado(aislado.Casa()) + Listado(aislado.Runtime());
    struct Caso {
        QStringList argumentos;
        int codigo;
        const char* salida;
        const char* errores;
    };
    const Caso casos[] = {
        {{QStringLiteral("--help")}, 0, "--importar FICHERO [--reemplazar]", ""},
        {{QStringLiteral("-h")}, 0, "-v, --version", ""},
        {{QStringLiteral("--version")}, 0, "garvola 0.", ""},
        {{QStringLiteral("-v")}, 0, "garvola 0.", ""},
        {{QStringLiteral("--algo-desconocido")}, 2, "", "garvola: opción desconocida: --algo-desconocido"},
        {{QStringLiteral("--importar")}, 2, "", "falta el FICHERO después de --importar"},
    };
    for (const Caso& c : casos) {
        // No window system: a copy that opened its window would end in Qt's fatal error instead.
        QProcess p;
        p.setProcessEnvironment(aislado.Entorno(false));
        p.start(programa, c.argumentos);
        ASSERT_TRUE(p.waitForFinished(30000));
        const std::string salida = p.readAllStandardOutput().toStdString();
        const std::string errores = p.readAllStandardError().toStdString();
        const std::string caso = c.argumentos.join(u' ').toStdString();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << caso;
        EXPECT_EQ(p.exitCode(), c.codigo) << caso << errores;
        EXPECT_THAT(salida, HasSubstr(c.salida)) << caso;
        EXPECT_THAT(errores, HasSubstr(c.errores)) << caso;
        if (c.codigo == 0) {
            EXPECT_TRUE(errores.empty()) << caso << errores;
        } else {
            EXPECT_TRUE(salida.empty()) << caso << salida;
            EXPECT_THAT(errores, HasSubstr("Uso: garvola")) << caso;
        }
    }
    EXPECT_EQ(Listado(carpeta.Ruta()) + Listado(aislado.Casa()) + Listado(aislado.Runtime()), antes);
}

} // namespace
