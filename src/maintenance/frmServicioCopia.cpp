#include "maintenance/CopiaSeguridad.h"
#include "maintenance/frmServicio.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

// The busy pointer while the backup runs; dialogs in between get the normal one.
class PunteroOcupado {
public:
    PunteroOcupado() { Poner(); }
    ~PunteroOcupado() { Quitar(); }
    void Poner() {
        if (qGuiApp && !puesto_)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        puesto_ = qGuiApp != nullptr;
    }
    void Quitar() {
        if (qGuiApp && puesto_)
            QGuiApplication::restoreOverrideCursor();
        puesto_ = false;
    }

private:
    bool puesto_ = false;
};

} // namespace

void HacerCopiaSeguridad(const std::function<QDateTime()>& reloj) {
    const QString titulo = TituloCopiaSeguridad();
    const MensajeCopia pregunta = PreguntaCopiaSeguridad();
    if (Dialogo().PreguntarSiNo(titulo, pregunta.texto, pregunta.icono) != Respuesta::Si)
        return;

    PunteroOcupado puntero;
    const MensajeCopia informe =
        CopiarBasesDatos(reloj ? reloj() : QDateTime::currentDateTime(), [&](const QString& aviso) {
            puntero.Quitar();
            Dialogo().Informar(titulo, aviso, Icono::Critico);
            puntero.Poner();
        });
    puntero.Quitar();
    Dialogo().Informar(titulo, informe.texto, informe.icono);
}
