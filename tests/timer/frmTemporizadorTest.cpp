#include "timer/frmTemporizador.h"

#include "calculators/frmCalcDilucion.h"
#include "shell/AlmacenDatos.h"
#include "shell/Tema.h"
#include "soporte/Capturas.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"
#include "soporte/TextoExtrano.h"
#include "soporte/VentanaPrueba.h"
#include "timer/CuadernoRevelado.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

class RelojPrueba : public Reloj {
public:
    explicit RelojPrueba(qint64* ms) : ms_(ms) {}
    qint64 Milisegundos() const override { return *ms_; }

private:
    qint64* ms_;
};

struct Cuenta {
    int agitar = 0, fin = 0;
    QString error; // what the sound says went wrong
};

class SonidoPrueba : public Sonido {
public:
    SonidoPrueba(Cuenta* c, bool disponible) : c_(c), disponible_(disponible) {}
    bool Disponible() const override { return disponible_; }
    void Agitar() override { ++c_->agitar; }
    void FinEtapa() override { ++c_->fin; }
    QString Error() const override { return c_->error; }

private:
    Cuenta* c_;
    bool disponible_;
};

class Temporizador : public ::testing::Test, public VentanaPrueba<frmTemporizador> {
protected:
    void Abrir(bool conSonido = true) {
        VentanaPrueba::Abrir();
        w->FijarReloj(std::make_unique<RelojPrueba>(&ahora));
        w->FijarSonido(std::make_unique<SonidoPrueba>(&cuenta, conSonido));
    }
    // Moves the clock and lets the display tick once.
    void Avanzar(qint64 ms) {
        ahora += ms;
        w->Refrescar();
    }
    // The label shows its whole text on one line.
    bool Cabe(const char* nombre) {
        auto* l = C<QLabel>(nombre);
        return QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->contentsRect().width();
    }
    // A run holds what it develops.
    bool EnMarcha() { return !C<QLineEdit>("txtPelicula")->isEnabled(); }
    // Only the developing and stop stages: 13:00 then 1:00.
    void SoloParo() {
        for (int i = 1; i < kNumEtapas; ++i)
            C<QCheckBox>(QStringLiteral("chkEtapa%1").arg(i).toLatin1().constData())->setChecked(i == Paro);
    }
    void Cerrar() {
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    DatosRevelado Hp5() {
        return DatosDeFila(QStringLiteral("Ilford HP5 Plus"), QStringLiteral("ID-11"), QStringLiteral("1+1"),
                           QStringLiteral("400"), {QString(), QStringLiteral("13:00"), QString()},
                           QStringLiteral("20"));
    }

    CarpetaPruebas carpeta;
    qint64 ahora = 5000;
    Cuenta cuenta;
};

} // namespace

