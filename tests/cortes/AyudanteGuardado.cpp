// Saves one kind of thing over and over, for the test that kills it: prints each step's number
// once that save has returned. Arguments: kind, program folder, settings folder.
#include "Versiones.h"

#include "devtimes/ConsultasTiempos.h"
#include "formulas/ConsultasFormulas.h"
#include "maintenance/CopiaSeguridad.h"
#include "notes/ConsultasNotas.h"
#include "shell/AjustesUsuario.h"
#include "shell/AlmacenDatos.h"
#include "shell/Configuracion.h"
#include "shell/Rutas.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
void Avisar(qint64 paso) {
    const QByteArray linea = QByteArray::number(paso) + '\n';
    if (::write(STDOUT_FILENO, linea.constData(), size_t(linea.size())) != linea.size())
        ::_exit(4);
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const char* tipo = argv[1];
    FijarCarpetaPrograma(QString::fromLocal8Bit(argv[2]));
    FijarCarpetaAjustes(QString::fromLocal8Bit(argv[3]));
    try {
        // The files need no database.
        if (std::strcmp(tipo, kPerfil) != 0 && std::strcmp(tipo, kAjustes) != 0)
            AbrirBasesDatos();
        for (qint64 i = 1;; ++i) {
            if (std::strcmp(tipo, kNotaPersonal) == 0) {
                static const QVariant fecha = LeerNota(1).value_or(Nota{}).fecha;
                ActualizarNota(1, fecha, TituloPaso(i), CuerpoPaso(i));
            } else if (std::strcmp(tipo, kNotaPeliRev) == 0) {
                GuardarNotaMia(true, 1, 1, 1, CuerpoPaso(i));
            } else if (std::strcmp(tipo, kTiempoPropio) == 0) {
                GuardarTiempoPropio(TiempoPaso(i));
            } else if (std::strcmp(tipo, kNotaFormula) == 0) {
                formulas::GuardarMisNotas(1, CuerpoPaso(i));
            } else if (std::strcmp(tipo, kPerfil) == 0) {
                ArchivoPerfiles archivo;
                if (!archivo.Cargar(RutaPerfiles()) || !archivo.Poner(PerfilPaso(i)) ||
                    !archivo.Guardar(RutaPerfiles()))
                    return 3;
            } else if (std::strcmp(tipo, kAjustes) == 0) {
                if (!GuardarCfg(QStringLiteral("Fondo"), FondoPaso(i)))
                    return 3;
            } else if (std::strcmp(tipo, kCopia) == 0) {
                if (!RespaldarBases(RutaPrograma(QStringLiteral("respaldo"))).TodoBien())
                    return 3;
            } else {
                return 2;
            }
            Avisar(i);
        }
    } catch (const ErrorBD& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 3;
    }
}
