#include "timer/frmTemporizador.h"

#include "calculators/CompensacionTemp.h"
#include "shell/BaseDatos.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Numeros.h"
#include "shell/Posiciones.h"
#include "shell/Tema.h"
#include "shell/TemaTemporizador.h"
#include "timer/AjustesTemporizador.h"
#include "timer/CuadernoRevelado.h"
#include "timer/PanelCuaderno.h"
#include "timer/SonidoTemporizador.h"
#include "timer/TextoMarcha.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kGradoC = QStringLiteral("\u00B0C");
constexpr int kDestelloMs = 2000;

QString Temperatura(int decimas) {
    return FormatoNumero(decimas / 10.0, u"0.0");
}

template <std::size_t N> void Opciones(QComboBox* c, const std::array<OpcionCompensacion, N>& tabla) {
    for (const auto& o : tabla)
        c->addItem(QString::fromUtf16(o.titulo));
}

} // namespace

frmTemporizador::frmTemporizador(Anfitrion& anfitrion, QWidget* padre)
    : VentanaModulo(padre), anfitrion_(anfitrion), reloj_(std::make_unique<RelojMonotono>()),
      marcha_(std::nullopt) {
    setObjectName(QStringLiteral("frmTemporizador"));
    setWindowTitle(QStringLiteral("Temporizador de revelado"));
    setFont(FuenteVentanaCalc());
    setAutoFillBackground(true);
    tic_ = new QTimer(this);
    // A short precise tick: the end of a stage shows and sounds well within 50 ms of its moment.
    tic_->setTimerType(Qt::PreciseTimer);
    tic_->setInterval(25);
    connect(tic_, &QTimer::timeout, this, &frmTemporizador::Refrescar);
    CrearControles();
    resize(TwipsAPixeles(10800), TwipsAPixeles(6900));
    HabilitarEntradas(true); // nothing to pause or stop before a run
    AplicarModo();
}

// Straight to the application: the host may be gone when its windows are deleted.
frmTemporizador::~frmTemporizador() {
    if (programaOscuro_)
        AplicarModoOscuro(false);
}