TEST_F(Temporizador, TemperaturaDelBanoCorrigeAlMomentoYRechazaLoQueNoCubre) {
    Abrir();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Temporizador de revelado"));
    w->Llenar(Hp5());
    EXPECT_EQ(Texto("txtPelicula"), QStringLiteral("Ilford HP5 Plus"));
    EXPECT_EQ(C<QComboBox>("cboFormato")->currentText(), QStringLiteral("120"));
    EXPECT_EQ(Texto("txtTiempoBase"), QStringLiteral("13:00"));
    EXPECT_EQ(Texto("picDigitos"), QStringLiteral("13:00"));
    C<QComboBox>("cboFormula")->setCurrentIndex(1);
    C<QComboBox>("cboFamilia")->setCurrentIndex(0);
    C<QComboBox>("cboAgiComp")->setCurrentIndex(1);
    Teclear("txtTempBano", QStringLiteral("24,0"));
    // 13:00 at 20 °C is 780 s; at 24 °C with Q10 2.0 the factor is 0.758.
    EXPECT_EQ(Texto("txtEtapa0"), QStringLiteral("09:51"));
    EXPECT_EQ(Texto("picDigitos"), QStringLiteral("09:51"));
    EXPECT_TRUE(Texto("lblCorreccion").contains(QStringLiteral("Base 13:00")));
    EXPECT_TRUE(Texto("lblAvisoTemp").isEmpty());
    Teclear("txtTempBano", QStringLiteral("24.5"));
    EXPECT_NE(Texto("txtEtapa0"), QStringLiteral("09:51"));
    // A refused temperature corrects nothing and starts nothing.
    for (const char* malo : {"35", "abc", "", "60"}) {
        Teclear("txtTempBano", QString::fromLatin1(malo));
        EXPECT_FALSE(Texto("lblAvisoTemp").isEmpty()) << malo;
        EXPECT_TRUE(Cabe("lblAvisoTemp")) << malo;
        EXPECT_EQ(Texto("txtEtapa0"), QStringLiteral("--:--")) << malo;
        EXPECT_EQ(Texto("picDigitos"), QStringLiteral("--:--")) << malo;
        EXPECT_FALSE(C<QPushButton>("btnIniciar")->isEnabled()) << malo;
        Clic("btnIniciar");
        EXPECT_FALSE(EnMarcha()) << malo;
    }
    Teclear("txtTempBano", QStringLiteral("24"));
    EXPECT_EQ(Texto("txtEtapa0"), QStringLiteral("09:51"));
    EXPECT_TRUE(C<QPushButton>("btnIniciar")->isEnabled());
}

// The base time is bounded at a day; a longer one is refused before it can start, and a day-long
// run keeps up with its clock.
TEST_F(Temporizador, TiempoBaseAcotadoAUnDia) {
    Abrir();
    for (const char* enorme : {"99999999", "1440:01", "5000000"}) {
        Teclear("txtTiempoBase", QString::fromLatin1(enorme));
        EXPECT_TRUE(Texto("lblAvisoTemp").contains(QStringLiteral("1440:00"))) << enorme;
        EXPECT_TRUE(Cabe("lblAvisoTemp")) << enorme;
        ASSERT_FALSE(C<QPushButton>("btnIniciar")->isEnabled()) << enorme;
    }
    Teclear("txtTiempoBase", QStringLiteral("1440:00"));
    EXPECT_TRUE(Texto("lblAvisoTemp").isEmpty());
    Teclear("txtTempBano", QStringLiteral("16"));
    EXPECT_TRUE(Texto("lblAvisoTemp").contains(QStringLiteral("corregido"))) << "más frío, más largo";
    Teclear("txtTempBano", QStringLiteral("20"));
    C<QComboBox>("cboAgitacion")->setCurrentIndex(int(Agitacion::Inicial30Cada30));
    Clic("btnIniciar");
    ASSERT_TRUE(EnMarcha());
    Avanzar(86'370'000);
    EXPECT_EQ(Texto("picDigitos"), QStringLiteral("00:30"));
    EXPECT_EQ(cuenta.agitar, 2878) << "cada agitación pasada suena una vez";
}

