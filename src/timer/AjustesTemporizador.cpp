#include "timer/AjustesTemporizador.h"

#include "calculators/CompensacionTemp.h"
#include "shell/AjustesUsuario.h"

namespace {
const QString kApp = QStringLiteral("Garvola");
const QString kSeccion = QStringLiteral("Temporizador");

int Acotado(const QString& clave, int porDefecto, int cuantos) {
    const int v = LeerAjusteEntero(kApp, kSeccion, clave, porDefecto);
    return v >= 0 && v < cuantos ? v : porDefecto;
}
} // namespace

EsquemaEtapas LeerEsquemaActual() {
    return LeerEsquema(LeerAjuste(kApp, kSeccion, QStringLiteral("Esquema"), QString()))
        .value_or(EsquemaPorDefecto());
}

void GuardarEsquemaActual(const EsquemaEtapas& e) {
    GuardarAjuste(kApp, kSeccion, QStringLiteral("Esquema"), TextoEsquema(e));
}

bool LeerModoOscuro() {
    return LeerAjusteEntero(kApp, kSeccion, QStringLiteral("ModoOscuro"), 0) == 1;
}

void GuardarModoOscuro(bool si) {
    GuardarAjuste(kApp, kSeccion, QStringLiteral("ModoOscuro"), QString::number(si ? 1 : 0));
}

EleccionCompensacion LeerCompensacion() {
    return {Acotado(QStringLiteral("Formula"), 0, int(kFormulas.size())),
            Acotado(QStringLiteral("Revelador"), 1, int(kReveladores.size())),
            Acotado(QStringLiteral("Agitacion"), 1, int(kAgitaciones.size()))};
}

void GuardarCompensacion(const EleccionCompensacion& c) {
    GuardarAjuste(kApp, kSeccion, QStringLiteral("Formula"), QString::number(c.formula));
    GuardarAjuste(kApp, kSeccion, QStringLiteral("Revelador"), QString::number(c.revelador));
    GuardarAjuste(kApp, kSeccion, QStringLiteral("Agitacion"), QString::number(c.agitacion));
}

std::vector<EsquemaNombrado> LeerEsquemasNombrados() {
    std::vector<EsquemaNombrado> r;
    const int n = LeerAjusteEntero(kApp, kSeccion, QStringLiteral("Esquemas"), 0);
    for (int i = 1; i <= n; ++i) {
        const QString clave = u"Esquema" + QString::number(i);
        const QString nombre = LeerAjuste(kApp, kSeccion, clave + u"Nombre", QString());
        const auto e = LeerEsquema(LeerAjuste(kApp, kSeccion, clave, QString()));
        if (!nombre.isEmpty() && e)
            r.push_back({nombre, *e});
    }
    return r;
}

void GuardarEsquemaNombrado(const QString& nombre, const EsquemaEtapas& e) {
    auto todos = LeerEsquemasNombrados();
    auto it = std::find_if(todos.begin(), todos.end(), [&](const auto& x) { return x.nombre == nombre; });
    if (it != todos.end())
        it->esquema = e;
    else
        todos.push_back({nombre, e});
    for (int i = 0; i < int(todos.size()); ++i) {
        const QString clave = u"Esquema" + QString::number(i + 1);
        GuardarAjuste(kApp, kSeccion, clave + u"Nombre", todos[i].nombre);
        GuardarAjuste(kApp, kSeccion, clave, TextoEsquema(todos[i].esquema));
    }
    GuardarAjuste(kApp, kSeccion, QStringLiteral("Esquemas"), QString::number(todos.size()));
}
