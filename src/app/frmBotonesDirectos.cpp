#include "app/frmBotonesDirectos.h"

#include "app/IconosPrograma.h"
#include "app/Modulos.h"
#include "shell/Controles.h"
#include "shell/Tema.h"

#include <QMdiSubWindow>
#include <QToolButton>
#include <cstring>

namespace {
constexpr double kLado = 1500;

struct Boton {
    const char* nombre;
    const char* tooltip;
    const char* dibujo;
    // The menu entry whose module the button opens, as in the table of modules.
    const char* accion;
};

const Boton kBotones[] = {
    {"cmdBATbuscarPeliculaRevelador", "Buscar película o revelador", "bat_buscar", "mnuBuscarPeliRevel"},
    {"cmdBATformulas", "Fórmulas", "bat_formulas", "mnuVerFormulas"},
    {"cmdBATcalcTempTiempo", "Calculadora de tiempo/temperatura", "bat_temp_tiempo", "mnuCalcTiempoTemp"},
    {"cmdBATcalculadoraDiluciones", "Calculadora de diluciones", "bat_diluciones", "mnuCalcDiluciones"},
    {"cmdBATnotasPersonales", "Notas personales", "bat_notas", "mnuVerNotas"},
};

const Modulo* BuscarModulo(const char* accion) {
    for (const Modulo& m : Modulos())
        if (std::strcmp(m.accion, accion) == 0)
            return &m;
    return nullptr;
}
} // namespace

frmBotonesDirectos::frmBotonesDirectos(Anfitrion& anfitrion, QWidget* padre)
    : VentanaModulo(padre), anfitrion_(anfitrion) {
    setObjectName(QStringLiteral("frmBotonesDirectos"));
    setWindowTitle(QStringLiteral("Accesos directos"));
    ColorFondo(this, Tema::FondoBotonesDirectos);
    ColocarTwips(this, 0, 0, kLado, kLado * std::size(kBotones));

    double arriba = 0;
    for (const Boton& b : kBotones) {
        auto* boton = CrearControl<QToolButton>(this, b.nombre, 0, arriba, kLado, kLado);
        arriba += kLado;
        boton->setToolTip(QString::fromUtf8(b.tooltip));
        boton->setAutoRaise(true);
        const QIcon icono = IconoPrograma(QString::fromLatin1(b.dibujo));
        boton->setIcon(icono);
        // At its own size the picture is drawn pixel for pixel.
        boton->setIconSize(TamanoIcono(icono));
        const Modulo* modulo = BuscarModulo(b.accion);
        // A module not in the program yet leaves its button disabled.
        boton->setEnabled(modulo != nullptr);
        if (modulo)
            connect(boton, &QToolButton::clicked, this, [this, abrir = modulo->abrir] { abrir(anfitrion_); });
    }
}

void frmBotonesDirectos::Cargar() {
    // Too narrow for the minimise and maximise buttons: the frame keeps only the close button.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(Marco()))
        sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint);
    Marco()->move(0, 0);
}