// One rule for every typed time: zero is zero however written, seconds stop at 59, and what is
// refused says why.
TEST_F(Temporizador, UnaReglaParaLosTiempos) {
    Abrir();
    for (const char* cero : {"0", "0:00"}) {
        Teclear("txtTiempoBase", QString::fromLatin1(cero));
        EXPECT_TRUE(Texto("lblAvisoTemp").contains(QStringLiteral("mayor que cero"))) << cero;
        EXPECT_FALSE(C<QPushButton>("btnIniciar")->isEnabled()) << cero;
    }
    Teclear("txtTiempoBase", QStringLiteral("9:75"));
    EXPECT_TRUE(Texto("lblAvisoTemp").contains(QStringLiteral("59")));
    EXPECT_EQ(Texto("txtEtapa0"), QStringLiteral("--:--")) << "nunca 9:00 en silencio";
    Teclear("txtTiempoBase", QStringLiteral("9:45"));
    EXPECT_EQ(Texto("txtEtapa0"), QStringLiteral("09:45"));
    // A stage of 0 is passed over, as a skipped one; 9:75 is refused with its reason.
    Teclear("txtEtapa1", QStringLiteral("0"));
    Teclear("txtEtapa2", QStringLiteral("9:75"));
    Clic("btnIniciar");
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_TRUE(Guion().llamadas[0].texto.contains(QStringLiteral("Fijado")));
    EXPECT_TRUE(Guion().llamadas[0].texto.contains(QStringLiteral("59")));
    EXPECT_FALSE(EnMarcha());
    Teclear("txtEtapa2", QStringLiteral("5"));
    Clic("btnIniciar");
    EXPECT_TRUE(EnMarcha());
    Avanzar(585000);
    EXPECT_EQ(Texto("lblEtapa"), QStringLiteral("Fijado")) << "el paro de 0 se salta";
}

// A scheme is checked when saved as when read: a stage past a day is refused there, and the rest of
// what the window holds is still remembered.
TEST_F(Temporizador, EtapaDeMasDeUnDiaNoSeGuarda) {
    Abrir();
    C<QCheckBox>("chkEtapa4")->setChecked(false);
    Teclear("txtEtapa3", QStringLiteral("1500"));
    Guion().textos.push_back(QStringLiteral("Lavado eterno"));
    Clic("btnGuardarEsquema");
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_EQ(Guion().llamadas[1].tipo, DialogosGuion::Tipo::Informar);
    EXPECT_TRUE(Guion().llamadas[1].texto.contains(QStringLiteral("Lavado")));
    EXPECT_TRUE(Guion().llamadas[1].texto.contains(QStringLiteral("1440:00")));
    EXPECT_EQ(C<QComboBox>("cboEsquema")->count(), 0);
    Cerrar();
    ASSERT_EQ(w, nullptr);
    Abrir();
    EXPECT_FALSE(C<QCheckBox>("chkEtapa4")->isChecked()) << "el esquema sigue legible";
    EXPECT_EQ(Texto("txtEtapa3"), QStringLiteral("10:00"))
        << "la etapa mal escrita guarda su duración anterior";
}

// A row without a time for the chosen format gives none: the other format's time is not this one.
TEST_F(Temporizador, FormatoSinTiempoEnLaFila) {
    Abrir();
    w->Llenar(DatosDeFila(QStringLiteral("Ilford HP5 Plus"), QStringLiteral("ID-11"), QStringLiteral("1+1"),
                          QStringLiteral("400"), {QStringLiteral("7:30"), QString(), QString()},
                          QStringLiteral("20")));
    EXPECT_EQ(Texto("txtTiempoBase"), QStringLiteral("07:30"));
    C<QComboBox>("cboFormato")->setCurrentIndex(FormatoHoja);
    EXPECT_TRUE(Texto("txtTiempoBase").isEmpty());
    EXPECT_TRUE(Texto("lblAvisoTemp").contains(QStringLiteral("Hoja")));
    EXPECT_TRUE(Cabe("lblAvisoTemp"));
    EXPECT_FALSE(C<QPushButton>("btnIniciar")->isEnabled());
    Teclear("txtTiempoBase", QStringLiteral("11:00"));
    EXPECT_TRUE(C<QPushButton>("btnIniciar")->isEnabled());
    C<QComboBox>("cboFormato")->setCurrentIndex(Formato35);
    EXPECT_EQ(Texto("txtTiempoBase"), QStringLiteral("07:30"));
}

