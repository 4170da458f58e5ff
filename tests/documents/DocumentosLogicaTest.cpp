#include "documents/Documentos.h"
#include "documents/Escritorio.h"
#include "shell/EntradasCarpeta.h"
#include "shell/Rutas.h"
#include "soporte/NombresCrudos.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A program folder of its own, with the files each test writes.
class ListaDocumentos : public ::testing::Test {
protected:
    ListaDocumentos() { FijarCarpetaPrograma(dir_.path()); }
    ~ListaDocumentos() override { FijarCarpetaPrograma({}); }

    void Crear(const QString& relativo, qint64 bytes = 10) {
        const QString ruta = dir_.filePath(relativo);
        QDir().mkpath(QFileInfo(ruta).absolutePath());
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(bytes));
    }
    QStringList Nombres(const QString& filtro, const QString& carpeta = QStringLiteral("datasheets")) {
        QStringList n;
        for (const Documento& d : ListarDocumentos(carpeta, filtro).documentos)
            n << d.nombre;
        return n;
    }

    QTemporaryDir dir_;
};

} // namespace

TEST(FormatoTamanoTest, BytesKilobytesYMegabytes) {
    EXPECT_EQ(FormatoTamano(0), "0 B");
    EXPECT_EQ(FormatoTamano(1023), "1023 B");
    EXPECT_EQ(FormatoTamano(1024), "1 KB");
    EXPECT_EQ(FormatoTamano(1048575), "1024 KB");
    EXPECT_EQ(FormatoTamano(1048576), "1.0 MB");
    EXPECT_EQ(FormatoTamano(5'500'000), "5.2 MB");
    // Past the 32-bit range, still right.
    EXPECT_EQ(FormatoTamano(3LL * 1024 * 1024 * 1024), "3072.0 MB");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(FormatoTamano(5'500'000), "5,2 MB");
    QLocale::setDefault(QLocale::c());
}

TEST_F(ListaDocumentos, FiltroSobreElNombreEnteroSinDistinguirMayusculas) {
    Crear("datasheets/Ilford_HP5_datasheet.pdf");
    Crear("datasheets/Kodak_TriX.PDF");
    Crear("datasheets/hp5_curva.jpg");
    Crear("datasheets/fomapan.pdf.txt");
    EXPECT_EQ(Nombres(""), QStringList({"hp5_curva.jpg", "Ilford_HP5_datasheet.pdf", "Kodak_TriX.PDF"}));
    EXPECT_EQ(Nombres("  HP5 "), QStringList({"hp5_curva.jpg", "Ilford_HP5_datasheet.pdf"}));
    EXPECT_EQ(Nombres(".pdf"), QStringList({"Ilford_HP5_datasheet.pdf", "Kodak_TriX.PDF"}));
    EXPECT_TRUE(Nombres("delta").isEmpty());
}

TEST_F(ListaDocumentos, SoloTiposAdmitidosArchivosVisiblesYSinSubcarpetas) {
    for (const char* n : {"a.pdf", "b.JPEG", "c.png", "d.bmp", "e.webp", "f.tif", "g.TIFF", "h.gif", "i.jpg"})
        Crear(QStringLiteral("otrosdoc/") + n);
    Crear("otrosdoc/notes.txt");
    Crear("otrosdoc/README");
    Crear("otrosdoc/.oculto.pdf");
    Crear("otrosdoc/sub.pdf/dentro.pdf");
    const ListadoDocumentos l = ListarDocumentos("otrosdoc", "");
    ASSERT_EQ(l.documentos.size(), 9u);
    EXPECT_EQ(l.conteo, "9 documentos");
    EXPECT_EQ(l.documentos[1].nombre, "b.JPEG");
    EXPECT_EQ(l.documentos[1].tipo, "JPEG");
    EXPECT_EQ(l.documentos[1].tamano, "10 B");
    EXPECT_EQ(l.documentos[1].ruta, QDir(dir_.filePath("otrosdoc")).filePath("b.JPEG"));
    EXPECT_EQ(Nombres("readme", "otrosdoc"), QStringList());
    EXPECT_EQ(ListarDocumentos("otrosdoc", "zz").conteo, "0 documentos");
    EXPECT_EQ(ListarDocumentos("otrosdoc", "a.pdf").conteo, "1 documentos");
}

TEST_F(ListaDocumentos, CarpetaQueFaltaYArchivoDeTresGigas) {
    const ListadoDocumentos l = ListarDocumentos("datasheets", "");
    EXPECT_TRUE(l.documentos.empty());
    EXPECT_EQ(l.conteo, "Carpeta 'datasheets' no encontrada");

    // Sparse: takes no room on disk.
    Crear("datasheets/escaneo.tif", 3LL * 1024 * 1024 * 1024);
    const ListadoDocumentos grande = ListarDocumentos("datasheets", "");
    ASSERT_EQ(grande.documentos.size(), 1u);
    EXPECT_EQ(grande.documentos[0].tamano, "3072.0 MB");
}

TEST_F(ListaDocumentos, UnNombreQueNoEsUtf8SeListaYSeAbrePorSusBytes) {
    const BorradoCrudo borrado(dir_.path());
    Crear("datasheets/Kodak_TriX.pdf");
    const QByteArray carpeta = QFile::encodeName(dir_.filePath("datasheets"));
    ASSERT_TRUE(CrearArchivoCrudo(carpeta + "/Hoja_\xe9xito.pdf", "%PDF-1"));
    const ListadoDocumentos l = ListarDocumentos("datasheets", "");
    ASSERT_EQ(l.documentos.size(), 2u);
    EXPECT_EQ(l.conteo, "2 documentos");
    const Documento& hoja = l.documentos[0];
    EXPECT_EQ(hoja.nombre, QStringLiteral("Hoja_\uFFFDxito.pdf"));
    EXPECT_EQ(hoja.tipo, "PDF");
    EXPECT_EQ(hoja.tamano, "6 B");
    EXPECT_EQ(BytesDeRuta(hoja.ruta), carpeta + "/Hoja_\xe9xito.pdf");
    EXPECT_EQ(Nombres("XITO"), QStringList({QStringLiteral("Hoja_\uFFFDxito.pdf")}));
    // The desktop is handed the real bytes.
    EXPECT_EQ(UrlDeArchivo(hoja.ruta).toEncoded(),
              "file://" + carpeta.toPercentEncoding("/") + "/Hoja_%E9xito.pdf");
    EXPECT_EQ(UrlDeArchivo(l.documentos[1].ruta),
              QUrl::fromLocalFile(dir_.filePath("datasheets/Kodak_TriX.pdf")));
}
