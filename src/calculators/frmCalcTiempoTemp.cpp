#include "calculators/frmCalcTiempoTemp.h"
#include "shell/Tema.h"

#include "calculators/CompensacionTemp.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Lienzo.h"
#include "shell/Numeros.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

namespace {

const QString kGrado = QStringLiteral("\u00B0");

// Plot frame of the factor graph, in twips of its panel: factor 0.2..2.4 upwards, 10..30 °C rightwards.
struct EscalaFactor {
    int xL = 600, yT = 180, PW, yB, PH;
    EscalaFactor(int w, int h) : PW(w - 660), yB(h - 500), PH(h - 680) {}
    int X(double t) const { return xL + RedondearEntero((t - 10) / 20 * PW); }
    int Y(double f) const { return yB - RedondearEntero((f - 0.2) / (2.4 - 0.2) * PH); }
};

double Acotar(double f) {
    return std::clamp(f, 0.2, 2.4);
}

template <std::size_t N> QList<QString> Titulos(const std::array<OpcionCompensacion, N>& tabla) {
    QList<QString> titulos;
    for (const auto& o : tabla)
        titulos.append(QString::fromUtf16(o.titulo));
    return titulos;
}

} // namespace

frmCalcTiempoTemp::frmCalcTiempoTemp(Anfitrion& anfitrion, QWidget* padre)
    : VentanaModulo(padre), anfitrion_(anfitrion) {
    setObjectName(QStringLiteral("frmCalcTiempoTemp"));
    setWindowTitle(QStringLiteral("Compensación de temperatura"));
    setFont(FuenteVentanaCalc());
    QPalette p = palette();
    p.setColor(QPalette::Window, Tema::CalcFondo);
    p.setColor(QPalette::WindowText, Tema::CalcTexto);
    p.setColor(QPalette::Base, Tema::CalcCaja);
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, Tema::CalcBoton);
    p.setColor(QPalette::ButtonText, Tema::CalcTextoBoton);
    setPalette(p);
    setAutoFillBackground(true);
    CrearControles();
    resize(TwipsAPixeles(10500), TwipsAPixeles(9060));
}

