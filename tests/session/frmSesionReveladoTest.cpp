#include "session/frmSesionRevelado.h"

#include "calculators/CompensacionTemp.h"
#include "session/AlmacenSesiones.h"
#include "session/CifrasFabricante.h"
#include "shell/AlmacenDatos.h"
#include "shell/ApunteBorrador.h"
#include "shell/Borradores.h"
#include "shell/Numeros.h"
#include "soporte/Capturas.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"
#include "soporte/VentanaPrueba.h"
#include "timer/AjustesTemporizador.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

const QString kHP5 = QStringLiteral("Ilford HP5 Plus");
const QString kHC = QStringLiteral("Ilford Ilfotec HC");
const QString kCuatro = QStringLiteral("Espiral de 4 carretes (volúmenes típicos)");

class SesionRevelado : public ::testing::Test {
protected:
    void SetUp() override {
        ReferenceDb()->Insertar("Peliculas", {{"IdPelicula", 1}, {"Nombre", kHP5}});
        ReferenceDb()->Insertar("Peliculas", {{"IdPelicula", 2}, {"Nombre", "Adox Sin Tiempos"}});
        ReferenceDb()->Insertar("Reveladores", {{"IdRevelador", 4}, {"Nombre", kHC}});
        ReferenceDb()->Insertar("Reveladores", {{"IdRevelador", 5}, {"Nombre", "ID-11"}});
        Tiempo(4, "1+31", "800", "9:30");
        Tiempo(4, "1+31", "400", "6:30");
        Tiempo(5, "stock", "400", "7:30");
        v.Abrir();
    }
    static void Tiempo(int revelador, const char* dilucion, const char* iso, const char* t) {
        ReferenceDb()->Insertar("Tiempos", {{"IdPelicula", 1},
                                            {"IdRevelador", revelador},
                                            {"Dilucion", dilucion},
                                            {"ISO", iso},
                                            {"Tiempo35", t},
                                            {"Tiempo120", t},
                                            {"TiempoHoja", QVariant()},
                                            {"Temperatura", "20"},
                                            {"Notas", QVariant()}});
    }
    void Elegir(const char* combo, const QString& texto) {
        auto* c = v.C<QComboBox>(combo);
        const int i = c->findText(texto, Qt::MatchStartsWith);
        ASSERT_GE(i, 0) << qPrintable(texto);
        c->setCurrentIndex(i);
    }
    // Two 120 reels of HP5 Plus in Ilfotec HC 1+31 at EI 800, 21 °C, in the four-reel tank.
    void CasoDelTaller() {
        Elegir("cboTanque", kCuatro);
        Elegir("cboPelicula", kHP5);
        Elegir("cboFila", kHC + u" 1+31 · EI 800");
        v.Teclear("txtCarretes120", QStringLiteral("2"));
        v.Teclear("txtTempBano", QStringLiteral("21"));
    }
    QString Texto(const char* etiqueta) { return v.C<QLabel>(etiqueta)->text(); }
    void Pulsar(const char* boton) { QTest::mouseClick(v.C<QPushButton>(boton), Qt::LeftButton); }
    // The workshop case with a 500 ml bottle of concentrate recorded and one session saved from it.
    Botella BotellaConUnaSesion() {
        CasoDelTaller();
        v.Teclear("txtBotDilucion", kDilucionConcentrado);
        v.Teclear("txtBotMl", QStringLiteral("500"));
        Pulsar("btnRegistrarBotella");
        Pulsar("btnGuardar");
        EXPECT_EQ(Informes(), 0) << qPrintable(Guion().llamadas.back().texto);
        const auto botellas = LeerBotellas();
        EXPECT_EQ(botellas.size(), 1u);
        EXPECT_EQ(LeerSesionesBotella(botellas.at(0).id).size(), 1u);
        return botellas.at(0);
    }
    // The session note's draft on disk, once the typing has had its time to reach it.
    static bool HayBorradorNota() {
        QElapsedTimer reloj;
        reloj.start();
        do {
            QTest::qWait(50);
            Borradores().Esperar();
            for (const Borrador& b : ListarBorradores())
                if (b.destino == u"Sesion/nota")
                    return true;
        } while (reloj.elapsed() < 3 * ApunteBorrador::kEsperaMs);
        return false;
    }
    int Informes() const {
        int n = 0;
        for (const auto& l : Guion().llamadas)
            n += l.tipo == DialogosGuion::Tipo::Informar;
        return n;
    }

