#include "soporte/CarpetaPruebas.h"

#include "shell/AjustesUsuario.h"
#include "shell/AlmacenDatos.h"
#include "shell/Borradores.h"
#include "shell/Esquema.h"
#include "shell/Rutas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CarpetaPruebas::CarpetaPruebas(bool abrir) : ajustesPrevios_(CarpetaAjustes()) {
    CerrarBasesDatos();
    FijarCarpetaPrograma(dir_.path());
    FijarCarpetaAjustes(dir_.path() + QStringLiteral("/ajustes"));
    CrearBaseReferencia(RutaBDReferencia());
    CrearBaseNotas(RutaBDNotas());
    if (abrir)
        AbrirBasesDatos();
}

CarpetaPruebas::~CarpetaPruebas() {
    // Drafts asked for by the test land in its folder before the folder goes.
    Borradores().Esperar();
    CerrarBasesDatos();
    FijarCarpetaPrograma({});
    FijarCarpetaAjustes(ajustesPrevios_);
}

QString CarpetaPruebas::Archivo(const QString& relativo) const {
    return dir_.path() + u'/' + RutaNativa(relativo);
}

void CarpetaPruebas::Escribir(const QString& relativo, const QByteArray& contenido) const {
    const QString ruta = Archivo(relativo);
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly))
        f.write(contenido);
}
