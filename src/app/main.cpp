#include "app/frmMDI.h"
#include "shell/AlmacenDatos.h"
#include "shell/DialogosQt.h"
#include "shell/Fuentes.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Garvola"));
    InstalarDialogos(std::make_unique<DialogosQt>());
    InstalarSustitutos();

    frmMDI principal;
    try {
        principal.Cargar();
    } catch (const ErrorBD& e) {
        // Without its databases the program cannot work: say why and end.
        Dialogo().Informar(kTituloAplicacion, e.Descripcion(), Icono::Critico);
        CerrarBasesDatos();
        return 1;
    }
    principal.show();
    return app.exec();
}