    CarpetaPruebas carpeta;
    VentanaPrueba<frmSesionRevelado> v;
};

} // namespace

// The case at the sink: volumes, concentrate, the time corrected as the timer corrects it, the
// baths, and the whole sequence handed to the timer.
TEST_F(SesionRevelado, DosCarretesDe120AlTemporizador) {
    CasoDelTaller();
    const PlanSesion& p = v.w->Plan();
    ASSERT_TRUE(p.error.isEmpty()) << qPrintable(p.error);
    EXPECT_EQ(p.mlTrabajo, 1000);
    EXPECT_DOUBLE_EQ(p.mlConcentrado, 31.25);
    EXPECT_DOUBLE_EQ(p.mlAgua, 968.75);
    EXPECT_EQ(Texto("lblVolumen"), QStringLiteral("Solución de trabajo: 1000 ml"));
    EXPECT_TRUE(Texto("lblConcentrado").contains(FormatoNumero(968.75, u"0.00") + u" ml"));
    const EleccionCompensacion c = LeerCompensacion();
    const int corregido = CorregirTiempo(570, 200, 210, c.formula, c.revelador, c.agitacion).segundos;
    EXPECT_EQ(p.segundosRevelado, corregido);
    EXPECT_LT(corregido, 570);
    EXPECT_TRUE(Texto("lblTiempo").startsWith(u"Revelado: " + FormatoMinSeg(corregido)))
        << qPrintable(Texto("lblTiempo"));

    auto* banos = v.C<QTableWidget>("grdBanos");
    const std::vector<Bano> porDefecto = BanosPorDefecto();
    ASSERT_EQ(banos->rowCount(), int(porDefecto.size()));
    ASSERT_GE(banos->rowCount(), 1);
    // A bath edited in the table and one unticked reach the timer as they stand.
    banos->item(0, 3)->setText(QStringLiteral("1:15"));
    const int ultima = banos->rowCount() - 1;
    banos->item(ultima, 0)->setCheckState(Qt::Unchecked);

    QTest::mouseClick(v.C<QPushButton>("btnIniciar"), Qt::LeftButton);
    ASSERT_EQ(v.anfitrion.sesiones.size(), 1u);
    const SesionPlanificada& s = v.anfitrion.sesiones[0];
    EXPECT_EQ(s.datos.pelicula, kHP5);
    EXPECT_EQ(s.datos.revelador, kHC);
    EXPECT_EQ(s.datos.dilucion, QStringLiteral("1+31"));
    EXPECT_EQ(s.datos.ei, QStringLiteral("800"));
    EXPECT_EQ(s.formato, Formato120);
    EXPECT_EQ(s.datos.segundos[Formato120], 570);
    EXPECT_FALSE(s.datos.segundos[Formato35].has_value());
    EXPECT_EQ(s.decimasBano, 210);
    EXPECT_EQ(s.esquema.etapas[Revelado].segundos, corregido);
    EXPECT_EQ(s.esquema.etapas[porDefecto[0].etapa].segundos, 75);
    const int etapaUltima = porDefecto[size_t(ultima)].etapa;
    if (etapaUltima != porDefecto[0].etapa &&
        std::count_if(porDefecto.begin(), porDefecto.end(),
                      [&](const Bano& b) { return b.etapa == etapaUltima; }) == 1) {
        EXPECT_TRUE(s.esquema.etapas[etapaUltima].omitida);
    }
    EXPECT_TRUE(s.nota.contains(QStringLiteral("2 carretes de 120"))) << qPrintable(s.nota);
    EXPECT_TRUE(s.nota.contains(kCuatro));
    EXPECT_EQ(Informes(), 0);
}

