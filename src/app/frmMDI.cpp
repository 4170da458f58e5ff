#include "app/frmMDI.h"
#include "shell/Tema.h"

#include "app/Modulos.h"
#include "app/Peticiones.h"
#include "app/frmBotonesDirectos.h"
#include "devtimes/TiemposPropios.h"

#include "shell/AlmacenDatos.h"
#include "shell/Configuracion.h"
#include "shell/Dialogos.h"
#include "shell/Esquema.h"
#include "shell/Imagenes.h"
#include "shell/Numeros.h"
#include "shell/Posiciones.h"
#include "shell/Rutas.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

namespace {
const QString kApp = QStringLiteral("Tintaluz");
const QString kSeccion = QStringLiteral("MDI");
} // namespace

const QString frmMDI::Version = QStringLiteral(GARVOLA_VERSION);
const QString frmMDI::Copyright = QStringLiteral("© 2026 Equipo Garvola. Todos los derechos reservados.");
const QString frmMDI::Copyright2 =
    QStringLiteral("Garvola · darkroom@garvola.invalid · https://garvola.invalid");

frmMDI::frmMDI(QWidget* padre) : QMainWindow(padre), area_(new AreaMDI(this)) {
    setObjectName(QStringLiteral("frmMDI"));
    area_->setObjectName(QStringLiteral("areaMDI"));
    area_->setBackground(Tema::FondoAreaMDI);
    setCentralWidget(area_);
    resize(1280, 860);

    auto* picStatus = new QStatusBar(this);
    picStatus->setObjectName(QStringLiteral("picStatus"));
    picStatus->setSizeGripEnabled(true);
    lblStatus_ = new QLabel(QStringLiteral("  Listo"), picStatus);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    // A long text (a film's name) is cut at the edge instead of widening the main window.
    lblStatus_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblStatus_->setTextFormat(Qt::PlainText);
    picStatus->addWidget(lblStatus_, 1);
    setStatusBar(picStatus);

    CrearMenus();
    ConectarModulos();
}

void frmMDI::MostrarImagenCompleta(const QString& ruta, const QString& titulo, bool llenar) {
    Peticiones::MostrarImagenCompleta(*this, ruta, titulo, llenar);
}

void frmMDI::MostrarFichaTecnica(int idPelicula, const QString& nombrePropio) {
    Peticiones::MostrarFichaTecnica(*this, idPelicula, nombrePropio);
}

void frmMDI::CerrarFichaTecnica() {
    Peticiones::CerrarFichaTecnica(*this);
}

void frmMDI::IniciarTemporizador(const DatosRevelado& datos) {
    Peticiones::IniciarTemporizador(*this, datos);
}

void frmMDI::IniciarTemporizador(const CompensacionTecleada& calculo) {
    Peticiones::IniciarTemporizador(*this, calculo);
}

void frmMDI::IniciarTemporizador(const SesionPlanificada& sesion) {
    Peticiones::IniciarTemporizador(*this, sesion);
}

void frmMDI::PlanificarSesion(const DatosRevelado& fila) {
    Peticiones::PlanificarSesion(*this, fila);
}

void frmMDI::EditarTiempoPropio(const TiempoPropio& t, QWidget* padre) {
    Peticiones::EditarTiempoPropio(t, padre);
}

