#include "app/Arranque.h"
#include "app/IconosPrograma.h"
#include "app/LineaOrdenes.h"
#include "app/frmMDI.h"
#include "shell/AlmacenDatos.h"
#include "shell/DialogosQt.h"
#include "shell/Fuentes.h"
#include "shell/Rutas.h"

#include <QApplication>
#include <QTextStream>

namespace {
// Export and import from the command line: no window, so no display is needed.
int SinVentana(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Garvola"));
    PrepararCarpetaPrograma();
    QTextStream salida(stdout), errores(stderr);
    const int codigo = EjecutarLineaOrdenes(QCoreApplication::arguments().mid(1), salida, errores);
    CerrarBasesDatos();
    return codigo;
}
} // namespace

int main(int argc, char* argv[]) {
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    if (EsLineaOrdenes(argumentos))
        return SinVentana(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Garvola"));
    PrepararCarpetaPrograma();
    // The desktop entry's icon when the theme has it installed, else the program's own picture.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("garvola"), IconoPrograma(QStringLiteral("logo"))));
    QGuiApplication::setDesktopFileName(QStringLiteral("invalid.garvola.Garvola"));
    InstalarDialogos(std::make_unique<DialogosQt>());
    InstalarSustitutos();

    frmMDI principal;
    if (!Arrancar(principal))
        return 1;
    principal.show();
    return app.exec();
}