void frmCalcTiempoTemp::CrearControles() {
    auto* picCab = CrearControl<QWidget>(this, "picCab", 0, 0, 10500, 630);
    ColorFondo(picCab, Tema::CalcFondo);
    auto* lblTit = CrearEtiqueta(picCab, "lblTit", QStringLiteral("Compensación de tiempo por temperatura"),
                                 180, 120, 6000, 330);
    lblTit->setFont(Fuente(Tema::FaceInterfaz, 12, true));
    ColorTexto(lblTit, Tema::CalcTitulo);
    // Wide enough for the longer formula line in any fixed-pitch face.
    lblFml_ = CrearEtiqueta(picCab, "lblFml", QString(), 180, 420, 5400, 210);
    QFont fija = Fuente(Tema::FaceFija, 8.25);
    fija.setStyleHint(QFont::Monospace);
    lblFml_->setFont(fija);
    // In the free right end of the header band, clear of every placed control.
    auto* btnTemporizador = CrearControl<QPushButton>(picCab, "btnTemporizador", 8880, 135, 1500, 360);
    btnTemporizador->setText(QStringLiteral("Temporizador"));
    connect(btnTemporizador, &QPushButton::clicked, this, &frmCalcTiempoTemp::AbrirTemporizador);

    auto* fraFormula = CrearControl<QGroupBox>(this, "fraFormula", 120, 690, 4860, 1320);
    fraFormula->setTitle(QStringLiteral("Fórmula de compensación"));
    optFormula_ = CrearOpciones(fraFormula, "optFormula", Titulos(kFormulas), {360, 810}, kFormulaRegla7);
    auto* fraRev = CrearControl<QGroupBox>(this, "fraRev", 120, 2130, 2340, 1800);
    fraRev->setTitle(QStringLiteral("Revelador"));
    optRev_ = CrearOpciones(fraRev, "optRev", Titulos(kReveladores), {240, 525, 810, 1095, 1380}, 1);
    auto* fraAgi = CrearControl<QGroupBox>(this, "fraAgi", 2700, 2130, 2280, 1800);
    fraAgi->setTitle(QStringLiteral("Agitación"));
    optAgi_ = CrearOpciones(fraAgi, "optAgi", Titulos(kAgitaciones), {390, 840, 1275}, 1);

    const QFont seccion = Fuente(Tema::FaceInterfaz, 8, true);
    for (auto [nombre, texto, arriba] :
         {std::tuple{"lblSecTmp", "TEMPERATURAS", 4140}, std::tuple{"lblSecTpo", "TIEMPO BASE", 5760},
          std::tuple{"lblSecPerf", "PERFILES", 7320}}) {
        QLabel* l = CrearEtiqueta(this, nombre, QString::fromLatin1(texto), 120, arriba, 4860, 240);
        l->setFont(seccion);
        ColorTexto(l, Tema::CalcTitulo);
    }
    CrearEtiqueta(this, "lblTB", QStringLiteral("Base / nominal:"), 120, 4410);
    hscTempBase_ = CrearBarraTemperatura("hscTempBase", 4380);
    txtTempBase_ = CrearControl<QLineEdit>(this, "txtTempBase", 4200, 4380, 540, 300);
    CrearEtiqueta(this, "lblUB", kGrado + u'C', 4800, 4410);
    CrearEtiqueta(this, "lblTA", QStringLiteral("Actual en lab:"), 120, 4740);
    hscTempAct_ = CrearBarraTemperatura("hscTempAct", 4740);
    txtTempAct_ = CrearControl<QLineEdit>(this, "txtTempAct", 4200, 4740, 540, 300);
    CrearEtiqueta(this, "lblUA", kGrado + u'C', 4800, 4740);
    lblDelta_ = CrearEtiqueta(this, "lblDelta", QString(), 120, 5190, 4860, 285);

    CrearEtiqueta(this, "lblTpoM", QStringLiteral("min"), 1560, 5970);
    txtMin_ = CrearControl<QLineEdit>(this, "txtMin", 1440, 6180, 540, 300);
    txtMin_->setText(QStringLiteral("10"));
    CrearEtiqueta(this, "lblDos", QStringLiteral(":"), 2130, 6120);
    CrearEtiqueta(this, "lblTpoS", QStringLiteral("seg"), 2460, 5970);
    txtSeg_ = CrearControl<QLineEdit>(this, "txtSeg", 2340, 6180, 540, 300);
    txtSeg_->setText(QStringLiteral("00"));
    lblTotal_ = CrearEtiqueta(this, "lblTotal", QString(), 3060, 6210, 720, 270);

    auto* btnCopiar = CrearControl<QPushButton>(this, "btnCopiar", 120, 6720, 2340, 375);
    btnCopiar->setText(QStringLiteral("Copiar resultado"));
    auto* btnGuardarPerfil = CrearControl<QPushButton>(this, "btnGuardarPerfil", 2640, 6720, 2340, 375);
    btnGuardarPerfil->setText(QStringLiteral("Guardar perfil"));
    lstPerfiles_ = CrearControl<QListWidget>(this, "lstPerfiles", 120, 7590, 3300, 840);
    auto* btnCargar = CrearControl<QPushButton>(this, "btnCargar", 3540, 7590, 1380, 375);
    btnCargar->setText(QStringLiteral("Cargar"));
    auto* btnEliminar = CrearControl<QPushButton>(this, "btnEliminar", 3540, 7995, 1380, 375);
    btnEliminar->setText(QStringLiteral("Eliminar"));
    CrearEtiqueta(this, "lblNota",
                  QStringLiteral("Los cálculos son orientativos. Realizar siempre pruebas previas."), 120,
                  8580, 4860, 375)
        ->setWordWrap(true);

    picResultado_ = CrearControl<Lienzo>(this, "picResultado", 5220, 780, 5160, 690);
    picResultado_->Limpiar(Tema::CalcPanel);
    lblFactor_ =
        CrearEtiqueta(this, "lblFactor", QStringLiteral("Factor: --   Q10: --"), 5220, 1680, 5160, 270);
    lblFactor_->setFont(Fuente(Tema::FaceInterfaz, 9));
    ColorTexto(lblFactor_, Tema::CalcFactor);
    picG_ = CrearControl<Lienzo>(this, "picG", 5220, 2200, 5160, 6540);
    picG_->Limpiar(Tema::CalcPanel);

    for (auto [barra, caja] : {std::pair{hscTempBase_, txtTempBase_}, std::pair{hscTempAct_, txtTempAct_}}) {
        connect(barra, &QScrollBar::valueChanged, this, [this, barra, caja] { BarraCambiada(barra, caja); });
        connect(caja, &QLineEdit::textChanged, this, [this, barra, caja] { CajaCambiada(caja, barra); });
        connect(caja, &QLineEdit::editingFinished, this, [this, barra, caja] { CajaTerminada(caja, barra); });
    }
    for (QLineEdit* caja : {txtMin_, txtSeg_})
        connect(caja, &QLineEdit::textChanged, this, &frmCalcTiempoTemp::Recalcular);
    for (QButtonGroup* grupo : {optFormula_, optRev_, optAgi_})
        connect(grupo, &QButtonGroup::idClicked, this, [this] {
            if (!sincronizando_)
                Recalcular();
        });
    connect(btnCopiar, &QPushButton::clicked, this, &frmCalcTiempoTemp::CopiarResultado);
    connect(btnGuardarPerfil, &QPushButton::clicked, this, &frmCalcTiempoTemp::GuardarPerfil);
    connect(btnCargar, &QPushButton::clicked, this, &frmCalcTiempoTemp::CargarPerfil);
    connect(btnEliminar, &QPushButton::clicked, this, &frmCalcTiempoTemp::EliminarPerfil);
}

