// The program started as main() starts it, on program folders nobody should hand it: each case ends
// in a Spanish message naming the file or in the quiet default, and no file is changed.
#include "app/Arranque.h"
#include "app/frmMDI.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QMap>
#include <QMdiSubWindow>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Archivos = QMap<QString, QByteArray>;

// The unprivileged user the read-only cases run as when the tests run as root.
constexpr uid_t kNadie = 65534;

// Every file of the program folder but the per-user settings, which the program may write.
Archivos Contenido(const CarpetaPruebas& carpeta) {
    Archivos archivos;
    QDirIterator it(carpeta.Ruta(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString ruta = it.next();
        const QString relativa = QDir(carpeta.Ruta()).relativeFilePath(ruta);
        if (relativa.startsWith(u"ajustes/"))
            continue;
        QFile f(ruta);
        archivos[relativa] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ilegible)");
    }
    return archivos;
}

QByteArray Aleatorios(qsizetype largo, quint32 semilla) {
    QRandomGenerator azar(semilla);
    QByteArray bytes(largo, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(azar.generate() & 0xff);
    return bytes;
}

QByteArray Jpeg(const QImage& imagen) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    imagen.save(&buffer, "JPG", 30);
    return bytes;
}

// A small JPEG whose frame header announces ancho x alto.
QByteArray JpegQueAnuncia(int ancho, int alto) {
    QImage imagen(16, 16, QImage::Format_RGB32);
    imagen.fill(Qt::gray);
    QByteArray bytes = Jpeg(imagen);
    const qsizetype sof = bytes.indexOf("\xff\xc0");
    if (sof >= 0) {
        bytes[sof + 5] = char(alto >> 8);
        bytes[sof + 6] = char(alto & 0xff);
        bytes[sof + 7] = char(ancho >> 8);
        bytes[sof + 8] = char(ancho & 0xff);
    }
    return bytes;
}

// A folder the program has started on once: what the first start creates is there already.
void Preparar() {
    AbrirBasesDatos();
    CrearTablaNotasMias();
    CerrarBasesDatos();
}

struct Arranque {
    bool arranco = false;
    std::vector<DialogosGuion::Llamada> llamadas;
    QSize fondo;
};

Arranque Arrancar() {
    Guion().llamadas.clear();
    frmMDI principal;
    Arranque r;
    r.arranco = Arrancar(principal);
    r.llamadas = Guion().llamadas;
    r.fondo = principal.Area()->Fondo().size();
    CerrarBasesDatos();
    return r;
}

// A refusal at start: one critical message that names the file and says why.
void EsperarRechazo(const Arranque& r, const QString& archivo, const QString& motivo) {
    EXPECT_FALSE(r.arranco);
    ASSERT_EQ(r.llamadas.size(), 1u);
    EXPECT_EQ(r.llamadas[0].icono, Icono::Critico);
    EXPECT_TRUE(r.llamadas[0].texto.startsWith(u"No se pudo abrir la base de datos " + archivo + u": "))
        << r.llamadas[0].texto.toStdString();
    EXPECT_TRUE(r.llamadas[0].texto.contains(motivo)) << r.llamadas[0].texto.toStdString();
    EXPECT_EQ(ReferenceDb(), nullptr);
}

void EsperarArranqueCallado(const Arranque& r) {
    EXPECT_TRUE(r.arranco);
    for (const auto& l : r.llamadas)
        ADD_FAILURE() << "unexpected message: " << l.texto.toStdString();
}

} // namespace

TEST(CarpetasHostiles, BaseDeReferenciaAusenteOVacia) {
    CarpetaPruebas carpeta(false);
    QFile::remove(RutaBDReferencia());
    const Archivos antes = Contenido(carpeta);
    EsperarRechazo(Arrancar(), "tz.mdb", "no se encuentra el archivo");
    EXPECT_EQ(Contenido(carpeta), antes);

    // An empty file would open as a new database: it is refused and stays empty.
    carpeta.Escribir("tz.mdb", {});
    const Archivos vacia = Contenido(carpeta);
    EsperarRechazo(Arrancar(), "tz.mdb", QStringLiteral("el archivo está vacío"));
    EXPECT_EQ(Contenido(carpeta), vacia);
    EXPECT_EQ(QFileInfo(RutaBDReferencia()).size(), 0);
}

