#include "shell/Archivos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

void Escribir(const QString& ruta, const QByteArray& contenido) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(contenido), contenido.size());
}

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no se lee>");
}

// Writes beyond a few bytes fail with EFBIG while it lives, for every user (root too).
class LimiteTamano {
public:
    explicit LimiteTamano(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previo_);
        senal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nuevo = previo_;
        nuevo.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &nuevo);
    }
    ~LimiteTamano() {
        setrlimit(RLIMIT_FSIZE, &previo_);
        std::signal(SIGXFSZ, senal_);
    }

private:
    rlimit previo_{};
    void (*senal_)(int) = nullptr;
};

TEST(LeerArchivo, ElLimiteSeLeeEnteroYUnByteMasSeRechaza) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("datos.bin");
    Escribir(ruta, QByteArray(100, 'a'));

    QByteArray contenido;
    ASSERT_TRUE(LeerArchivo(ruta, contenido, 100));
    EXPECT_EQ(contenido, QByteArray(100, 'a'));
    ASSERT_TRUE(LeerArchivo(ruta, contenido));
    EXPECT_EQ(contenido.size(), 100);

    contenido = "previo";
    const ResultadoArchivo r = LeerArchivo(ruta, contenido, 99);
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.excede);
    EXPECT_EQ(r.error, QFileDevice::NoError);
    EXPECT_EQ(contenido, "previo"); // untouched

    // An empty file is read whatever the limit.
    Escribir(ruta, {});
    EXPECT_TRUE(LeerArchivo(ruta, contenido, 0));
    EXPECT_TRUE(contenido.isEmpty());
}

TEST(LeerArchivo, UnArchivoQueNoEstaDiceElMotivoYNoExcede) {
    QTemporaryDir dir;
    QByteArray contenido = "previo";
    const ResultadoArchivo r = LeerArchivo(dir.filePath("no-esta.txt"), contenido, 10);
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.excede);
    EXPECT_NE(r.error, QFileDevice::NoError);
    EXPECT_FALSE(r.motivo.isEmpty());
    EXPECT_EQ(contenido, "previo");
}

TEST(EscribirArchivoSeguro, SustituyeElArchivoYNoDejaNadaMas) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("garvola.cfg");
    Escribir(ruta, "viejo");
    ASSERT_TRUE(EscribirArchivoSeguro(ruta, "nuevo"));
    EXPECT_EQ(Leer(ruta), "nuevo");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"garvola.cfg"});
}

// A write cut short (the disk full, a size limit) must not leave a half-written file where the
// old one was.
TEST(EscribirArchivoSeguro, UnaEscrituraFallidaDejaElArchivoViejo) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("perfiles_temp.txt");
    const QByteArray viejo(2000, 'v');
    Escribir(ruta, viejo);

    ResultadoArchivo r;
    {
        const LimiteTamano limite(4096);
        r = EscribirArchivoSeguro(ruta, QByteArray(1 << 20, 'n'));
    }
    EXPECT_FALSE(r);
    EXPECT_NE(r.error, QFileDevice::NoError);
    EXPECT_FALSE(r.motivo.isEmpty());
    EXPECT_EQ(Leer(ruta), viejo);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"perfiles_temp.txt"});
}

TEST(EscribirArchivoSeguro, UnaCarpetaQueNoEstaEsUnFallo) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("falta/garvola.cfg");
    const ResultadoArchivo r = EscribirArchivoSeguro(ruta, "x");
    EXPECT_FALSE(r);
    EXPECT_FALSE(QFile::exists(ruta));
}

} // namespace