void frmTemporizador::CrearControles() {
    auto caja = [this](const char* nombre, double x, double y, double ancho) {
        return CrearControl<QLineEdit>(this, nombre, x, y, ancho, 300);
    };
    CrearEtiqueta(this, "lblPelicula", QStringLiteral("Película:"), 120, 150);
    txtPelicula_ = caja("txtPelicula", 1200, 120, 3720);
    CrearEtiqueta(this, "lblRevelador", QStringLiteral("Revelador:"), 120, 510);
    txtRevelador_ = caja("txtRevelador", 1200, 480, 3720);
    CrearEtiqueta(this, "lblDilucion", QStringLiteral("Dilución:"), 120, 870);
    txtDilucion_ = caja("txtDilucion", 1200, 840, 1200);
    CrearEtiqueta(this, "lblEI", QStringLiteral("EI:"), 2640, 870);
    txtEI_ = caja("txtEI", 3000, 840, 1920);
    CrearEtiqueta(this, "lblFormato", QStringLiteral("Formato:"), 120, 1230);
    cboFormato_ = CrearControl<QComboBox>(this, "cboFormato", 1200, 1200, 1200, 315);
    for (int f = 0; f < kNumFormatos; ++f)
        cboFormato_->addItem(NombreFormato(f));
    CrearEtiqueta(this, "lblTiempoBase", QStringLiteral("Tiempo base:"), 2640, 1230);
    txtTiempoBase_ = caja("txtTiempoBase", 3720, 1200, 1200);
    CrearEtiqueta(this, "lblTempBase", QStringLiteral("Temp. base:"), 120, 1590);
    txtTempBase_ = caja("txtTempBase", 1200, 1560, 600);
    CrearEtiqueta(this, "lblUB", kGradoC, 1860, 1590);
    CrearEtiqueta(this, "lblTempBano", QStringLiteral("Temperatura del baño:"), 2280, 1590);
    txtTempBano_ = caja("txtTempBano", 3960, 1560, 600);
    CrearEtiqueta(this, "lblUT", kGradoC, 4620, 1590);
    lblAvisoTemp_ = CrearEtiqueta(this, "lblAvisoTemp", QString(), 120, 1920, 4800, 240);
    CrearEtiqueta(this, "lblFormula", QStringLiteral("Fórmula:"), 120, 2250);
    cboFormula_ = CrearControl<QComboBox>(this, "cboFormula", 1200, 2220, 3720, 315);
    Opciones(cboFormula_, kFormulas);
    CrearEtiqueta(this, "lblFamilia", QStringLiteral("Familia:"), 120, 2610);
    cboFamilia_ = CrearControl<QComboBox>(this, "cboFamilia", 1200, 2580, 1920, 315);
    Opciones(cboFamilia_, kReveladores);
    cboAgiComp_ = CrearControl<QComboBox>(this, "cboAgiComp", 3240, 2580, 1680, 315);
    Opciones(cboAgiComp_, kAgitaciones);
    lblCorreccion_ = CrearEtiqueta(this, "lblCorreccion", QString(), 120, 2955, 4800, 420);
    lblCorreccion_->setFont(Fuente(Tema::FaceInterfaz, 9, true));
    lblCorreccion_->setWordWrap(true);

    auto* lblSec = CrearEtiqueta(this, "lblSecEtapas", QStringLiteral("ETAPAS"), 120, 3480, 1000, 240);
    lblSec->setFont(Fuente(Tema::FaceInterfaz, 8, true));
    cboEsquema_ = CrearControl<QComboBox>(this, "cboEsquema", 1200, 3435, 2520, 315);
    auto* btnGuardarEsquema = CrearControl<QPushButton>(this, "btnGuardarEsquema", 3840, 3420, 1080, 345);
    btnGuardarEsquema->setText(QStringLiteral("Guardar"));
    CrearEtiqueta(this, "lblAgitacion", QStringLiteral("Agitación:"), 120, 3870);
    cboAgitacion_ = CrearControl<QComboBox>(this, "cboAgitacion", 1200, 3840, 3720, 315);
    for (int a = 0; a < kNumAgitaciones; ++a)
        cboAgitacion_->addItem(QString::fromUtf16(Definicion(Agitacion(a)).nombre));
    lblRegla_ = CrearEtiqueta(this, "lblRegla", QString(), 120, 4200, 4800, 420);
    lblRegla_->setWordWrap(true);
    CrearEtapas();
    chkMitad_ = CrearControl<QCheckBox>(this, "chkMitad", 120, 6480, 4800, 300);
    chkMitad_->setText(QStringLiteral("Reposo: una agitación de 10 s a mitad de tiempo"));

    picDigitos_ = CrearEtiqueta(this, "picDigitos", QString(), 5160, 120, 5520, 1500);
    picDigitos_->setFont(Fuente(Tema::FaceSinSerifa, 66, true));
    picDigitos_->setAlignment(Qt::AlignCenter);
    picDigitos_->setAutoFillBackground(true);
    lblEtapa_ = CrearEtiqueta(this, "lblEtapa", QString(), 5160, 1680, 5520, 450);
    lblEtapa_->setFont(Fuente(Tema::FaceInterfaz, 20, true));
    lblEtapa_->setAlignment(Qt::AlignCenter);
    lblProximo_ = CrearEtiqueta(this, "lblProximo", QString(), 5160, 2160, 5520, 420);
    lblProximo_->setFont(Fuente(Tema::FaceInterfaz, 15));
    lblProximo_->setAlignment(Qt::AlignCenter);
    auto boton = [this](const char* nombre, const QString& texto, double x) {
        auto* b = CrearControl<QPushButton>(this, nombre, x, 2700, 1290, 420);
        b->setText(texto);
        return b;
    };
    btnIniciar_ = boton("btnIniciar", QStringLiteral("Iniciar"), 5160);
    btnPausa_ = boton("btnPausa", QStringLiteral("Pausa"), 6570);
    btnSiguiente_ = boton("btnSiguiente", QStringLiteral("Siguiente etapa"), 7980);
    btnDetener_ = boton("btnDetener", QStringLiteral("Detener"), 9390);
    chkModoOscuro_ = CrearControl<QCheckBox>(this, "chkModoOscuro", 5160, 3240, 3300, 300);
    chkModoOscuro_->setText(QStringLiteral("Modo oscuro (rojo sobre negro)"));
    lblSonido_ = CrearEtiqueta(this, "lblSonido", QString(), 8520, 3270, 2160, 240);
    cuaderno_ = new PanelCuaderno(this);
    connect(cuaderno_, &PanelCuaderno::Guardar, this, &frmTemporizador::GuardarCuaderno);
    // The dialog belongs to the own times: the host opens it over this window.
    connect(cuaderno_, &PanelCuaderno::ComoTiempoPropio, this,
            [this](const TiempoPropio& t) { anfitrion_.EditarTiempoPropio(t, this); });

    for (QLineEdit* c : {txtTiempoBase_, txtTempBase_, txtTempBano_})
        connect(c, &QLineEdit::textChanged, this, &frmTemporizador::Recalcular);
    for (QComboBox* c : {cboFormula_, cboFamilia_, cboAgiComp_})
        connect(c, &QComboBox::currentIndexChanged, this, &frmTemporizador::Recalcular);
    connect(cboFormato_, &QComboBox::currentIndexChanged, this, &frmTemporizador::CambioFormato);
    connect(cboEsquema_, &QComboBox::activated, this, &frmTemporizador::CambioEsquema);
    connect(cboAgitacion_, &QComboBox::currentIndexChanged, this, &frmTemporizador::CambioAgitacion);
    connect(btnGuardarEsquema, &QPushButton::clicked, this, &frmTemporizador::GuardarEsquema);
    connect(btnIniciar_, &QPushButton::clicked, this, &frmTemporizador::Iniciar);
    connect(btnPausa_, &QPushButton::clicked, this, &frmTemporizador::PausarReanudar);
    connect(btnSiguiente_, &QPushButton::clicked, this, &frmTemporizador::Siguiente);
    connect(btnDetener_, &QPushButton::clicked, this, &frmTemporizador::Detener);
    connect(chkModoOscuro_, &QCheckBox::toggled, this, [this](bool si) {
        GuardarModoOscuro(si);
        AplicarModo();
    });
}