QScrollBar* frmCalcTiempoTemp::CrearBarraTemperatura(const char* nombre, double arriba) {
    auto* barra = CrearControl<QScrollBar>(this, nombre, 1380, arriba, 2760, 255);
    barra->setOrientation(Qt::Horizontal);
    barra->setRange(100, 300);
    barra->setSingleStep(1);
    barra->setPageStep(5);
    barra->setValue(200);
    return barra;
}

QButtonGroup* frmCalcTiempoTemp::CrearOpciones(QWidget* marco, const char* nombre,
                                               const QList<QString>& titulos, const QList<int>& arribas,
                                               int marcada) {
    auto* grupo = new QButtonGroup(this);
    grupo->setObjectName(QString::fromLatin1(nombre));
    for (int i = 0; i < titulos.size(); ++i) {
        auto* opcion = CrearControl<QRadioButton>(marco, nombre, 180, arribas[i],
                                                  ClienteTwips(marco).width() - 300, 285);
        opcion->setObjectName(QString::fromLatin1(nombre) + QString::number(i));
        opcion->setText(titulos[i]);
        opcion->setChecked(i == marcada);
        grupo->addButton(opcion, i);
    }
    return grupo;
}

void frmCalcTiempoTemp::Cargar() {
    perfilesLeidos_ = perfiles_.Cargar(RutaPerfiles(), &errorLectura_);
    LlenarListaPerfiles();
    sincronizando_ = true;
    EscribirTemperatura(txtTempBase_, hscTempBase_->value());
    EscribirTemperatura(txtTempAct_, hscTempAct_->value());
    sincronizando_ = false;
    listo_ = true;
    Recalcular();
}

void frmCalcTiempoTemp::closeEvent(QCloseEvent* evento) {
    // Each change was written when it was made; only one whose write failed is worth a word now.
    if (perfilesLeidos_) {
        QString error;
        if (!perfiles_.Guardar(RutaPerfiles(), &error) && pendientes_)
            AvisarEscrituraFallida(error);
    }
    VentanaModulo::closeEvent(evento);
}

bool frmCalcTiempoTemp::EscribirPerfiles() {
    if (!perfilesLeidos_) {
        // The file that could not be read is never replaced by this session's profiles alone.
        if (!avisadoLectura_)
            Dialogo().Informar(QString(),
                               u"No se pudo leer el archivo de perfiles: " + errorLectura_ +
                                   u". Para no perderlo no se sobrescribe: los perfiles de esta sesión "
                                   u"no se guardarán en él.",
                               Icono::Exclamacion);
        avisadoLectura_ = true;
        return false;
    }
    QString error;
    pendientes_ = !perfiles_.Guardar(RutaPerfiles(), &error);
    if (pendientes_)
        AvisarEscrituraFallida(error);
    return !pendientes_;
}

void frmCalcTiempoTemp::AvisarEscrituraFallida(const QString& error) {
    Dialogo().Informar(QString(), u"No se pudo guardar el archivo de perfiles: " + error, Icono::Exclamacion);
}

void frmCalcTiempoTemp::BarraCambiada(QScrollBar* barra, QLineEdit* caja) {
    if (!listo_)
        return;
    if (!tecleando_) {
        const bool antes = sincronizando_;
        sincronizando_ = true;
        EscribirTemperatura(caja, barra->value());
        sincronizando_ = antes;
    }
    Recalcular();
}

void frmCalcTiempoTemp::CajaCambiada(QLineEdit* caja, QScrollBar* barra) {
    if (!listo_ || sincronizando_)
        return;
    const auto decimas = DecimasTecleadas(caja->text());
    if (!decimas)
        return;
    sincronizando_ = tecleando_ = true;
    barra->setValue(*decimas);
    sincronizando_ = tecleando_ = false;
    Recalcular();
}