// The log keeps the run as it started, whatever the boxes say afterwards, and only once.
TEST_F(Temporizador, ElCuadernoGuardaLaMarchaNoLasCajas) {
    Abrir();
    w->Llenar(Hp5());
    SoloParo();
    Clic("btnIniciar");
    Avanzar(780000 + 60000);
    ASSERT_EQ(Texto("lblEtapa"), QStringLiteral("Proceso terminado"));
    EXPECT_EQ(Texto("picDigitos"), QStringLiteral("00:00")) << "al final, nada por delante";
    EXPECT_TRUE(Cabe("lblProximo"));
    Teclear("txtPelicula", QStringLiteral("Kodak Tri-X"));
    Teclear("txtTempBano", QStringLiteral("24"));
    w->Llenar(DatosDeFila(QStringLiteral("Fomapan 100"), QStringLiteral("Rodinal"), QStringLiteral("1+50"),
                          QStringLiteral("100"), {QString(), QString(), QStringLiteral("9:00")},
                          QStringLiteral("22")));
    Clic("btnGuardarCuaderno");
    const auto cuaderno = LeerCuaderno();
    ASSERT_EQ(cuaderno.size(), 1u);
    EXPECT_EQ(cuaderno[0].pelicula, QStringLiteral("Ilford HP5 Plus"));
    EXPECT_EQ(cuaderno[0].dilucion, QStringLiteral("1+1"));
    EXPECT_EQ(cuaderno[0].formato, QStringLiteral("120"));
    EXPECT_EQ(cuaderno[0].decimasBano, 200);
    EXPECT_EQ(cuaderno[0].segundos, 780);
    EXPECT_TRUE(cuaderno[0].nota.isEmpty());
    EXPECT_FALSE(C<QPushButton>("btnGuardarCuaderno")->isEnabled());
    Clic("btnGuardarCuaderno");
    EXPECT_EQ(LeerCuaderno().size(), 1u);
}

// A developing stage cut short by "Siguiente etapa" is logged as the time it lasted, and says so.
TEST_F(Temporizador, UnReveladoCortadoSeApuntaComoTal) {
    Abrir();
    w->Llenar(Hp5());
    SoloParo();
    Clic("btnIniciar");
    Avanzar(200000);
    Clic("btnSiguiente");
    Avanzar(60000);
    ASSERT_EQ(Texto("lblEtapa"), QStringLiteral("Proceso terminado"));
    Clic("btnGuardarCuaderno");
    const auto cuaderno = LeerCuaderno();
    ASSERT_EQ(cuaderno.size(), 1u);
    EXPECT_EQ(cuaderno[0].segundos, 200);
    EXPECT_TRUE(cuaderno[0].nota.startsWith(QStringLiteral("Revelado cortado a 03:20 de 13:00")))
        << cuaderno[0].nota.toStdString();
}

// A finished run not yet in the log is asked about before the window closes or another run starts;
// "Cancelar" keeps everything as it was.
TEST_F(Temporizador, UnaMarchaSinGuardarPreguntaAntes) {
    Abrir();
    w->Llenar(Hp5());
    SoloParo();
    Clic("btnIniciar");
    Avanzar(840000);
    Guion().respuestas.push_back(Respuesta::Cancelar);
    Cerrar();
    ASSERT_NE(w, nullptr) << "Cancelar deja la ventana abierta";
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].tipo, DialogosGuion::Tipo::SiNoCancelar);
    EXPECT_TRUE(Guion().llamadas[0].texto.contains(QStringLiteral("no está guardado")));
    EXPECT_TRUE(C<QPushButton>("btnGuardarCuaderno")->isEnabled());

    Guion().respuestas.push_back(Respuesta::Cancelar);
    Clic("btnIniciar");
    EXPECT_FALSE(EnMarcha()) << "Cancelar no empieza otra";
    Guion().respuestas.push_back(Respuesta::No);
    Clic("btnIniciar");
    EXPECT_TRUE(EnMarcha()) << "No la descarta y empieza otra";
    EXPECT_TRUE(LeerCuaderno().empty());
    Avanzar(840000);

    Guion().respuestas.push_back(Respuesta::Si);
    Cerrar();
    EXPECT_EQ(w, nullptr);
    ASSERT_EQ(LeerCuaderno().size(), 1u) << "Sí la guarda y cierra";
    EXPECT_EQ(Guion().llamadas.size(), 4u);
}