void frmTemporizador::CrearEtapas() {
    static const char* const chk[kNumEtapas] = {"chkEtapa0", "chkEtapa1", "chkEtapa2", "chkEtapa3",
                                                "chkEtapa4"};
    static const char* const txt[kNumEtapas] = {"txtEtapa0", "txtEtapa1", "txtEtapa2", "txtEtapa3",
                                                "txtEtapa4"};
    static const char* const prg[kNumEtapas] = {"prgEtapa0", "prgEtapa1", "prgEtapa2", "prgEtapa3",
                                                "prgEtapa4"};
    for (int i = 0; i < kNumEtapas; ++i) {
        const double y = 4680 + 360 * i;
        chkEtapa_[i] = CrearControl<QCheckBox>(this, chk[i], 120, y, 1800, 300);
        chkEtapa_[i]->setText(NombreEtapa(i));
        chkEtapa_[i]->setToolTip(QStringLiteral("Desmarcada, la etapa se omite"));
        txtEtapa_[i] = CrearControl<QLineEdit>(this, txt[i], 2040, y, 900, 300);
        prgEtapa_[i] = CrearControl<QProgressBar>(this, prg[i], 3060, y + 60, 1860, 180);
        prgEtapa_[i]->setRange(0, 1000);
        prgEtapa_[i]->setTextVisible(false);
    }
    // The developing time is the corrected one, never typed.
    txtEtapa_[Revelado]->setReadOnly(true);
}

void frmTemporizador::Cargar() {
    // Centred the first time; where the user left it afterwards.
    anfitrion_.CentrarChild(this);
    RestaurarPosicionVentana(QStringLiteral("Temporizador"), this);
    llenando_ = true;
    const EleccionCompensacion c = LeerCompensacion();
    cboFormula_->setCurrentIndex(c.formula);
    cboFamilia_->setCurrentIndex(c.revelador);
    cboAgiComp_->setCurrentIndex(c.agitacion);
    txtTiempoBase_->setText(FormatoMinSeg(600));
    txtTempBase_->setText(Temperatura(200));
    txtTempBano_->setText(Temperatura(200));
    AplicarEsquema(LeerEsquemaActual());
    LlenarEsquemas();
    chkModoOscuro_->setChecked(LeerModoOscuro());
    llenando_ = false;
    Recalcular();
    cuaderno_->Llenar();
    DibujarReposo();
}

void frmTemporizador::FijarReloj(std::unique_ptr<Reloj> reloj) {
    reloj_ = std::move(reloj);
}

void frmTemporizador::FijarSonido(std::unique_ptr<Sonido> sonido) {
    sonido_ = std::move(sonido);
}

