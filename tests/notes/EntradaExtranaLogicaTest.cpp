// Text nobody types every day, as the note windows hand it to the databases: 10,000 characters,
// control characters, emoji, right-to-left scripts and direction marks come back unchanged.
#include "devtimes/ConsultasTiempos.h"
#include "notes/ConsultasNotas.h"
#include "notes/TextoRtf.h"
#include "shell/AlmacenDatos.h"

#include "soporte/CarpetaPruebas.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace {
QString TextoExtrano() {
    const QString trozo =
        QStringLiteral("Foma 📷 \u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627 \u202e"
                       "al rev\u00e9s\u202c e\u0301 \u0001\u0007\u001b\t\u00a0\u200b🇪🇸 ");
    QString texto;
    while (texto.size() < 10000)
        texto += trozo;
    return u"x" + texto.left(9998) + u"x";
}
} // namespace

TEST(EntradaExtrana, NotaPersonalDeDiezMilCaracteres) {
    CarpetaPruebas carpeta;
    const QString texto = TextoExtrano();
    ASSERT_EQ(texto.size(), 10000);
    const QString& cuerpo = texto;
    QTextDocument documento;
    documento.setPlainText(cuerpo);
    const qint64 id = InsertarNota(texto, EscribirRtf(documento));
    const auto nota = LeerNota(id);
    ASSERT_TRUE(nota);
    EXPECT_EQ(nota->titulo, texto);
    QTextDocument leido;
    LeerRtf(QStringView(nota->texto), leido);
    // toPlainText would show the no-break spaces as blanks.
    EXPECT_EQ(leido.toRawText(), cuerpo);

    ASSERT_EQ(ActualizarNota(id, texto + texto, nota->texto), id);
    EXPECT_EQ(LeerNota(id)->titulo.size(), 20000);
}

TEST(EntradaExtrana, NotaDePeliculaYReveladorDeDiezMilCaracteres) {
    CarpetaPruebas carpeta;
    const QString texto = TextoExtrano() + u"\r\nsegunda l\u00ednea";
    const int id = GuardarNotaMia(false, 0, 3, 4, texto);
    const auto nota = LeerNotaMia(false, 3, 4);
    ASSERT_TRUE(nota);
    EXPECT_EQ(nota->idNota, id);
    EXPECT_EQ(nota->texto, texto);
}
