#include "shell/Rutas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void Escribir(const QString& ruta, const QByteArray& contenido) {
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(CarpetaPrograma, CopiaDeTrabajoInstaladaOSoloLectura) {
    QTemporaryDir dir;
    const QString bin = dir.filePath("bin"), datos = dir.filePath("share/garvola"),
                  usuario = dir.filePath("casa");
    QDir().mkpath(bin);
    // A folder such as dist/garvola: the program works where it stands.
    EXPECT_EQ(ElegirCarpetaPrograma(bin, datos, usuario), bin);
    // An installed copy works in the user's folder, even when its own folder could be written.
    QDir().mkpath(datos);
    EXPECT_EQ(ElegirCarpetaPrograma(bin, datos, usuario), usuario);
    QDir(datos).removeRecursively();
    // A folder that cannot be written (for root every folder can, so there is nothing to check).
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(bin).isWritable()) {
        EXPECT_EQ(ElegirCarpetaPrograma(bin, datos, usuario), usuario);
    }
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(CarpetaPrograma, SiembraUnaVezYNuncaSobrescribe) {
    QTemporaryDir dir;
    const QString origen = dir.filePath("share/garvola"), usuario = dir.filePath("casa/garvola");
    Escribir(origen + "/tz.mdb", "instalada");
    Escribir(origen + "/imag/films/hp5.jpg", "foto");
    Escribir(origen + "/UXEL Garvola _ Manual.htm", "manual");
    Escribir(origen + "/garvola", "ejecutable");
    // Installed files are read-only; the seeded copies must be writable.
    QFile::setPermissions(origen + "/tz.mdb", QFile::ReadOwner | QFile::ReadGroup);

    QStringList copiados = SembrarCarpeta(origen, usuario, {"garvola"});
    copiados.sort();
    EXPECT_EQ(copiados, (QStringList{"UXEL Garvola _ Manual.htm", "imag/films/hp5.jpg", "tz.mdb"}));
    EXPECT_EQ(Leer(usuario + "/imag/films/hp5.jpg"), "foto");
    EXPECT_FALSE(QFileInfo::exists(usuario + "/garvola"));
    EXPECT_TRUE(QFileInfo(usuario + "/tz.mdb").permissions() & QFile::WriteOwner);

    // The user's database and a picture they replaced stay as they are; only what is missing comes.
    Escribir(usuario + "/tz.mdb", "con mis notas");
    Escribir(usuario + "/imag/films/hp5.jpg", "mi foto");
    QFile::remove(usuario + "/UXEL Garvola _ Manual.htm");
    EXPECT_EQ(SembrarCarpeta(origen, usuario, {"garvola"}), QStringList{"UXEL Garvola _ Manual.htm"});
    EXPECT_EQ(Leer(usuario + "/tz.mdb"), "con mis notas");
    EXPECT_EQ(Leer(usuario + "/imag/films/hp5.jpg"), "mi foto");
    EXPECT_TRUE(SembrarCarpeta(origen, usuario, {"garvola"}).isEmpty());
}