bool frmTemporizador::EnMarcha() {
    if (marcha_)
        Dialogo().Informar(
            QString(),
            QStringLiteral("El temporizador está en marcha: deténgalo antes de cargar otro revelado."),
            Icono::Exclamacion);
    return marcha_.has_value();
}

void frmTemporizador::Llenar(const DatosRevelado& datos) {
    if (!EnMarcha())
        PonerDatos(datos);
}

void frmTemporizador::LlenarSesion(const SesionPlanificada& sesion) {
    if (EnMarcha())
        return;
    PonerDatos(sesion.datos);
    llenando_ = true;
    const int formato = std::clamp(sesion.formato, 0, kNumFormatos - 1);
    cboFormato_->setCurrentIndex(formato);
    if (const auto s = sesion.datos.segundos[formato])
        txtTiempoBase_->setText(FormatoMinSeg(*s));
    txtTempBano_->setText(Temperatura(sesion.decimasBano));
    AplicarEsquema(sesion.esquema);
    cboEsquema_->setCurrentIndex(-1);
    llenando_ = false;
    notaSesion_ = sesion.nota;
    Recalcular();
    DibujarReposo();
}

void frmTemporizador::PonerDatos(const DatosRevelado& datos) {
    datos_ = datos;
    notaSesion_.clear();
    llenando_ = true;
    txtPelicula_->setText(datos.pelicula);
    txtRevelador_->setText(datos.revelador);
    txtDilucion_->setText(datos.dilucion);
    txtEI_->setText(datos.ei);
    txtTempBase_->setText(Temperatura(datos.decimasBase));
    txtTempBano_->setText(Temperatura(datos.decimasBase));
    const int formato = PrimerFormato(datos);
    cboFormato_->setCurrentIndex(std::max(0, formato));
    if (formato >= 0)
        txtTiempoBase_->setText(FormatoMinSeg(*datos.segundos[formato]));
    llenando_ = false;
    Recalcular();
    DibujarReposo();
}

void frmTemporizador::LlenarDesdeCalculadora(const CompensacionTecleada& c) {
    if (EnMarcha())
        return;
    PonerDatos(DatosRevelado{});
    llenando_ = true;
    cboFormula_->setCurrentIndex(c.formula);
    cboFamilia_->setCurrentIndex(c.revelador);
    cboAgiComp_->setCurrentIndex(c.agitacion);
    txtTiempoBase_->setText(FormatoMinSeg(c.segundosBase));
    txtTempBase_->setText(Temperatura(c.decimasBase));
    txtTempBano_->setText(Temperatura(c.decimasBano));
    llenando_ = false;
    Recalcular();
    DibujarReposo();
}

QString frmTemporizador::AvisoTemperatura(const QString& que) const {
    return que + u" debe estar entre " + Temperatura(100) + u" y " + Temperatura(300) + u' ' + kGradoC + u'.';
}

void frmTemporizador::Recalcular() {
    if (llenando_)
        return;
    const TiempoTecleado base = LeerTiempoTecleado(txtTiempoBase_->text());
    const auto tBase = DecimasTecleadas(txtTempBase_->text());
    const auto tBano = DecimasTecleadas(txtTempBano_->text());
    const int formato = std::clamp(cboFormato_->currentIndex(), 0, kNumFormatos - 1);
    if (txtTiempoBase_->text().trimmed().isEmpty() && PrimerFormato(datos_) >= 0 && !datos_.segundos[formato])
        return InvalidarEntradas(u"La fila no da tiempo para " + NombreFormato(formato) +
                                 u": escriba el tiempo base.");
    if (!base.segundos)
        return InvalidarEntradas(u"Tiempo base: " + base.error + u'.');
    if (*base.segundos == 0)
        return InvalidarEntradas(QStringLiteral("El tiempo base debe ser mayor que cero."));
    if (!tBase)
        return InvalidarEntradas(AvisoTemperatura(QStringLiteral("La temperatura base")));
    if (!tBano)
        return InvalidarEntradas(AvisoTemperatura(QStringLiteral("La temperatura del baño")));
    const Correccion c = CorregirTiempo(*base.segundos, *tBase, *tBano, cboFormula_->currentIndex(),
                                        cboFamilia_->currentIndex(), cboAgiComp_->currentIndex());
    if (c.error)
        return InvalidarEntradas(QStringLiteral("No se pudo calcular la compensación."));
    if (c.segundos > kSegundosMaximos)
        return InvalidarEntradas(u"El tiempo corregido pasa del máximo, " + FormatoMinSeg(kSegundosMaximos) +
                                 u'.');
    lblAvisoTemp_->clear();
    entradasValidas_ = true;
    segundosBase_ = *base.segundos;
    decimasBase_ = *tBase;
    decimasBano_ = *tBano;
    segundosCorregidos_ = c.segundos;
    lblCorreccion_->setText(u"Base " + FormatoMinSeg(segundosBase_) + u"   Factor x" +
                            FormatoNumero(c.factor, u"0.000") + u"   Corregido " +
                            FormatoMinSeg(segundosCorregidos_) + u'\n' + c.lineaFactor);
    txtEtapa_[Revelado]->setText(FormatoMinSeg(segundosCorregidos_));
    if (!marcha_) {
        btnIniciar_->setEnabled(true);
        DibujarReposo();
    }
}

