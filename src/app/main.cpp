#include "app/Arranque.h"
#include "app/frmMDI.h"
#include "shell/DialogosQt.h"
#include "shell/Fuentes.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Garvola"));
    InstalarDialogos(std::make_unique<DialogosQt>());
    InstalarSustitutos();

    frmMDI principal;
    if (!Arrancar(principal))
        return 1;
    principal.show();
    return app.exec();
}
