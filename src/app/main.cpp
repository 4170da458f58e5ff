#include "app/Arranque.h"
#include "app/CopiaUnica.h"
#include "app/IconosPrograma.h"
#include "app/LineaOrdenes.h"
#include "app/RecuperarBorradores.h"
#include "app/frmMDI.h"
#include "maintenance/DatosInstalados.h"
#include "shell/AlmacenDatos.h"
#include "shell/Borradores.h"
#include "shell/Dialogos.h"
#include "shell/DialogosQt.h"
#include "shell/Fuentes.h"
#include "shell/Rutas.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QThread>
#include <optional>

namespace {
// Export and import: no window, so no display is needed; never beside a running window.
int SinVentana(int argc, char* argv[], const Orden& orden) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Garvola"));
    QTextStream salida(stdout), errores(stderr);
    CopiaUnica copia(CarpetaDeArranque());
    if (!copia.Tomar()) {
        errores << "garvola: el programa está abierto en la carpeta "
                << QDir::toNativeSeparators(CarpetaDeArranque()) << "; ciérrelo y vuelva a "
                << (orden.tipo == TipoOrden::Exportar ? "exportar" : "importar")
                << ". No se ha hecho nada.\n";
        return 1;
    }
    PrepararCarpetaPrograma();
    const int codigo = EjecutarLineaOrdenes(orden, salida, errores);
    CerrarBasesDatos();
    return codigo;
}

// Nothing when the lock is this copy's; else the exit code: 0 once the running copy was asked to
// come forward, 1 when it does not answer. The holder may still be starting, or be an export from
// the command line: it is given a few seconds.
std::optional<int> OtraCopiaAbierta(CopiaUnica& copia) {
    for (int intento = 0; intento < 50; ++intento) {
        if (copia.Tomar())
            return std::nullopt;
        if (const qint64 pid = copia.PedirQueSeMuestre(2000)) {
            QTextStream(stdout) << "Garvola ya está abierto en esta carpeta (proceso " << pid
                                << "): se trae su ventana al frente.\n";
            return 0;
        }
        QThread::msleep(200);
    }
    Dialogo().Informar(kTituloAplicacion,
                       u"Garvola ya está en marcha en la carpeta " +
                           QDir::toNativeSeparators(CarpetaDeArranque()) +
                           u", pero no responde. Ciérrelo y vuelva a abrir el programa.",
                       Icono::Exclamacion);
    return 1;
}
} // namespace

int main(int argc, char* argv[]) {
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    const Orden orden = AnalizarLineaOrdenes(argumentos);
    if (orden.tipo == TipoOrden::Exportar || orden.tipo == TipoOrden::Importar)
        return SinVentana(argc, argv, orden);
    if (orden.tipo != TipoOrden::Ventana) {
        QTextStream salida(stdout), errores(stderr);
        return ResponderSinEjecutar(orden, salida, errores);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Garvola"));
    InstalarDialogos(std::make_unique<DialogosQt>());
    CopiaUnica copia(CarpetaDeArranque());
    if (const std::optional<int> codigo = OtraCopiaAbierta(copia))
        return *codigo;
    frmMDI* ventana = nullptr;
    copia.Escuchar([&ventana] {
        if (ventana)
            TraerAlFrente(*ventana);
    });
    PrepararCarpetaPrograma();
    // Under the lock: no other copy has the databases open while they are brought up to date.
    PuestaAlDia puesta;
    if (const QString origen = OrigenCarpetaUsuario(); !origen.isEmpty())
        puesta = PonerAlDiaDesdeInstalada(CarpetaPrograma(), origen, {NombreEjecutable()});
    // The desktop entry's icon when the theme has it installed, else the program's own picture.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("garvola"), IconoPrograma(QStringLiteral("logo"))));
    QGuiApplication::setDesktopFileName(QStringLiteral("invalid.garvola.Garvola"));
    InstalarSustitutos();

    frmMDI principal;
    if (!Arrancar(principal))
        return 1;
    principal.show();
    ventana = &principal;
    if (puesta.estado != PuestaAlDia::Estado::SinCambios)
        Dialogo().Informar(kTituloAplicacion, puesta.aviso,
                           puesta.estado == PuestaAlDia::Estado::Hecha ? Icono::Informacion
                                                                       : Icono::Exclamacion);
    RecuperarBorradores(principal);
    const int codigo = app.exec();
    // Every window was closed by now: what is left of the drafts is on disk before the end.
    Borradores().Esperar();
    return codigo;
}