// A tone that cannot be loaded is said, in the window and on the status line.
TEST_F(Temporizador, UnTonoQueNoCargaSeDice) {
    Abrir();
    Clic("btnIniciar");
    EXPECT_TRUE(Texto("lblSonido").isEmpty());
    cuenta.error = QStringLiteral("no se pudo cargar el tono de agitar");
    Avanzar(25);
    EXPECT_FALSE(Texto("lblSonido").isEmpty());
    EXPECT_TRUE(Cabe("lblSonido"));
    EXPECT_TRUE(C<QLabel>("lblSonido")->toolTip().contains(cuenta.error));
    EXPECT_TRUE(anfitrion.Estado().contains(cuenta.error));
}

TEST_F(Temporizador, AvisosEnSuMomentoPausaYFin) {
    Abrir(false);
    w->Llenar(Hp5()); // 13:00 at the row's own temperature
    C<QComboBox>("cboAgitacion")->setCurrentIndex(int(Agitacion::Inicial10Cada60));
    for (int i = 1; i < kNumEtapas; ++i)
        C<QCheckBox>(QStringLiteral("chkEtapa%1").arg(i).toLatin1().constData())->setChecked(i == Paro);
    Clic("btnIniciar");
    EXPECT_EQ(cuenta.agitar, 0) << "la agitación inicial empieza con la marcha, sin aviso";
    EXPECT_FALSE(Texto("lblSonido").isEmpty()) << "sin audio lo dice";
    EXPECT_EQ(Texto("lblEtapa"), QStringLiteral("Revelado"));
    Avanzar(48000);
    EXPECT_EQ(Texto("lblProximo"), QStringLiteral("Agitar en 00:12"));
    EXPECT_EQ(Texto("picDigitos"), QStringLiteral("12:12"));
    Avanzar(11999);
    EXPECT_EQ(cuenta.agitar, 0);
    Avanzar(1);
    EXPECT_EQ(cuenta.agitar, 1);
    Avanzar(250000); // a busy event loop: the missed alerts fire once each
    EXPECT_EQ(cuenta.agitar, 5);
    Clic("btnPausa");
    EXPECT_EQ(C<QPushButton>("btnPausa")->text(), QStringLiteral("Reanudar"));
    Avanzar(600000);
    EXPECT_EQ(cuenta.agitar, 5) << "en pausa no corre";
    Clic("btnPausa");
    Avanzar(780000 - 310000 - 1);
    EXPECT_EQ(cuenta.fin, 0);
    EXPECT_FALSE(C<QPushButton>("btnGuardarCuaderno")->isEnabled());
    Avanzar(1);
    EXPECT_EQ(cuenta.fin, 1);
    EXPECT_EQ(cuenta.agitar, 12);
    EXPECT_EQ(Texto("lblEtapa"), QStringLiteral("Paro"));
    EXPECT_EQ(C<QProgressBar>("prgEtapa0")->value(), 1000);
    Avanzar(60000);
    EXPECT_EQ(cuenta.fin, 2);
    EXPECT_EQ(Texto("lblEtapa"), QStringLiteral("Proceso terminado"));
    EXPECT_EQ(Texto("picDigitos"), QStringLiteral("00:00"));
    EXPECT_TRUE(C<QPushButton>("btnIniciar")->isEnabled());
    EXPECT_TRUE(C<QPushButton>("btnGuardarCuaderno")->isEnabled());

    Teclear("txtNotaCuaderno", QStringLiteral("Negativos densos"));
    Clic("btnGuardarCuaderno");
    const auto cuaderno = LeerCuaderno();
    ASSERT_EQ(cuaderno.size(), 1u);
    EXPECT_EQ(cuaderno[0].pelicula, QStringLiteral("Ilford HP5 Plus"));
    EXPECT_EQ(cuaderno[0].formato, QStringLiteral("120"));
    EXPECT_EQ(cuaderno[0].segundos, 780);
    EXPECT_EQ(cuaderno[0].nota, QStringLiteral("Negativos densos"));
    EXPECT_EQ(C<QListWidget>("lstCuaderno")->count(), 1);
    EXPECT_FALSE(C<QPushButton>("btnGuardarCuaderno")->isEnabled()) << "se guarda una vez";

    // The finished development is offered as an own time: the host opens the dialog that checks
    // it, over this window, filled from the log entry.
    auto* lista = C<QListWidget>("lstCuaderno");
    const QPoint punto = lista->visualItemRect(lista->item(0)).center();
    MenuContextual(lista->viewport(), punto);
    Disparar(w, "mnuGuardarComoMiTiempo");
    ASSERT_EQ(anfitrion.tiemposPropios.size(), 1u);
    const TiempoPropio& t = anfitrion.tiemposPropios[0].tiempo;
    EXPECT_EQ(anfitrion.tiemposPropios[0].padre, w.data());
    EXPECT_EQ(t.id, 0) << "uno nuevo";
    EXPECT_EQ(t.pelicula, QStringLiteral("Ilford HP5 Plus"));
    EXPECT_EQ(t.revelador, QStringLiteral("ID-11"));
    EXPECT_EQ(t.tiempo120, QStringLiteral("13:00"));
    EXPECT_TRUE(t.tiempo35.isEmpty());
    EXPECT_EQ(t.nota, QStringLiteral("Negativos densos"));
    EXPECT_TRUE(LeerTiemposPropios(true, QStringLiteral("Ilford HP5 Plus"), {}).empty())
        << "nada se guarda sin el diálogo";
}