// Nothing runs on inputs the window refused: no time is corrected and Start waits.
void frmTemporizador::InvalidarEntradas(const QString& aviso) {
    lblAvisoTemp_->setText(aviso);
    entradasValidas_ = false;
    segundosCorregidos_ = 0;
    lblCorreccion_->clear();
    txtEtapa_[Revelado]->setText(QStringLiteral("--:--"));
    if (!marcha_) {
        btnIniciar_->setEnabled(false);
        DibujarReposo();
    }
}

void frmTemporizador::CambioFormato() {
    if (llenando_)
        return;
    // A row without a time for this format leaves the box empty: its other times are not this one.
    if (PrimerFormato(datos_) < 0)
        return;
    const auto s = datos_.segundos[std::clamp(cboFormato_->currentIndex(), 0, kNumFormatos - 1)];
    txtTiempoBase_->setText(s ? FormatoMinSeg(*s) : QString());
}

void frmTemporizador::CambioAgitacion() {
    const Agitacion a = Agitacion(std::clamp(cboAgitacion_->currentIndex(), 0, kNumAgitaciones - 1));
    lblRegla_->setText(QString::fromUtf16(Definicion(a).regla));
    chkMitad_->setEnabled(a == Agitacion::Reposo && !marcha_);
}

void frmTemporizador::CambioEsquema() {
    const auto todos = LeerEsquemasNombrados();
    const int i = cboEsquema_->currentIndex();
    if (i >= 0 && i < int(todos.size()))
        AplicarEsquema(todos[i].esquema);
}

void frmTemporizador::AplicarEsquema(const EsquemaEtapas& e) {
    cboAgitacion_->setCurrentIndex(int(e.agitacion));
    CambioAgitacion();
    chkMitad_->setChecked(e.agitarMitad);
    for (int i = 0; i < kNumEtapas; ++i) {
        chkEtapa_[i]->setChecked(!e.etapas[i].omitida);
        if (i != Revelado)
            txtEtapa_[i]->setText(FormatoMinSeg(e.etapas[i].segundos));
    }
}

EsquemaEtapas frmTemporizador::EsquemaDeControles() const {
    EsquemaEtapas e;
    e.agitacion = Agitacion(std::clamp(cboAgitacion_->currentIndex(), 0, kNumAgitaciones - 1));
    e.agitarMitad = chkMitad_->isChecked();
    for (int i = 0; i < kNumEtapas; ++i) {
        e.etapas[i].omitida = !chkEtapa_[i]->isChecked();
        e.etapas[i].segundos = i == Revelado ? segundosCorregidos_
                                             : LeerTiempoTecleado(txtEtapa_[i]->text()).segundos.value_or(0);
    }
    return e;
}

std::optional<EsquemaEtapas> frmTemporizador::EsquemaValido(bool todas, QString* error) const {
    for (int i = 0; i < kNumEtapas; ++i) {
        if (i == Revelado || (!todas && !chkEtapa_[i]->isChecked()))
            continue;
        const TiempoTecleado t = LeerTiempoTecleado(txtEtapa_[i]->text());
        if (!t.segundos) {
            *error = u"Duración no válida en la etapa " + NombreEtapa(i) + u": " + t.error + u'.';
            return std::nullopt;
        }
    }
    return EsquemaDeControles();
}

