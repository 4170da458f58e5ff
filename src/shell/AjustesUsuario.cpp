#include "shell/AjustesUsuario.h"

#include "shell/Numeros.h"

#include <QSettings>
#include <QStandardPaths>

namespace {
QString& CarpetaFijada() {
    static QString carpeta;
    return carpeta;
}

QSettings Abrir(const QString& aplicacion) {
    return QSettings(CarpetaAjustes() + u'/' + aplicacion + u".ini", QSettings::IniFormat);
}

QString Clave(const QString& seccion, const QString& clave) {
    return seccion + u'/' + clave;
}
} // namespace

QString CarpetaAjustes() {
    if (!CarpetaFijada().isEmpty())
        return CarpetaFijada();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/garvola";
}

void FijarCarpetaAjustes(const QString& carpeta) {
    CarpetaFijada() = carpeta;
}

QString LeerAjuste(const QString& aplicacion, const QString& seccion, const QString& clave,
                   const QString& porDefecto) {
    const QVariant v = Abrir(aplicacion).value(Clave(seccion, clave));
    return v.isValid() ? v.toString() : porDefecto;
}

void GuardarAjuste(const QString& aplicacion, const QString& seccion, const QString& clave,
                   const QString& valor) {
    Abrir(aplicacion).setValue(Clave(seccion, clave), valor);
}

int LeerAjusteEntero(const QString& aplicacion, const QString& seccion, const QString& clave,
                     int porDefecto) {
    return RedondearEntero(
        LeerNumeroInicial(LeerAjuste(aplicacion, seccion, clave, QString::number(porDefecto))));
}
