#include "shell/CajaNotas.h"

#include "shell/AvisoDatosPropios.h"
#include "shell/BaseDatos.h"
#include "soporte/DialogosGuion.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kPregunta = QStringLiteral("Hay cambios sin guardar en Mis notas. ¿Guardar?");

// The notes box as both windows use it; the callback stands for the database.
class CajaNotasTest : public ::testing::Test {
protected:
    void SetUp() override { ventana_.show(); }
    CajaNotas::Guardar Guardador(const QString& destino) {
        return [this, destino](const QString& texto) {
            if (!fallo_.isEmpty())
                throw ErrorBD(fallo_);
            guardados_ << destino + u'=' + texto;
        };
    }
    void Mostrar(const QString& destino, const QString& texto) {
        caja_.Mostrar(destino, texto, Guardador(destino));
    }
    void Teclear(const QString& texto) { QTest::keyClicks(caja_.Caja(), texto); }
    bool Guardable() const { return caja_.Boton()->isEnabled(); }

    QWidget ventana_;
    CajaNotas caja_{&ventana_, "txtNotaPersonal", "btnGuardarNota"};
    QStringList guardados_;
    QString fallo_;
};

} // namespace

TEST_F(CajaNotasTest, SinDestinoNoSeEscribeYAlMostrarNoHayCambios) {
    EXPECT_EQ(caja_.Caja()->objectName(), "txtNotaPersonal");
    EXPECT_EQ(caja_.Boton()->objectName(), "btnGuardarNota");
    EXPECT_EQ(caja_.Boton()->text(), "Guardar mis notas");
    QSignalSpy cambios(&caja_, &CajaNotas::TextoCambiado);
    Teclear("huerfana");
    EXPECT_EQ(caja_.Texto(), "");
    EXPECT_FALSE(Guardable());
    EXPECT_TRUE(caja_.Resolver());

    Mostrar("Pelicula/1/10", "guardada");
    EXPECT_EQ(caja_.Texto(), "guardada");
    EXPECT_FALSE(Guardable());
    EXPECT_EQ(cambios.count(), 0);
    caja_.Caja()->moveCursor(QTextCursor::End);
    Teclear("!");
    EXPECT_TRUE(Guardable());
    ASSERT_GE(cambios.count(), 1);
    EXPECT_EQ(cambios.last().at(0).toString(), "Pelicula/1/10");
    QTest::mouseClick(caja_.Boton(), Qt::LeftButton);
    EXPECT_EQ(guardados_, QStringList{"Pelicula/1/10=guardada!"});
    EXPECT_FALSE(Guardable());
    EXPECT_TRUE(Guion().llamadas.empty());
}

// A save that fails keeps the text, its target and the button: nothing typed is lost.
TEST_F(CajaNotasTest, UnGuardadoFallidoLoConservaTodo) {
    Mostrar("Formula/4", "");
    Teclear("importante");
    fallo_ = "disco lleno";
    QTest::mouseClick(caja_.Boton(), Qt::LeftButton);
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].texto, "Error al guardar notas: disco lleno");
    EXPECT_TRUE(Guardable());

    // Yes to the question: the failed save answers false, the text stays for its target.
    Guion().respuestas = {Respuesta::Si};
    EXPECT_FALSE(caja_.Resolver());
    ASSERT_EQ(Guion().llamadas.size(), 3u);
    EXPECT_EQ(Guion().llamadas[1].texto, kPregunta);
    EXPECT_EQ(Guion().llamadas[1].icono, Icono::Pregunta);
    EXPECT_EQ(caja_.Texto(), "importante");
    EXPECT_EQ(caja_.Destino(), "Formula/4");
    EXPECT_TRUE(caja_.Cambiada());

    // Once it can be written, it lands on its own target.
    fallo_.clear();
    Guion().respuestas = {Respuesta::Si};
    EXPECT_TRUE(caja_.Resolver());
    EXPECT_EQ(guardados_, QStringList{"Formula/4=importante"});
    EXPECT_FALSE(caja_.Cambiada());
}

// No leaves the text to the caller; a text carried over a reload is unsaved; a new target takes
// its own callback.
TEST_F(CajaNotasTest, NoSinGuardarYOtroDestino) {
    Mostrar("Formula/1", "uno");
    caja_.PonerSinGuardar("uno y dos");
    EXPECT_TRUE(Guardable());
    Guion().respuestas = {Respuesta::No};
    EXPECT_TRUE(caja_.Resolver());
    EXPECT_TRUE(guardados_.isEmpty());
    EXPECT_EQ(caja_.Texto(), "uno y dos");

    Mostrar("Formula/2", "otra");
    caja_.Caja()->selectAll();
    Teclear("segunda");
    QTest::mouseClick(caja_.Boton(), Qt::LeftButton);
    EXPECT_EQ(guardados_, QStringList{"Formula/2=segunda"});
    caja_.Vaciar();
    EXPECT_TRUE(caja_.Caja()->isReadOnly());
    EXPECT_EQ(caja_.Destino(), "");
    EXPECT_FALSE(caja_.GuardarAhora());
}

// Several announcements in one turn reach a listener once, at the next turn.
TEST(AvisoDatosPropios, SeJuntanEnUnAvisoPorVuelta) {
    QSignalSpy avisos(&AvisoDatosPropios::Instancia(), &AvisoDatosPropios::Cambiados);
    AvisarDatosPropiosCambiados();
    AvisarDatosPropiosCambiados();
    EXPECT_EQ(avisos.count(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(avisos.count(), 1);
    AvisarDatosPropiosCambiados();
    QCoreApplication::processEvents();
    EXPECT_EQ(avisos.count(), 2);
}