void frmCalcTiempoTemp::CajaTerminada(QLineEdit* caja, QScrollBar* barra) {
    // Once the user leaves the box it shows the temperature in use again, in the usual form.
    sincronizando_ = true;
    EscribirTemperatura(caja, barra->value());
    sincronizando_ = false;
}

void frmCalcTiempoTemp::EscribirTemperatura(QLineEdit* caja, int decimas) {
    const QString texto = FormatoNumero(decimas / 10.0, u"0.0");
    if (caja->text() != texto)
        caja->setText(texto);
}

int frmCalcTiempoTemp::Formula() const {
    return optFormula_->checkedId();
}

int frmCalcTiempoTemp::Revelador() const {
    return optRev_->checkedId();
}

int frmCalcTiempoTemp::Agitacion() const {
    return optAgi_->checkedId();
}

void frmCalcTiempoTemp::Recalcular() {
    if (!listo_)
        return;
    const auto r = CalcularCompensacion({Formula(), hscTempBase_->value(), hscTempAct_->value(), Revelador(),
                                         Agitacion(), txtMin_->text(), txtSeg_->text()});
    lblFml_->setText(r.lineaFormula);
    MostrarResultado(r.resultado);
    if (r.error)
        return;
    lblFactor_->setText(r.lineaFactor);
    lblTotal_->setText(r.lineaBase);
    lblDelta_->setText(r.lineaDiferencia);
    DibujarGrafica(hscTempBase_->value() / 10.0, hscTempAct_->value() / 10.0);
}

void frmCalcTiempoTemp::MostrarResultado(const QString& texto) {
    ultimoResultado_ = texto;
    picResultado_->Limpiar(Tema::CalcPanel);
    const int ancho = RedondearEntero(picResultado_->MedirTexto(texto, 36, true).width());
    const int x = std::max(0, (picResultado_->AnchoTwips() - ancho) / 2);
    picResultado_->Texto(x, -210, texto, Tema::CalcResultado, 36, true);
}

void frmCalcTiempoTemp::DibujarGrafica(double base, double actual) {
    Lienzo& g = *picG_;
    const EscalaFactor e(g.AnchoTwips(), g.AltoTwips());
    const int xR = e.xL + e.PW;
    auto factor = [&](double t) {
        return Acotar(FactorCompensacion(Formula(), base, t, Revelador(), Agitacion()));
    };

    g.Limpiar(Tema::CalcPanel);
    g.Rectangulo(600, 180, xR, e.yB, Tema::GraficaFondo, true);
    for (double f : {0.5, 0.75, 1.0, 1.25, 1.5, 2.0}) {
        const int y = e.Y(f);
        if (f == 1.0)
            g.Linea(e.xL, y, xR, y, Tema::GraficaLineaUnidad);
        else
            g.Linea(e.xL, y, xR, y, Tema::GraficaLineaSecundaria, 1, Lienzo::Estilo::Punteado);
        g.Texto(20, y - 90, FormatoNumero(f, u"0.00") + u'x', Tema::GraficaEjes, 6);
    }
    const QColor &ejes = Tema::GraficaEjes, &rotulos = Tema::GraficaRotulos;
    for (int t = 10; t <= 30; t += 5) {
        const int x = e.X(t);
        g.Linea(x, e.yT, x, e.yB, Tema::GraficaVertical);
        g.Texto(x - 90, e.yB + 30, QString::number(t) + kGrado, rotulos, 7);
    }
    g.Linea(e.xL, e.yT, e.xL, e.yB + 20, ejes);
    g.Linea(e.xL, e.yB, xR, e.yB, ejes);
    g.Texto(e.xL + e.PW / 2 - 600, g.AltoTwips() - 240, u"Temperatura actual (" + kGrado + u"C)", rotulos, 7);

    const QColor& curva = Tema::GraficaCurva;
    QPoint anterior;
    for (int i = 0; i <= 200; ++i) {
        const double t = 10.0 + 0.1 * i;
        const QPoint punto(e.X(t), std::max(e.yT, e.Y(factor(t))));
        if (i > 0)
            g.Linea(anterior.x(), anterior.y(), punto.x(), punto.y(), curva, 2);
        anterior = punto;
    }

    const QColor& marca = Tema::GraficaMarca;
    const double fa = factor(actual);
    const int xa = e.X(actual), ya = e.Y(fa);
    g.Linea(xa, e.yT, xa, e.yB, Tema::GraficaLineaActual, 1, Lienzo::Estilo::Punteado);
    g.Circulo(xa, ya, 90, marca, 3);
    const int xTexto = xa > e.xL + 0.7 * e.PW ? xa - 900 : xa + 120;
    g.Texto(xTexto, ya - 210, FormatoNumero(fa, u"0.00") + u'x', marca, 9);
}

