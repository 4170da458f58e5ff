#include "azar/DialogosAlAzar.h"

#include "soporte/TextoExtrano.h"

#include <QDir>
#include <QStringList>

DialogosAlAzar::DialogosAlAzar(QRandomGenerator& azar, QString carpetaArchivos)
    : azar_(azar), carpeta_(std::move(carpetaArchivos)) {
    QDir().mkpath(carpeta_);
}

Respuesta DialogosAlAzar::PreguntarSiNo(const QString&, const QString&, Icono) {
    ++preguntas;
    return azar_.bounded(2) ? Respuesta::Si : Respuesta::No;
}

Respuesta DialogosAlAzar::PreguntarSiNoCancelar(const QString&, const QString&, Icono) {
    ++preguntas;
    const Respuesta r[] = {Respuesta::Si, Respuesta::No, Respuesta::Cancelar};
    return r[azar_.bounded(3)];
}

void DialogosAlAzar::Informar(const QString&, const QString&, Icono) {
    ++preguntas;
}

std::optional<QString> DialogosAlAzar::PedirTexto(const QString&, const QString&, const QString& inicial) {
    ++preguntas;
    switch (azar_.bounded(3)) {
    case 0:
        return std::nullopt;
    case 1:
        return inicial;
    default:
        return TextoAlAzar(azar_);
    }
}

std::optional<QString> DialogosAlAzar::PedirArchivoGuardar(const QString&, const QString&, const QString&) {
    ++preguntas;
    if (azar_.bounded(3) == 0)
        return std::nullopt;
    return carpeta_ + QStringLiteral("/archivo%1.zip").arg(azar_.bounded(3));
}

std::optional<QString> DialogosAlAzar::PedirArchivoAbrir(const QString&, const QString&, const QString&) {
    ++preguntas;
    if (azar_.bounded(3) == 0)
        return std::nullopt;
    // What an earlier save left, or a file that is not there.
    return carpeta_ + QStringLiteral("/archivo%1.zip").arg(azar_.bounded(4));
}

std::optional<QColor> DialogosAlAzar::PedirColor(const QString&, const QColor&) {
    ++preguntas;
    if (azar_.bounded(3) == 0)
        return std::nullopt;
    return QColor::fromRgb(azar_.bounded(256), azar_.bounded(256), azar_.bounded(256));
}

QString TextoAlAzar(QRandomGenerator& azar) {
    static const QStringList palabras = {
        QStringLiteral("HP5"),      QStringLiteral("Rodinal"), QStringLiteral("1+50"),
        QStringLiteral("7:30"),     QStringLiteral("400"),     QStringLiteral("20,5"),
        QStringLiteral("ñandú"),    QStringLiteral("*"),       QStringLiteral("[a-"),
        QStringLiteral("'"),        QStringLiteral("0"),       QStringLiteral("-3"),
        QStringLiteral("9:75"),     QStringLiteral("abc"),     QStringLiteral(" "),
        QStringLiteral("99999999"), QStringLiteral("#"),       QStringLiteral("?"),
        QStringLiteral("Árbol"),    QStringLiteral("\"")};
    switch (azar.bounded(8)) {
    case 0:
        return QString();
    case 1:
        return TextoExtrano(qsizetype(azar.bounded(1, 3000)), azar.bounded(2) == 1);
    default: {
        QString t;
        const int n = azar.bounded(1, 4);
        for (int i = 0; i < n; ++i)
            t += palabras[azar.bounded(int(palabras.size()))];
        return t;
    }
    }
}