// A bottle recorded here; a saved session that drew from it counts against it.
TEST_F(SesionRevelado, BotellaRegistradaYGastada) {
    CasoDelTaller();
    v.Teclear("txtBotDilucion", kDilucionConcentrado);
    v.Teclear("txtBotMl", QStringLiteral("500"));
    QTest::mouseClick(v.C<QPushButton>("btnRegistrarBotella"), Qt::LeftButton);
    ASSERT_EQ(Informes(), 0) << qPrintable(Guion().llamadas.back().texto);
    const auto botellas = LeerBotellas();
    ASSERT_EQ(botellas.size(), 1u);
    EXPECT_EQ(botellas[0].revelador, kHC) << "el de la fila";
    EXPECT_EQ(botellas[0].ml, 500);
    EXPECT_EQ(botellas[0].mezclada, QDate::currentDate());
    EXPECT_EQ(v.C<QComboBox>("cboBotella")->currentIndex(), 1) << "la nueva, elegida";
    EXPECT_TRUE(v.C<QLineEdit>("txtBotMl")->text().isEmpty());
    ASSERT_TRUE(v.w->Plan().botella.has_value());
    const EstadoBotella antes = *v.w->Plan().botella;
    EXPECT_EQ(antes.peliculas, 0);
    const QString estadoAntes = Texto("lblEstadoBotella");

    v.Teclear("txtNota", QStringLiteral("primera"));
    EXPECT_TRUE(HayBorradorNota()) << "lo tecleado se guarda como borrador";
    QTest::mouseClick(v.C<QPushButton>("btnGuardar"), Qt::LeftButton);
    ASSERT_EQ(Informes(), 0) << qPrintable(Guion().llamadas.back().texto);
    const auto sesiones = LeerSesiones();
    ASSERT_EQ(sesiones.size(), 1u);
    EXPECT_EQ(sesiones[0].idBotella, botellas[0].id);
    EXPECT_EQ(sesiones[0].nota, QStringLiteral("primera"));
    EXPECT_EQ(sesiones[0].mlTrabajo, 1000);
    EXPECT_EQ(sesiones[0].banos.size(), BanosPorDefecto().size());
    Borradores().Esperar();
    EXPECT_TRUE(ListarBorradores().empty()) << "guardada la sesión, no queda borrador";
    const EstadoBotella despues = *v.w->Plan().botella;
    EXPECT_EQ(despues.peliculas, 2);
    if (antes.capacidadRestante) {
        EXPECT_DOUBLE_EQ(*despues.capacidadRestante, *antes.capacidadRestante - 2);
    }
    EXPECT_NE(Texto("lblEstadoBotella"), estadoAntes);
    // Saved: closing asks nothing.
    v.w->Marco()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Guion().llamadas.empty());
}

