// Text nobody types every day, as the note windows hand it to the databases: 10,000 characters,
// control characters, emoji, right-to-left scripts and direction marks come back unchanged.
#include "devtimes/ConsultasTiempos.h"
#include "notes/ConsultasNotas.h"
#include "notes/EscritorRtf.h"
#include "notes/LectorRtf.h"
#include "shell/AlmacenDatos.h"

#include "soporte/CarpetaPruebas.h"
#include "soporte/TextoExtrano.h"

#include <QTextDocument>
#include <gtest/gtest.h>

TEST(EntradaExtrana, NotaPersonalDeDiezMilCaracteres) {
    CarpetaPruebas carpeta;
    const QString texto = TextoExtrano();
    ASSERT_EQ(texto.size(), 10000);
    QTextDocument documento;
    documento.setPlainText(texto);
    const qint64 id = InsertarNota(texto, EscribirRtf(documento));
    const auto nota = LeerNota(id);
    ASSERT_TRUE(nota);
    EXPECT_EQ(nota->titulo, texto);
    QTextDocument leido;
    LeerRtf(QStringView(nota->texto), leido);
    EXPECT_EQ(leido.toRawText(), texto);

    ASSERT_EQ(ActualizarNota(id, nota->fecha, texto + texto, nota->texto), id);
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