TEST(CarpetasHostiles, BaseDeReferenciaCortadaAleatoriaODeOtraClave) {
    CarpetaPruebas carpeta(false);
    QFile f(RutaBDReferencia());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray entera = f.readAll();
    f.close();
    const QString danada =
        QStringLiteral("el archivo está dañado o no es una base de datos de este programa");

    for (const QByteArray& contenido :
         {entera.left(entera.size() / 2), entera.left(100), Aleatorios(64 * 1024, 7)}) {
        carpeta.Escribir("tz.mdb", contenido);
        const Archivos antes = Contenido(carpeta);
        EsperarRechazo(Arrancar(), "tz.mdb", danada);
        EXPECT_EQ(Contenido(carpeta), antes);
    }

    QFile::remove(RutaBDReferencia());
    {
        BaseDatos::Opciones o;
        o.clave = QStringLiteral("otra clave");
        o.crear = true;
        CrearEsquema(*BaseDatos::Abrir(RutaBDReferencia(), o), EsquemaReferencia());
    }
    const Archivos antes = Contenido(carpeta);
    EsperarRechazo(Arrancar(), "tz.mdb", danada);
    EXPECT_EQ(Contenido(carpeta), antes);
}

TEST(CarpetasHostiles, BaseDeReferenciaSinLasTablasDelPrograma) {
    CarpetaPruebas carpeta(false);
    QFile::remove(RutaBDReferencia());
    {
        BaseDatos::Opciones o;
        o.clave = kClaveBDReferencia;
        o.crear = true;
        BaseDatos::Abrir(RutaBDReferencia(), o)->Ejecutar(QStringLiteral("CREATE TABLE Otra (a TEXT)"));
    }
    const Archivos antes = Contenido(carpeta);
    EsperarRechazo(Arrancar(), "tz.mdb", "no contiene la tabla Peliculas");
    EXPECT_EQ(Contenido(carpeta), antes);
}

TEST(CarpetasHostiles, BaseDeNotasDanada) {
    CarpetaPruebas carpeta(false);
    carpeta.Escribir("notasp.mdb", Aleatorios(8192, 11));
    const Archivos antes = Contenido(carpeta);
    EsperarRechazo(Arrancar(), "notasp.mdb", QStringLiteral("dañado"));
    EXPECT_EQ(Contenido(carpeta), antes);
}