// Bad input is said in the window and again on the command, and nothing is asked of the timer or
// stored.
TEST_F(SesionRevelado, EntradaMalaNoPideNada) {
    CasoDelTaller();
    v.Teclear("txtTempBano", QStringLiteral("veinte"));
    EXPECT_TRUE(Texto("lblError").contains(QStringLiteral("temperatura del baño")))
        << qPrintable(Texto("lblError"));
    QTest::mouseClick(v.C<QPushButton>("btnIniciar"), Qt::LeftButton);
    ASSERT_EQ(Informes(), 1);
    EXPECT_EQ(Guion().llamadas.back().texto, Texto("lblError"));
    EXPECT_TRUE(v.anfitrion.sesiones.empty());

    v.Teclear("txtTempBano", QStringLiteral("21"));
    v.Teclear("txtCarretes120", QStringLiteral("3"));
    EXPECT_TRUE(Texto("lblError").contains(QStringLiteral("no cabe"))) << qPrintable(Texto("lblError"));
    QTest::mouseClick(v.C<QPushButton>("btnGuardar"), Qt::LeftButton);
    QTest::mouseClick(v.C<QPushButton>("btnIniciar"), Qt::LeftButton);
    EXPECT_EQ(Informes(), 3);
    EXPECT_TRUE(LeerSesiones().empty());
    EXPECT_TRUE(v.anfitrion.sesiones.empty());

    Elegir("cboPelicula", QStringLiteral("Adox Sin Tiempos"));
    EXPECT_EQ(Texto("lblError"),
              QStringLiteral("Adox Sin Tiempos no tiene tiempos de revelado: elija otra película."));
    QTest::mouseClick(v.C<QPushButton>("btnIniciar"), Qt::LeftButton);
    EXPECT_EQ(Informes(), 4);
    EXPECT_TRUE(v.anfitrion.sesiones.empty());
    Elegir("cboPelicula", kHP5);
    v.Teclear("txtCarretes120", QStringLiteral("dos"));
    EXPECT_TRUE(Texto("lblError").contains(QStringLiteral("«dos» no es un número entero")));
    // A bath time typed wrong is refused too.
    v.Teclear("txtCarretes120", QStringLiteral("2"));
    v.C<QTableWidget>("grdBanos")->item(0, 3)->setText(QStringLiteral("mucho"));
    QTest::mouseClick(v.C<QPushButton>("btnIniciar"), Qt::LeftButton);
    EXPECT_EQ(Informes(), 5);
    EXPECT_TRUE(Guion().llamadas.back().texto.startsWith(QStringLiteral("Tiempo no válido en el baño")));
    EXPECT_TRUE(v.anfitrion.sesiones.empty());
}

// An own tank saved from the boxes, chosen at once and used; a typical name is not taken.
TEST_F(SesionRevelado, TanquePropio) {
    CasoDelTaller();
    v.Teclear("txtMl120", QStringLiteral("450"));
    EXPECT_EQ(v.w->Plan().mlTrabajo, 900) << "las cajas editadas cuentan ya";
    QTest::mouseClick(v.C<QPushButton>("btnGuardarTanque"), Qt::LeftButton);
    ASSERT_EQ(Informes(), 1) << "el nombre es el de un tanque típico";
    EXPECT_TRUE(LeerTanques().empty());

    v.Teclear("txtTanque", QStringLiteral("Mi tanque"));
    QTest::mouseClick(v.C<QPushButton>("btnGuardarTanque"), Qt::LeftButton);
    EXPECT_EQ(Informes(), 1);
    const auto tanques = LeerTanques();
    ASSERT_EQ(tanques.size(), 1u);
    EXPECT_EQ(tanques[0].ml120, 450);
    EXPECT_EQ(tanques[0].maxCarretes120, 2);
    EXPECT_TRUE(v.C<QComboBox>("cboTanque")->currentText().startsWith(QStringLiteral("Mi tanque")));
    EXPECT_EQ(v.w->Plan().mlTrabajo, 900);

    // Deleting asks first; "No" keeps it.
    Guion().respuestas = {Respuesta::No};
    QTest::mouseClick(v.C<QPushButton>("btnBorrarTanque"), Qt::LeftButton);
    EXPECT_EQ(LeerTanques().size(), 1u);
    Guion().respuestas = {Respuesta::Si};
    QTest::mouseClick(v.C<QPushButton>("btnBorrarTanque"), Qt::LeftButton);
    EXPECT_TRUE(LeerTanques().empty());
}