void frmTemporizador::LlenarEsquemas() {
    cboEsquema_->clear();
    for (const auto& e : LeerEsquemasNombrados())
        cboEsquema_->addItem(e.nombre);
    cboEsquema_->setCurrentIndex(-1);
}

void frmTemporizador::GuardarEsquema() {
    const auto nombre = Dialogo().PedirTexto(
        QStringLiteral("Guardar esquema"), QStringLiteral("Nombre del esquema:"), cboEsquema_->currentText());
    if (!nombre || nombre->trimmed().isEmpty())
        return;
    // Saved as it will be read again: a stage the reader would refuse is refused here.
    QString error;
    auto e = EsquemaValido(true, &error);
    if (!e)
        return Dialogo().Informar(QString(), error, Icono::Exclamacion);
    e->etapas[Revelado].segundos = 0; // the developing time comes from each row
    GuardarEsquemaNombrado(nombre->trimmed(), *e);
    LlenarEsquemas();
    cboEsquema_->setCurrentText(nombre->trimmed());
}

void frmTemporizador::Guardar() {
    // A stage typed wrong keeps its last saved duration: the rest of the scheme is still kept.
    EsquemaEtapas e = EsquemaDeControles();
    const EsquemaEtapas antes = LeerEsquemaActual();
    for (int i = 0; i < kNumEtapas; ++i)
        if (i == Revelado || !LeerTiempoTecleado(txtEtapa_[i]->text()).segundos)
            e.etapas[i].segundos = antes.etapas[i].segundos;
    GuardarEsquemaActual(e);
    GuardarCompensacion(
        {cboFormula_->currentIndex(), cboFamilia_->currentIndex(), cboAgiComp_->currentIndex()});
}

void frmTemporizador::Iniciar() {
    if (marcha_)
        return;
    if (!entradasValidas_)
        return Dialogo().Informar(QString(), lblAvisoTemp_->text(), Icono::Exclamacion);
    QString error;
    const auto esquema = EsquemaValido(false, &error);
    if (!esquema)
        return Dialogo().Informar(QString(), error, Icono::Exclamacion);
    if (!PreguntarSinGuardar(QStringLiteral("¿Guardarlo antes de empezar otro?")))
        return;
    if (!sonido_)
        sonido_ = std::make_unique<SonidoTemporizador>();
    AvisarSinSonido();
    Guardar();
    enMarcha_ = EntradaDeControles();
    msRevelados_.reset();
    marcha_.emplace(*esquema);
    marcha_->Iniciar(reloj_->Milisegundos());
    ultimo_ = 0;
    destelloHasta_ = -1;
    reveladoHecho_ = false;
    cuaderno_->HabilitarGuardar(false);
    HabilitarEntradas(false);
    tic_->start();
    Refrescar();
}

void frmTemporizador::AvisarSinSonido() {
    QString aviso;
    if (!sonido_->Disponible())
        aviso = QStringLiteral("no hay audio");
    else if (!sonido_->Error().isEmpty())
        aviso = sonido_->Error();
    if (aviso.isEmpty() || aviso == avisoSonido_)
        return;
    avisoSonido_ = aviso;
    // The line is short; the whole reason goes to its tip and the status line.
    lblSonido_->setText(QStringLiteral("Sin sonido"));
    lblSonido_->setToolTip(u"Sin sonido: " + aviso);
    anfitrion_.EstadoMostrar(u"Temporizador sin sonido: " + aviso);
}

void frmTemporizador::PausarReanudar() {
    if (!marcha_)
        return;
    const qint64 ahora = reloj_->Milisegundos();
    if (marcha_->Pausada()) {
        marcha_->Reanudar(ahora);
        btnPausa_->setText(QStringLiteral("Pausa"));
    } else {
        marcha_->Pausar(ahora);
        btnPausa_->setText(QStringLiteral("Reanudar"));
    }
    Refrescar();
}

void frmTemporizador::Siguiente() {
    if (!marcha_)
        return;
    const qint64 ahora = reloj_->Milisegundos();
    Refrescar(); // alerts already due fire before the jump
    if (!marcha_)
        return;
    if (const Posicion p = marcha_->En(ahora); p.etapa == Revelado) {
        reveladoHecho_ = true;
        msRevelados_ = p.msEnEtapa;
    }
    marcha_->SiguienteEtapa(ahora);
    ultimo_ = marcha_->Transcurrido(ahora);
    Refrescar();
}