TEST_F(Temporizador, DetenerPreguntaYSiguienteEtapaSalta) {
    Abrir();
    w->Llenar(Hp5());
    Clic("btnIniciar");
    EXPECT_FALSE(C<QLineEdit>("txtTempBano")->isEnabled()) << "la marcha guarda lo que revela";
    Avanzar(30000);
    Clic("btnSiguiente");
    EXPECT_EQ(Texto("lblEtapa"), QStringLiteral("Paro"));
    EXPECT_EQ(Texto("picDigitos"), QStringLiteral("01:00"));
    Guion().respuestas.push_back(Respuesta::No);
    Clic("btnDetener");
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].texto, QStringLiteral("¿Detener el temporizador?"));
    EXPECT_EQ(Guion().llamadas[0].tipo, DialogosGuion::Tipo::SiNo);
    Avanzar(1000);
    EXPECT_EQ(Texto("picDigitos"), QStringLiteral("00:59"));
    Guion().respuestas.push_back(Respuesta::Si);
    Clic("btnDetener");
    EXPECT_FALSE(Texto("lblProximo").isEmpty()) << "el revelado saltado se puede guardar";
    EXPECT_TRUE(Cabe("lblProximo"));
    EXPECT_TRUE(C<QPushButton>("btnIniciar")->isEnabled());
    EXPECT_TRUE(C<QLineEdit>("txtTempBano")->isEnabled());
    Avanzar(1000000);
    EXPECT_EQ(cuenta.fin, 0);
}