// What the user typed and did not save is not dropped without a question.
TEST_F(SesionRevelado, CerrarConLoEscritoPregunta) {
    CasoDelTaller();
    v.Teclear("txtBotMl", QStringLiteral("500"));
    v.Teclear("txtNota", QStringLiteral("sin guardar"));
    Guion().respuestas = {Respuesta::No};
    v.w->Marco()->close();
    QCoreApplication::processEvents();
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_TRUE(Guion().llamadas[0].texto.contains(QStringLiteral("la botella nueva")));
    EXPECT_TRUE(Guion().llamadas[0].texto.contains(QStringLiteral("la nota de la sesión")));
    ASSERT_FALSE(v.w.isNull());
    EXPECT_TRUE(v.w->isVisible());
    EXPECT_EQ(v.C<QLineEdit>("txtNota")->text(), QStringLiteral("sin guardar"));
}

// A row from the search window, estimated or not in the lists, is planned as it was shown.
TEST_F(SesionRevelado, FilaDeLaBusqueda) {
    const DatosRevelado estimada =
        DatosDeFila(kHP5, kHC, QStringLiteral("1+31"), QStringLiteral("1000"),
                    {QStringLiteral("11:00"), QString(), QString()}, QStringLiteral("20"));
    v.w->Llenar(estimada);
    EXPECT_EQ(v.C<QComboBox>("cboPelicula")->currentText(), kHP5);
    EXPECT_TRUE(v.C<QComboBox>("cboFila")->currentText().contains(QStringLiteral("EI 1000")));
    v.Teclear("txtCarretes35", QStringLiteral("1"));
    EXPECT_EQ(v.w->Plan().segundosFila, 660);
    // A listed row is chosen, not added again.
    const int filas = v.C<QComboBox>("cboFila")->count();
    v.w->Llenar(DatosDeFila(kHP5, QStringLiteral("ID-11"), QStringLiteral("stock"), QStringLiteral("400"),
                            {QStringLiteral("7:30"), QStringLiteral("7:30"), QString()},
                            QStringLiteral("20")));
    EXPECT_EQ(v.C<QComboBox>("cboFila")->count(), filas - 1) << "la estimada ya no hace falta";
    EXPECT_TRUE(v.C<QComboBox>("cboFila")->currentText().startsWith(QStringLiteral("ID-11 stock")));
    EXPECT_DOUBLE_EQ(v.w->Plan().mlAgua, 0) << "stock no lleva agua";
    if (qEnvironmentVariableIsSet("GARVOLA_CAPTURAS")) {
        v.w->resize(1040, 800);
        v.Teclear("txtCarretes35", QString());
        CasoDelTaller();
        v.Teclear("txtBotMl", QStringLiteral("500"));
        v.Teclear("txtBotDilucion", kDilucionConcentrado);
        QTest::mouseClick(v.C<QPushButton>("btnRegistrarBotella"), Qt::LeftButton);
        Captura(v.w, "sesion-revelado");
    }
}

// The window opens on a film it can plan, not on the first of the list, which has no times.
TEST_F(SesionRevelado, AbrePorUnaPeliculaConTiempos) {
    ASSERT_EQ(v.C<QComboBox>("cboPelicula")->itemText(0), QStringLiteral("Adox Sin Tiempos"));
    EXPECT_EQ(v.C<QComboBox>("cboPelicula")->currentText(), kHP5);
    EXPECT_GT(v.C<QComboBox>("cboFila")->count(), 0);
    EXPECT_FALSE(Texto("lblError").contains(QStringLiteral("no tiene tiempos")))
        << qPrintable(Texto("lblError"));
    EXPECT_EQ(Informes(), 0);
}