void frmCalcTiempoTemp::LlenarListaPerfiles() {
    lstPerfiles_->clear();
    for (int i = 0; i < perfiles_.Cantidad(); ++i)
        lstPerfiles_->addItem(perfiles_.Perfil(i).nombre);
}

void frmCalcTiempoTemp::CopiarResultado() {
    const QString texto = u"Tiempo compensado: " + ultimoResultado_ + u"\r\n" + lblFactor_->text() +
                          u"\r\nT.base: " + txtTempBase_->text() + kGrado + u"C\r\nT.actual: " +
                          txtTempAct_->text() + kGrado + u'C';
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    portapapeles->setText(texto);
    Dialogo().Informar(QString(), QStringLiteral("Copiado al portapapeles."), Icono::Informacion);
}

void frmCalcTiempoTemp::GuardarPerfil() {
    if (perfiles_.Lleno()) {
        Dialogo().Informar(QString(), QStringLiteral("Máximo de perfiles alcanzado."), Icono::Exclamacion);
        return;
    }
    QString nombre = NombrePerfilPropuesto(QDateTime::currentDateTime(), Formula(), Revelador());
    // A name the file cannot hold is asked again with the text typed, never cut or altered.
    for (;;) {
        const auto respuesta = Dialogo().PedirTexto(QStringLiteral("Guardar perfil"),
                                                    QStringLiteral("Nombre del perfil:"), nombre);
        if (!respuesta)
            return;
        nombre = NombrePerfilSeguro(*respuesta);
        if (nombre.isEmpty())
            return;
        const QString problema = ProblemaNombrePerfil(nombre);
        if (problema.isEmpty())
            break;
        Dialogo().Informar(QString(), problema, Icono::Exclamacion);
        nombre = *respuesta;
    }
    PerfilTemp p;
    p.nombre = nombre;
    p.revelador = qint16(Revelador());
    p.agitacion = qint16(Agitacion());
    p.formula = qint16(Formula() == kFormulaRegla7 ? 0 : 1);
    p.tBase = float(LeerNumeroInicial(txtTempBase_->text(), true));
    p.tActual = float(LeerNumeroInicial(txtTempAct_->text(), true));
    p.segundos = qint16(SegundosBase(txtMin_->text(), txtSeg_->text()));
    perfiles_.Poner(p);
    LlenarListaPerfiles();
    lstPerfiles_->setCurrentRow(perfiles_.Buscar(nombre));
    if (EscribirPerfiles())
        Dialogo().Informar(QString(), QStringLiteral("Perfil guardado."), Icono::Informacion);
}

void frmCalcTiempoTemp::CargarPerfil() {
    const int i = lstPerfiles_->currentRow();
    if (i < 0 || !lstPerfiles_->currentItem()->isSelected())
        return;
    const PerfilTemp p = PerfilAplicable(perfiles_.Perfil(i));
    sincronizando_ = true;
    optRev_->button(p.revelador)->setChecked(true);
    optAgi_->button(p.agitacion)->setChecked(true);
    optFormula_->button(p.formula)->setChecked(true);
    for (auto [caja, barra, grados] :
         {std::tuple{txtTempBase_, hscTempBase_, p.tBase}, std::tuple{txtTempAct_, hscTempAct_, p.tActual}}) {
        caja->setText(FormatoNumero(grados, u"0.0"));
        barra->setValue(RedondearEntero(grados * 10.0));
    }
    txtMin_->setText(QString::number(p.segundos / 60));
    txtSeg_->setText(FormatoNumero(p.segundos % 60, u"00"));
    sincronizando_ = false;
    Recalcular();
}

void frmCalcTiempoTemp::EliminarPerfil() {
    const int i = lstPerfiles_->currentRow();
    if (i < 0 || !lstPerfiles_->currentItem()->isSelected())
        return;
    if (Dialogo().PreguntarSiNo(QString(), u"Eliminar '" + perfiles_.Perfil(i).nombre + u"'?",
                                Icono::Pregunta) != Respuesta::Si)
        return;
    perfiles_.Eliminar(i);
    LlenarListaPerfiles();
    EscribirPerfiles();
}

void frmCalcTiempoTemp::AbrirTemporizador() {
    anfitrion_.IniciarTemporizador(CompensacionTecleada{SegundosBase(txtMin_->text(), txtSeg_->text()),
                                                        hscTempBase_->value(), hscTempAct_->value(),
                                                        Formula(), Revelador(), Agitacion()});
}