TEST_F(Temporizador, EsquemaYCompensacionRecordadosEntreMarchas) {
    Abrir();
    C<QComboBox>("cboAgitacion")->setCurrentIndex(int(Agitacion::Reposo));
    EXPECT_TRUE(C<QCheckBox>("chkMitad")->isEnabled());
    C<QCheckBox>("chkMitad")->setChecked(true);
    C<QCheckBox>("chkEtapa4")->setChecked(false);
    Teclear("txtEtapa3", QStringLiteral("20:00"));
    C<QComboBox>("cboFamilia")->setCurrentIndex(3);
    Guion().textos.push_back(QStringLiteral("Reposo largo"));
    Clic("btnGuardarEsquema");
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(w, nullptr);
    Abrir();
    EXPECT_EQ(C<QComboBox>("cboAgitacion")->currentIndex(), int(Agitacion::Reposo));
    EXPECT_TRUE(C<QCheckBox>("chkMitad")->isChecked());
    EXPECT_FALSE(C<QCheckBox>("chkEtapa4")->isChecked());
    EXPECT_EQ(Texto("txtEtapa3"), QStringLiteral("20:00"));
    EXPECT_EQ(C<QComboBox>("cboFamilia")->currentIndex(), 3);
    EXPECT_EQ(C<QComboBox>("cboEsquema")->itemText(0), QStringLiteral("Reposo largo"));
}

// Scheme names are kept in the user's settings file: 10,000 characters, emoji, right-to-left text
// and control characters are listed again, exact, by a new window.
TEST_F(Temporizador, NombresDeEsquemaLargosYExtranos) {
    Abrir();
    const QStringList nombres = {TextoExtrano(),
                                 QStringLiteral("\u05e9\u05dc\u05d5\u05dd \U0001F4F7 = [a] ; #1 \u0001")};
    for (const QString& n : nombres) {
        Guion().textos.push_back(n);
        Clic("btnGuardarEsquema");
    }
    EXPECT_EQ(Guion().llamadas.size(), 2u) << "no message, only the two questions";
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(w, nullptr);
    Abrir();
    auto* lista = C<QComboBox>("cboEsquema");
    ASSERT_EQ(lista->count(), 2);
    EXPECT_EQ(lista->itemText(0), nombres[0]);
    EXPECT_EQ(lista->itemText(1), nombres[1]);
}

// The calculator's inputs replace a loaded row: its own choices, not the row's time or names.
TEST_F(Temporizador, LasEntradasDeLaCalculadoraSustituyenLaFila) {
    Abrir();
    w->Llenar(Hp5());
    w->LlenarDesdeCalculadora({600, 200, 240, 1, 2, 0});
    EXPECT_EQ(Texto("txtPelicula"), QString());
    EXPECT_EQ(C<QComboBox>("cboFormula")->currentIndex(), 1);
    EXPECT_EQ(C<QComboBox>("cboFamilia")->currentIndex(), 2);
    EXPECT_EQ(C<QComboBox>("cboAgiComp")->currentIndex(), 0);
    EXPECT_EQ(Texto("txtTiempoBase"), QStringLiteral("10:00"));
    EXPECT_EQ(Texto("txtTempBano"), QString::fromUtf8(QLocale().decimalPoint() == u',' ? "24,0" : "24.0"));
    EXPECT_NE(Texto("txtEtapa0"), QStringLiteral("10:00")) << "corregido para 24 °C";
    EXPECT_TRUE(C<QPushButton>("btnIniciar")->isEnabled());

    // A run in progress keeps what it develops.
    Clic("btnIniciar");
    const QString corregido = Texto("txtEtapa0");
    w->LlenarDesdeCalculadora({300, 200, 200, 0, 0, 0});
    ASSERT_FALSE(Guion().llamadas.empty());
    EXPECT_TRUE(Guion().llamadas.back().texto.contains(QStringLiteral("en marcha")));
    EXPECT_EQ(Texto("txtEtapa0"), corregido);
}

namespace {

class ModoOscuro : public ::testing::Test, public VentanaPrueba<frmTemporizador> {
protected:
    ModoOscuro() : VentanaPrueba(true) {}
    void TearDown() override { AplicarModoOscuro(false); }
    CarpetaPruebas carpeta;
};

} // namespace