void frmTemporizador::Detener() {
    if (!marcha_)
        return;
    if (Dialogo().PreguntarSiNo(QString(), QStringLiteral("¿Detener el temporizador?"), Icono::Pregunta) !=
        Respuesta::Si)
        return;
    Terminar();
}

void frmTemporizador::Terminar() {
    tic_->stop();
    marcha_.reset();
    btnPausa_->setText(QStringLiteral("Pausa"));
    HabilitarEntradas(true);
    btnIniciar_->setEnabled(entradasValidas_);
    if (reveladoHecho_) {
        sinGuardar_ = enMarcha_;
        segundosRevelados_ = msRevelados_ ? int((*msRevelados_ + 500) / 1000) : enMarcha_.segundos;
    }
    cuaderno_->HabilitarGuardar(sinGuardar_.has_value());
    DibujarReposo();
    if (sinGuardar_)
        lblProximo_->setText(QStringLiteral("Guárdelo en el cuaderno"));
}

void frmTemporizador::HabilitarEntradas(bool si) {
    for (QWidget* c : std::initializer_list<QWidget*>{
             txtPelicula_, txtRevelador_, txtDilucion_, txtEI_, cboFormato_, txtTiempoBase_, txtTempBase_,
             txtTempBano_, cboFormula_, cboFamilia_, cboAgiComp_, cboEsquema_, cboAgitacion_})
        c->setEnabled(si);
    for (int i = 0; i < kNumEtapas; ++i) {
        chkEtapa_[i]->setEnabled(si);
        txtEtapa_[i]->setEnabled(si);
    }
    CambioAgitacion();
    btnIniciar_->setEnabled(si);
    btnPausa_->setEnabled(!si);
    btnSiguiente_->setEnabled(!si);
    btnDetener_->setEnabled(!si);
}

void frmTemporizador::Refrescar() {
    if (!marcha_)
        return;
    const qint64 ahora = reloj_->Milisegundos();
    const qint64 t = marcha_->Transcurrido(ahora);
    for (const Evento& e : marcha_->EventosEntre(ultimo_, t))
        Avisar(e, ahora);
    ultimo_ = std::max(ultimo_, t);
    AvisarSinSonido();
    if (marcha_->Terminada(ahora)) {
        Terminar();
        picDigitos_->setText(FormatoMinSeg(0));
        lblEtapa_->setText(QStringLiteral("Proceso terminado"));
        return;
    }
    Dibujar(ahora);
}

void frmTemporizador::Avisar(const Evento& e, qint64 ahora) {
    if (e.tipo == TipoEvento::FinAgitacion)
        return;
    if (e.tipo == TipoEvento::Agitar)
        sonido_->Agitar();
    else
        sonido_->FinEtapa();
    if (e.tipo == TipoEvento::FinEtapa && e.etapa == Revelado)
        reveladoHecho_ = true;
    destelloHasta_ = ahora + kDestelloMs;
}

void frmTemporizador::Dibujar(qint64 ahora) {
    const Posicion p = marcha_->En(ahora);
    picDigitos_->setText(FormatoMinSeg(SegundosArriba(p.msRestantes)));
    lblEtapa_->setText(NombreEtapa(p.etapa) +
                       (marcha_->Pausada() ? QStringLiteral(" (en pausa)") : QString()));
    lblProximo_->setText(TextoProximo(p, marcha_->Transcurrido(ahora)));
    for (int i = 0; i < kNumEtapas; ++i) {
        const int total = marcha_->Esquema().etapas[i].segundos * 1000;
        int valor = i < p.etapa ? 1000 : 0;
        if (i == p.etapa && total > 0)
            valor = int(p.msEnEtapa * 1000 / total);
        prgEtapa_[i]->setValue(valor);
    }
    // The digits flash after an alert: the colour swaps every quarter second.
    const bool destello = ahora < destelloHasta_ && ((destelloHasta_ - ahora) / 250) % 2 == 0;
    picDigitos_->setProperty("destello", destello);
    AplicarModo();
}

void frmTemporizador::DibujarReposo() {
    picDigitos_->setText(entradasValidas_ ? FormatoMinSeg(segundosCorregidos_) : QStringLiteral("--:--"));
    lblEtapa_->setText(NombreEtapa(Revelado));
    lblProximo_->setText(u"Listo: " + QString::fromUtf16(Definicion(EsquemaDeControles().agitacion).nombre));
    for (QProgressBar* b : prgEtapa_)
        b->setValue(0);
    picDigitos_->setProperty("destello", false);
    AplicarModo();
}

