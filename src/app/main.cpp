#include "app/Arranque.h"
#include "app/IconosPrograma.h"
#include "app/frmMDI.h"
#include "shell/DialogosQt.h"
#include "shell/Fuentes.h"
#include "shell/Rutas.h"

#include <QApplication>

int main(int argc, char* argv[]) {
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