// A bottle corrected keeps its id: its session still counts, and its state follows the new figures.
// Bad boxes are refused and change nothing.
TEST_F(SesionRevelado, BotellaCorregida) {
    const Botella original = BotellaConUnaSesion();
    const QString estadoAntes = Texto("lblEstadoBotella");
    Pulsar("btnCorregirBotella");
    EXPECT_EQ(v.C<QLineEdit>("txtBotRevelador")->text(), kHC);
    EXPECT_EQ(v.C<QLineEdit>("txtBotDilucion")->text(), kDilucionConcentrado);
    EXPECT_EQ(v.C<QLineEdit>("txtBotMezclada")->text(), QDate::currentDate().toString(u"dd/MM/yyyy"));
    EXPECT_EQ(v.C<QLineEdit>("txtBotMl")->text(), QStringLiteral("500"));
    EXPECT_EQ(v.C<QPushButton>("btnRegistrarBotella")->text(), QStringLiteral("Guardar corrección"));
    if (qEnvironmentVariableIsSet("GARVOLA_CAPTURAS")) {
        v.w->resize(1040, 800);
        QCoreApplication::processEvents();
        Captura(v.w, "sesion-botella-corrigiendo");
    }

    const std::vector<std::pair<QString, QString>> malas = {
        {QStringLiteral("31/02/2026"), QStringLiteral("500")},
        {QStringLiteral("2026-01-10"), QStringLiteral("500")},
        {QString(), QStringLiteral("0")},
        {QString(), QStringLiteral("-5")},
        {QString(), QStringLiteral("2,5")}};
    int informes = 0;
    for (const auto& [fecha, ml] : malas) {
        v.Teclear("txtBotMezclada", fecha.isEmpty() ? QDate::currentDate().toString(u"dd/MM/yyyy") : fecha);
        v.Teclear("txtBotMl", ml);
        Pulsar("btnRegistrarBotella");
        ASSERT_EQ(Informes(), ++informes) << qPrintable(fecha + u' ' + ml);
        const QString aviso = Guion().llamadas.back().texto;
        EXPECT_TRUE(fecha.isEmpty() ? aviso.contains(QStringLiteral("ml de la botella"))
                                    : aviso.startsWith(u"Fecha de mezcla no válida: «" + fecha))
            << qPrintable(aviso);
        EXPECT_EQ(LeerBotellas(), std::vector<Botella>{original});
    }

    const QDate antes = QDate::currentDate().addDays(-40);
    v.Teclear("txtBotMezclada", antes.toString(u"dd/MM/yyyy"));
    v.Teclear("txtBotMl", QStringLiteral("400"));
    v.Teclear("txtBotNota", QStringLiteral("abierta"));
    Guion().respuestas = {Respuesta::No};
    v.w->Marco()->close();
    QCoreApplication::processEvents();
    ASSERT_EQ(Guion().llamadas.size(), size_t(informes + 1));
    EXPECT_TRUE(Guion().llamadas.back().texto.contains(QStringLiteral("la corrección de la botella")));
    Pulsar("btnRegistrarBotella");
    EXPECT_EQ(Informes(), informes);
    const auto botellas = LeerBotellas();
    ASSERT_EQ(botellas.size(), 1u);
    EXPECT_EQ(botellas[0].id, original.id);
    EXPECT_EQ(botellas[0].mezclada, antes);
    EXPECT_EQ(botellas[0].ml, 400);
    EXPECT_EQ(botellas[0].nota, QStringLiteral("abierta"));
    EXPECT_EQ(botellas[0].revelador, kHC);
    EXPECT_EQ(v.C<QComboBox>("cboBotella")->currentIndex(), 1);
    EXPECT_TRUE(v.C<QLineEdit>("txtBotMl")->text().isEmpty());
    EXPECT_EQ(v.C<QPushButton>("btnRegistrarBotella")->text(), QStringLiteral("Registrar botella"));
    const auto sesiones = LeerSesionesBotella(original.id);
    ASSERT_EQ(sesiones.size(), 1u);
    ASSERT_TRUE(v.w->Plan().botella.has_value());
    EXPECT_EQ(v.w->Plan().botella->peliculas, 2) << "la sesión sigue contando";
    const QString estado = CalcularEstadoBotella(botellas[0], sesiones, QDate::currentDate()).frase;
    EXPECT_EQ(Texto("lblEstadoBotella"), estado);
    EXPECT_NE(estado, estadoAntes);

    // Leaving a correction empties the boxes and stores nothing.
    Pulsar("btnCorregirBotella");
    v.Teclear("txtBotMl", QStringLiteral("100"));
    Pulsar("btnCorregirBotella");
    EXPECT_TRUE(v.C<QLineEdit>("txtBotMl")->text().isEmpty());
    EXPECT_EQ(LeerBotellas(), botellas);

    // A new bottle being typed is not replaced by the one to correct without a question.
    v.Teclear("txtBotNota", QStringLiteral("la del lunes"));
    Guion().respuestas = {Respuesta::No};
    Pulsar("btnCorregirBotella");
    EXPECT_EQ(v.C<QLineEdit>("txtBotNota")->text(), QStringLiteral("la del lunes"));
    EXPECT_EQ(v.C<QPushButton>("btnRegistrarBotella")->text(), QStringLiteral("Registrar botella"));

    // Deleted elsewhere while corrected: nothing is written, and what was typed stays for a new one.
    Guion().respuestas = {Respuesta::Si};
    Pulsar("btnCorregirBotella");
    v.Teclear("txtBotMl", QStringLiteral("300"));
    BorrarBotella(original.id);
    QCoreApplication::processEvents();
    const size_t llamadas = Guion().llamadas.size();
    Pulsar("btnRegistrarBotella");
    ASSERT_EQ(Guion().llamadas.size(), llamadas + 1);
    EXPECT_TRUE(Guion().llamadas.back().texto.contains(QStringLiteral("ya no existe")));
    EXPECT_TRUE(LeerBotellas().empty());
    EXPECT_EQ(v.C<QLineEdit>("txtBotMl")->text(), QStringLiteral("300"));
    EXPECT_EQ(v.C<QPushButton>("btnRegistrarBotella")->text(), QStringLiteral("Registrar botella"));
}