void frmTemporizador::AplicarModo() {
    const bool oscuro = chkModoOscuro_->isChecked();
    const bool destello = picDigitos_->property("destello").toBool();
    // In a darkroom the whole screen counts: the program goes dark with the timer.
    if (oscuro != programaOscuro_) {
        programaOscuro_ = oscuro;
        anfitrion_.FijarModoOscuro(oscuro);
    }
    // The program's style sheet colours every text; the flash of the digits overrides it here.
    if (oscuro && destello != digitosDestello_) {
        digitosDestello_ = destello;
        picDigitos_->setStyleSheet(destello ? u"color: " + Tema::OscuroTenue.name() : QString());
    } else if (!oscuro && digitosDestello_) {
        digitosDestello_ = false;
        picDigitos_->setStyleSheet(QString());
    }
    if (const QPalette p = PaletaTemporizador(palette(), oscuro); palette() != p)
        setPalette(p);
    if (const QPalette d = PaletaDigitos(picDigitos_->palette(), oscuro, destello);
        picDigitos_->palette() != d)
        picDigitos_->setPalette(d);
    ColorTexto(lblAvisoTemp_, ColorAvisoTemporizador(oscuro));
    ColorTexto(lblEtapa_, ColorEtapaTemporizador(oscuro));
}

EntradaCuaderno frmTemporizador::EntradaDeControles() const {
    EntradaCuaderno e;
    e.pelicula = txtPelicula_->text().trimmed();
    e.revelador = txtRevelador_->text().trimmed();
    e.dilucion = txtDilucion_->text().trimmed();
    e.ei = txtEI_->text().trimmed();
    e.formato = cboFormato_->currentText();
    e.decimasBase = decimasBase_;
    e.decimasBano = decimasBano_;
    e.segundosBase = segundosBase_;
    e.segundos = segundosCorregidos_;
    e.agitacion = cboAgitacion_->currentText();
    e.nota = notaSesion_;
    return e;
}

void frmTemporizador::GuardarCuaderno() {
    if (!sinGuardar_)
        return;
    const EntradaCuaderno e = EntradaDeMarcha(*sinGuardar_, segundosRevelados_, cuaderno_->Nota());
    try {
        if (GuardarEnCuaderno(e) == 0) {
            Dialogo().Informar(QString(), QStringLiteral("La base de notas no está abierta."),
                               Icono::Exclamacion);
            return;
        }
    } catch (const ErrorBD& error) {
        Dialogo().Informar(QString(), u"Error al guardar en el cuaderno: " + error.Descripcion(),
                           Icono::Critico);
        return;
    }
    sinGuardar_.reset();
    cuaderno_->Guardado();
}

bool frmTemporizador::PreguntarSinGuardar(const QString& pregunta) {
    if (!sinGuardar_)
        return true;
    switch (Dialogo().PreguntarSiNoCancelar(
        QString(), u"El último revelado no está guardado en el cuaderno.\n" + pregunta, Icono::Pregunta)) {
    case Respuesta::Si:
        GuardarCuaderno();
        return !sinGuardar_; // a failed save keeps the window and the run
    case Respuesta::No:
        sinGuardar_.reset();
        cuaderno_->HabilitarGuardar(false);
        cuaderno_->OlvidarBorrador();
        return true;
    default:
        return false;
    }
}

bool frmTemporizador::PreguntarAntesDeCerrar() {
    if (marcha_) {
        if (Dialogo().PreguntarSiNo(QString(), QStringLiteral("¿Detener el temporizador?"),
                                    Icono::Pregunta) != Respuesta::Si)
            return false;
        Terminar();
    }
    return PreguntarSinGuardar(QStringLiteral("¿Guardarlo antes de cerrar?"));
}

bool frmTemporizador::PreguntarCierre() {
    return PreguntarAntesDeCerrar();
}

void frmTemporizador::closeEvent(QCloseEvent* evento) {
    if (!ConfirmarCierre()) {
        evento->ignore();
        return;
    }
    Guardar();
    GuardarPosicionVentana(QStringLiteral("Temporizador"), this);
    if (programaOscuro_) {
        programaOscuro_ = false;
        anfitrion_.FijarModoOscuro(false);
    }
    VentanaModulo::closeEvent(evento);
}