void frmMDI::CrearMenus() {
    QMenuBar* barra = menuBar();
    auto accion = [this](QWidget* dentro, const char* nombre, const QString& texto,
                         const QString& atajo = {}) {
        auto* a = new QAction(texto, this);
        a->setObjectName(QString::fromLatin1(nombre));
        if (!atajo.isEmpty())
            a->setShortcut(QKeySequence(atajo));
        dentro->addAction(a);
        return a;
    };
    auto menu = [barra](const char* nombre, const QString& texto) {
        QMenu* m = barra->addMenu(texto);
        m->setObjectName(QString::fromLatin1(nombre));
        return m;
    };
    auto separador = [this](QMenu* m, const char* nombre) {
        m->addSeparator()->setObjectName(QString::fromLatin1(nombre));
    };

    QMenu* mnuVer = menu("mnuVer", QStringLiteral("&Módulos"));
    accion(mnuVer, "mnuBuscarPeliRevel", QStringLiteral("&Buscar por película o revelador"),
           QStringLiteral("Ctrl+B"));
    accion(mnuVer, "mnuVerFormulas", QStringLiteral("&Fórmulas"), QStringLiteral("Ctrl+F"));
    accion(mnuVer, "mnuBuscarPeliRevelDiscont",
           QStringLiteral("Películas y reveladores discontinuados/obsoletos"), QStringLiteral("Ctrl+P"));
    separador(mnuVer, "mnuSeparador1");
    accion(mnuVer, "mnuCurvaFalloReciprocidad", QStringLiteral("Curva fallo reciprocidad"));
    separador(mnuVer, "mnuSeparador2");
    accion(mnuVer, "mnuCalcTiempoTemp", QStringLiteral("Calculadora &temperatura/tiempo"),
           QStringLiteral("Ctrl+T"));
    accion(mnuVer, "mnuCalcDiluciones", QStringLiteral("Calculadora de &diluciones"),
           QStringLiteral("Ctrl+D"));
    accion(mnuVer, "mnuTemporizador", QStringLiteral("Tempo&rizador de revelado"));
    accion(mnuVer, "mnuSesionRevelado", QStringLiteral("&Sesión de revelado"));
    separador(mnuVer, "mnuSeparador3");
    accion(mnuVer, "mnuVerNotas", QStringLiteral("&Notas personales"), QStringLiteral("Ctrl+N"));

    QMenu* mnuVisor = menu("mnuVisor", QStringLiteral("&Visor "));
    accion(mnuVisor, "mnuVisorImag", QStringLiteral("Imágenes"));
    accion(mnuVisor, "mnuDatasheets", QStringLiteral("Fichas técnicas y hojas de especificaciones"));
    accion(mnuVisor, "mnuOtrosDoc", QStringLiteral("Otros documentos"));

    QMenu* mnuVentanas = menu("mnuVentanas", QStringLiteral("V&entanas"));
    accion(mnuVentanas, "BotAccDirectos", QStringLiteral("Restaurar botones accesos directos"));
    separador(mnuVentanas, "mnuSeparador4");
    QAction* cascada = accion(mnuVentanas, "mnuVentanasCascada", QStringLiteral("&Cascada"));
    QAction* mosaico = accion(mnuVentanas, "mnuVentanasMosaico", QStringLiteral("&Mosaico"));
    connect(cascada, &QAction::triggered, area_, &QMdiArea::cascadeSubWindows);
    connect(mosaico, &QAction::triggered, area_, &AreaMDI::Mosaico);

    accion(barra, "mnuServicio", QStringLiteral("Se&rvicio"));
    accion(barra, "mnuAyuda", QStringLiteral("A&yuda"));
    accion(barra, "mnuAyudaAcerca", QStringLiteral("&Acerca de..."));
    QAction* salir = accion(barra, "mnuSalir", QStringLiteral("&Salir"));
    connect(salir, &QAction::triggered, this, &frmMDI::Salir);
}

QAction* frmMDI::Accion(const QString& nombre) const {
    return findChild<QAction*>(nombre);
}

void frmMDI::Cargar() {
    setWindowTitle(kTituloAplicacion);
    QString fondo = LeerCfg(QStringLiteral("Fondo"));
    if (fondo.isEmpty())
        fondo = QStringLiteral("tz_fnd_01.jpg");
    FijarFondo(fondo);
    QFont letra(Tema::FaceInterfaz);
    letra.setPointSizeF(8.5);
    lblStatus_->setFont(letra);
    AbrirBasesDatos();
    RestaurarPosicionVentana(kApp, kSeccion, this);
    CrearTablaNotasMias();
    CompletarNotesDb();
    try {
        RegistrarNombresPropios();
    } catch (const ErrorBD&) {
        // The own times still show under the films the list has; nothing else depends on it.
    }
    EstadoListo();
    Abrir<frmBotonesDirectos>();
}

void frmMDI::FijarFondo(const QString& nombre) {
    const QString ruta = RutaPrograma(u"imag\\" + nombre);
    // The shared loader: oversized pictures are refused like everywhere else.
    area_->FijarFondo(!nombre.isEmpty() && QFileInfo(ruta).isFile() ? CargarImagen(ruta) : QImage());
}

void frmMDI::EstadoListo() {
    lblStatus_->setText(QStringLiteral("|  Listo  |"));
}

void frmMDI::EstadoMostrar(const QString& texto) {
    lblStatus_->setText(u"  " + texto);
}

void frmMDI::Salir() {
    if (Dialogo().PreguntarSiNo(QStringLiteral("Confirmar"), QStringLiteral("¿Salir del programa?"),
                                Icono::Pregunta) == Respuesta::Si)
        close();
}

void frmMDI::closeEvent(QCloseEvent* evento) {
    // Every question is asked before any window closes: a "Cancelar" leaves them all open.
    if (!cerrando_ && !PermitirCierres()) {
        evento->ignore();
        return;
    }
    // Every child runs its own closing first, so each saves what it must.
    area_->closeAllSubWindows();
    if (!area_->subWindowList().isEmpty()) {
        evento->ignore();
        return;
    }
    if (!cerrando_) {
        cerrando_ = true;
        GuardarPosicionVentana(kApp, kSeccion, this);
        CerrarBasesDatos();
    }
    evento->accept();
}

bool frmMDI::PermitirCierres() {
    std::vector<VentanaModulo*> ventanas;
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (auto* v = qobject_cast<VentanaModulo*>(sub->widget()))
            ventanas.push_back(v);
    for (VentanaModulo* v : ventanas)
        if (!v->PermitirCierre()) {
            for (VentanaModulo* w : ventanas)
                w->OlvidarCierre();
            return false;
        }
    return true;
}

void frmMDI::ConectarModulos() {
    for (const Modulo& m : Modulos()) {
        QAction* a = Accion(QString::fromLatin1(m.accion));
        connect(a, &QAction::triggered, this, [this, abrir = m.abrir] { abrir(*this); });
    }
}