// Deleting asks first and says what becomes of the sessions; only "Sí" deletes, and the session
// stays readable without a bottle.
TEST_F(SesionRevelado, BotellaBorrada) {
    const Botella b = BotellaConUnaSesion();
    for (Respuesta r : {Respuesta::No, Respuesta::Cancelar}) {
        Guion().respuestas = {r};
        Pulsar("btnBorrarBotella");
        ASSERT_EQ(Guion().llamadas.size(), 1u);
        EXPECT_TRUE(Guion().llamadas[0].texto.contains(QStringLiteral("se conserva, sin botella")))
            << qPrintable(Guion().llamadas[0].texto);
        Guion().llamadas.clear();
        EXPECT_EQ(LeerBotellas(), std::vector<Botella>{b});
        EXPECT_EQ(LeerSesiones().at(0).idBotella, b.id);
        EXPECT_EQ(v.C<QComboBox>("cboBotella")->currentIndex(), 1);
    }
    Guion().respuestas = {Respuesta::Si};
    Pulsar("btnBorrarBotella");
    EXPECT_TRUE(LeerBotellas().empty());
    const auto sesiones = LeerSesiones();
    ASSERT_EQ(sesiones.size(), 1u);
    EXPECT_EQ(sesiones[0].idBotella, 0);
    EXPECT_EQ(sesiones[0].pelicula, kHP5);
    EXPECT_EQ(sesiones[0].mlTrabajo, 1000);
    EXPECT_EQ(v.C<QComboBox>("cboBotella")->count(), 1);
    EXPECT_FALSE(v.w->Plan().botella.has_value());
    EXPECT_TRUE(Texto("lblEstadoBotella").isEmpty());
    EXPECT_FALSE(v.C<QPushButton>("btnBorrarBotella")->isEnabled());
    EXPECT_FALSE(v.C<QPushButton>("btnCorregirBotella")->isEnabled());
}