// In a darkroom the whole screen counts: with the timer's dark mode on, every window in the client
// area, the menus drawn by the style and the question boxes are red on black; the mode is kept for
// the next opening, and the program is bright again once the timer closes.
TEST_F(ModoOscuro, TodoElProgramaYSusPreguntas) {
    Abrir();
    auto* otra = anfitrion.Abrir<frmCalcDilucion>();
    ASSERT_NE(otra, nullptr);
    QMdiArea* area = anfitrion.Area();
    EXPECT_GT(Claros(Captura(area, "area-normal")), 0.2);
    EXPECT_GT(Claros(CajaDePregunta("pregunta-normal")), 0.2);

    C<QCheckBox>("chkModoOscuro")->setChecked(true);
    QCoreApplication::processEvents();
    EXPECT_LT(Claros(Captura(area, "area-oscura")), 0.002);
    EXPECT_LT(Claros(Captura(w, "temporizador-oscuro")), 0.002);
    EXPECT_LT(Claros(Captura(otra, "diluciones-oscura")), 0.002);
    EXPECT_LT(Claros(CajaDePregunta("pregunta-oscura")), 0.002);

    w->Marco()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(w, nullptr);
    EXPECT_GT(Claros(Captura(otra, "diluciones-despues")), 0.2) << "sin temporizador, el programa vuelve";
    Abrir();
    EXPECT_TRUE(C<QCheckBox>("chkModoOscuro")->isChecked()) << "recordado";
    QCoreApplication::processEvents();
    EXPECT_LT(Claros(Captura(otra, "diluciones-otra-vez")), 0.002);
}

// A planned session: its format, base time, bath and stages fill the timer, and its run goes to the
// log with the session's summary before the user's note. A row loaded afterwards carries none.
TEST_F(Temporizador, UnaSesionPlanificadaLlenaYSeApunta) {
    Abrir();
    SesionPlanificada s;
    s.datos = Hp5();
    s.datos.segundos = {};
    s.datos.segundos[Formato35] = 600;
    s.formato = Formato35;
    s.decimasBano = 200;
    s.esquema.etapas = {Etapa{600, false}, Etapa{30, false}, Etapa{90, false}, Etapa{0, true},
                        Etapa{0, true}};
    s.nota = QStringLiteral("Sesión: 1 carrete de 35 mm en Mi tanque");
    w->LlenarSesion(s);
    EXPECT_EQ(C<QComboBox>("cboFormato")->currentText(), QStringLiteral("35 mm"));
    EXPECT_EQ(Texto("txtTiempoBase"), QStringLiteral("10:00"));
    EXPECT_EQ(Texto("txtEtapa0"), QStringLiteral("10:00"));
    EXPECT_EQ(Texto("txtEtapa1"), QStringLiteral("00:30"));
    EXPECT_EQ(Texto("txtEtapa2"), QStringLiteral("01:30"));
    EXPECT_FALSE(C<QCheckBox>("chkEtapa3")->isChecked());
    EXPECT_FALSE(C<QCheckBox>("chkEtapa4")->isChecked());
    Clic("btnIniciar");
    Avanzar((600 + 30 + 90) * 1000);
    ASSERT_EQ(Texto("lblEtapa"), QStringLiteral("Proceso terminado"));
    Teclear("txtNotaCuaderno", QStringLiteral("densos"));
    Clic("btnGuardarCuaderno");
    auto cuaderno = LeerCuaderno();
    ASSERT_EQ(cuaderno.size(), 1u);
    EXPECT_EQ(cuaderno[0].nota, QStringLiteral("Sesión: 1 carrete de 35 mm en Mi tanque. densos"));
    EXPECT_EQ(cuaderno[0].segundos, 600);

    w->Llenar(Hp5());
    Clic("btnIniciar");
    Avanzar(24 * 3600 * 1000LL);
    ASSERT_EQ(Texto("lblEtapa"), QStringLiteral("Proceso terminado"));
    Clic("btnGuardarCuaderno");
    cuaderno = LeerCuaderno();
    ASSERT_EQ(cuaderno.size(), 2u);
    EXPECT_TRUE(cuaderno[0].nota.isEmpty()) << "la fila no es la sesión";
}