// The engine opens a file it may not write for reading only: the program says so and goes on.
// Root writes whatever the permissions say, so the start runs in a child that gives up root.
TEST(CarpetasHostiles, BasesDeSoloLectura) {
    for (const bool carpetaEntera : {false, true}) {
        CarpetaPruebas carpeta(false);
        Preparar();
        // The user who starts the program owns the folder.
        if (::geteuid() == 0) {
            QDirIterator it(carpeta.Ruta(), QDir::AllEntries | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                (void)!::chown(QFile::encodeName(it.next()).constData(), kNadie, kNadie);
            (void)!::chown(QFile::encodeName(carpeta.Ruta()).constData(), kNadie, kNadie);
        }
        ::chmod(QFile::encodeName(carpeta.Ruta()).constData(), carpetaEntera ? 0555 : 0755);
        ::chmod(QFile::encodeName(RutaBDNotas()).constData(), 0444);
        if (carpetaEntera)
            ::chmod(QFile::encodeName(RutaBDReferencia()).constData(), 0444);
        const Archivos antes = Contenido(carpeta);

        int pipa[2];
        ASSERT_EQ(::pipe(pipa), 0);
        const pid_t hijo = ::fork();
        ASSERT_GE(hijo, 0);
        if (hijo == 0) {
            ::close(pipa[0]);
            if (::geteuid() == 0 && (::setgid(kNadie) != 0 || ::setuid(kNadie) != 0))
                ::_exit(3);
            const Arranque r = Arrancar();
            QByteArray informe = r.arranco ? "1\n" : "0\n";
            for (const auto& l : r.llamadas)
                informe += QByteArray::number(int(l.icono)) + '|' + l.texto.toUtf8() + '\n';
            (void)!::write(pipa[1], informe.constData(), size_t(informe.size()));
            ::_exit(0);
        }
        ::close(pipa[1]);
        QByteArray informe;
        char trozo[4096];
        for (ssize_t n; (n = ::read(pipa[0], trozo, sizeof trozo)) > 0;)
            informe.append(trozo, n);
        ::close(pipa[0]);
        int estado = 0;
        ::waitpid(hijo, &estado, 0);
        ::chmod(QFile::encodeName(carpeta.Ruta()).constData(), 0700);
        ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << estado;

        const QList<QByteArray> lineas = informe.split('\n');
        ASSERT_GE(lineas.size(), 2);
        EXPECT_EQ(lineas[0], "1") << informe.toStdString();
        const QString aviso = QString::fromUtf8(lineas[1]);
        EXPECT_TRUE(aviso.startsWith(QString::number(int(Icono::Exclamacion)) + u'|'))
            << informe.toStdString();
        EXPECT_TRUE(aviso.contains(carpetaEntera ? QStringLiteral("tz.mdb y notasp.mdb son de solo lectura")
                                                 : QStringLiteral("notasp.mdb es de solo lectura")))
            << informe.toStdString();
        EXPECT_EQ(Contenido(carpeta), antes);
    }
}

TEST(CarpetasHostiles, SinCarpetaDeImagenesNiFondo) {
    CarpetaPruebas carpeta(false);
    Preparar();
    QDir(carpeta.Archivo("imag")).removeRecursively();
    carpeta.Escribir("garvola.cfg", "Fondo=propio.png\r\n");
    const Archivos antes = Contenido(carpeta);
    const Arranque r = Arrancar();
    EsperarArranqueCallado(r);
    EXPECT_TRUE(r.fondo.isEmpty());
    EXPECT_EQ(Contenido(carpeta), antes);
}

TEST(CarpetasHostiles, FondosEnormes) {
    CarpetaPruebas carpeta(false);
    Preparar();
    // Announced beyond the limit: no picture, no message, nothing decoded.
    carpeta.Escribir("imag/anuncia.jpg", JpegQueAnuncia(60000, 60000));
    carpeta.Escribir("garvola.cfg", "Fondo=anuncia.jpg\r\n");
    Arranque r = Arrancar();
    EsperarArranqueCallado(r);
    EXPECT_TRUE(r.fondo.isEmpty());

    // 100 megapixels is within the limit: shown.
    QImage grande(10000, 10000, QImage::Format_Grayscale8);
    grande.fill(90);
    carpeta.Escribir("imag/grande.jpg", Jpeg(grande));
    grande = QImage();
    carpeta.Escribir("garvola.cfg", "Fondo=grande.jpg\r\n");
    const Archivos antes = Contenido(carpeta);
    r = Arrancar();
    EsperarArranqueCallado(r);
    EXPECT_EQ(r.fondo, QSize(10000, 10000));
    EXPECT_EQ(Contenido(carpeta), antes);
}

TEST(CarpetasHostiles, AjustesDeDiezMegasAleatorios) {
    CarpetaPruebas carpeta(false);
    Preparar();
    carpeta.Escribir("garvola.cfg", Aleatorios(10 * 1024 * 1024, 3));
    const Archivos antes = Contenido(carpeta);
    const Arranque r = Arrancar();
    EsperarArranqueCallado(r);
    EXPECT_EQ(Contenido(carpeta), antes);
}

TEST(CarpetasHostiles, PerfilConLineaDeUnMega) {
    CarpetaPruebas carpeta(false);
    const QByteArray largo = QByteArray(1024 * 1024, 'n') + "|1|1|20.0|600|0|20.0\r\n";
    const QByteArray basura = QByteArray(1024 * 1024, '|') + "\r\n";
    Preparar();
    carpeta.Escribir("perfiles_temp.txt", largo + basura + "corto|0|1|20.0|600|0|20.0\r\n");
    const Archivos antes = Contenido(carpeta);
    Guion().llamadas.clear();
    {
        frmMDI principal;
        ASSERT_TRUE(Arrancar(principal));
        principal.Accion("mnuCalcTiempoTemp")->trigger();
        auto* lista = principal.findChild<QListWidget*>("lstPerfiles");
        ASSERT_NE(lista, nullptr);
        ASSERT_EQ(lista->count(), 2);
        EXPECT_EQ(lista->item(0)->text().size(), 1024 * 1024);
        EXPECT_EQ(lista->item(1)->text(), "corto");
        principal.Area()->closeAllSubWindows();
    }
    EXPECT_TRUE(Guion().llamadas.empty());
    EXPECT_EQ(Contenido(carpeta), antes);
}
