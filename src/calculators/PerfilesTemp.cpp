#include "calculators/PerfilesTemp.h"

#include "calculators/CompensacionTemp.h"
#include "shell/Archivos.h"
#include "shell/Numeros.h"
#include "shell/Rutas.h"
#include "shell/TextoAnsi.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace {
// The outcome as the callers take it: false with the system's reason in error.
bool Bien(const ResultadoArchivo& r, QString* error) {
    if (!r && error)
        *error = r.motivo;
    return bool(r);
}
} // namespace

QString RutaPerfiles() {
    return RutaPrograma(QStringLiteral("perfiles_temp.txt"));
}

namespace {

std::optional<qint16> LeerEntero16(const QString& campo) {
    bool ok = false;
    const int v = campo.trimmed().toInt(&ok);
    if (!ok || v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(v);
}

// A number beyond any temperature is held at this bound: a float cannot take every double, and an
// infinite value would not write back as it was read. Applying a profile clamps to 10..30 anyway.
constexpr double kTemperaturaExtrema = 1e6;

float LeerTemperatura(const QString& campo) {
    return float(std::clamp(LeerNumeroInicial(campo, true), -kTemperaturaExtrema, kTemperaturaExtrema));
}

QString Temperatura(float grados) {
    return FormatoNumero(grados, u"0.0");
}

} // namespace

std::optional<PerfilTemp> LeerLineaPerfil(const QByteArray& linea) {
    const QStringList campos = DesdeAnsi(linea).split(u'|');
    if (campos.size() < 5)
        return std::nullopt;
    const auto revelador = LeerEntero16(campos[1]);
    const auto agitacion = LeerEntero16(campos[2]);
    const auto segundos = LeerEntero16(campos[4]);
    const auto formula = campos.size() > 5 ? LeerEntero16(campos[5]) : std::optional<qint16>(0);
    if (!revelador || !agitacion || !segundos || !formula)
        return std::nullopt;
    PerfilTemp p;
    p.nombre = campos[0];
    p.revelador = *revelador;
    p.agitacion = *agitacion;
    p.tBase = LeerTemperatura(campos[3]);
    p.segundos = *segundos;
    p.formula = *formula;
    p.tActual = campos.size() > 6 ? LeerTemperatura(campos[6]) : p.tBase;
    return p;
}

QByteArray EscribirLineaPerfil(const PerfilTemp& p) {
    const QString linea = p.nombre + u'|' + QString::number(p.revelador) + u'|' +
                          QString::number(p.agitacion) + u'|' + Temperatura(p.tBase) + u'|' +
                          QString::number(p.segundos) + u'|' + QString::number(p.formula) + u'|' +
                          Temperatura(p.tActual);
    return HaciaAnsi(linea);
}

PerfilTemp PerfilAplicable(const PerfilTemp& perfil) {
    PerfilTemp p = perfil;
    const PerfilTemp defecto;
    auto indice = [](qint16 valor, std::size_t n, qint16 porDefecto) {
        return valor >= 0 && std::size_t(valor) < n ? valor : porDefecto;
    };
    p.revelador = indice(p.revelador, kReveladores.size(), defecto.revelador);
    p.agitacion = indice(p.agitacion, kAgitaciones.size(), defecto.agitacion);
    p.formula = indice(p.formula, kFormulas.size(), defecto.formula);
    p.tBase = std::clamp(p.tBase, 10.0f, 30.0f);
    p.tActual = std::clamp(p.tActual, 10.0f, 30.0f);
    p.segundos = std::clamp<qint16>(p.segundos, 0, 3659);
    return p;
}

QString NombrePerfilSeguro(const QString& nombre) {
    QString n = nombre;
    // A "|" would split the line into wrong fields; the broken bar looks the same.
    n.replace(u'|', u'\u00A6');
    for (QChar& c : n)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return n.trimmed();
}

QString ProblemaNombrePerfil(const QString& nombre) {
    if (nombre.size() > kLargoNombrePerfil)
        return QStringLiteral("El nombre del perfil tiene %1 caracteres; el máximo es %2.")
            .arg(nombre.size())
            .arg(kLargoNombrePerfil);
    QString ajenos;
    for (qsizetype i = 0; i < nombre.size(); ++i) {
        const qsizetype largo = nombre[i].isHighSurrogate() && i + 1 < nombre.size() ? 2 : 1;
        const QString caracter = nombre.mid(i, largo);
        i += largo - 1;
        if (!CabeEnAnsi(caracter) && !ajenos.contains(caracter))
            ajenos += caracter;
    }
    if (!ajenos.isEmpty())
        return u"El archivo de perfiles no puede guardar estos caracteres del nombre: " + ajenos;
    return {};
}

QString NombrePerfilPropuesto(const QDateTime& momento, int formula, int revelador) {
    const auto clave = [](auto& tabla, int i) {
        return i >= 0 && std::size_t(i) < tabla.size() ? QString::fromUtf16(tabla[std::size_t(i)].clave)
                                                       : QString();
    };
    return momento.toString(QStringLiteral("yyMMdd_HHmmss")) + u'_' + clave(kFormulas, formula) + u'_' +
           clave(kReveladores, revelador);
}

bool ArchivoPerfiles::Cargar(const QString& ruta, QString* error) {
    lineas_.clear();
    nPerfiles_ = 0;
    QByteArray contenido;
    if (!QFileInfo::exists(ruta))
        return true;
    if (!Bien(LeerArchivo(ruta, contenido), error))
        return false;
    Analizar(contenido);
    return true;
}

void ArchivoPerfiles::Analizar(const QByteArray& contenido) {
    lineas_.clear();
    nPerfiles_ = 0;
    for (const QByteArray& cruda : PartirLineas(contenido)) {
        if (cruda.trimmed().isEmpty())
            continue;
        const auto perfil = LeerLineaPerfil(cruda);
        const bool cabe = nPerfiles_ < kMaxPerfiles;
        lineas_.append({cabe ? perfil : std::nullopt, cruda, !cabe && perfil});
        if (cabe && perfil)
            ++nPerfiles_;
    }
}

QByteArray ArchivoPerfiles::Contenido() const {
    QByteArray contenido;
    for (const Linea& l : lineas_)
        contenido += (l.perfil ? EscribirLineaPerfil(*l.perfil) : l.cruda) + "\r\n";
    return contenido;
}

bool ArchivoPerfiles::Guardar(const QString& ruta, QString* error) const {
    return Bien(EscribirArchivoSeguro(ruta, Contenido()), error);
}

int ArchivoPerfiles::Indice(int slot) const {
    for (int i = 0, n = 0; i < lineas_.size(); ++i)
        if (lineas_[i].perfil && n++ == slot)
            return i;
    return -1;
}

const PerfilTemp& ArchivoPerfiles::Perfil(int slot) const {
    return *lineas_[Indice(slot)].perfil;
}

int ArchivoPerfiles::Buscar(const QString& nombre) const {
    int encontrado = -1;
    int slot = 0;
    for (const Linea& l : lineas_)
        if (l.perfil) {
            if (l.perfil->nombre == nombre)
                encontrado = slot;
            ++slot;
        }
    return encontrado;
}

bool ArchivoPerfiles::Poner(const PerfilTemp& perfil) {
    if (Lleno())
        return false;
    const int slot = Buscar(perfil.nombre);
    if (slot >= 0) {
        lineas_[Indice(slot)].perfil = perfil;
        return true;
    }
    // Ahead of the unlisted profiles, so that it is listed again at the next reading.
    const auto sobrante =
        std::find_if(lineas_.begin(), lineas_.end(), [](const Linea& l) { return l.sobrante; });
    lineas_.insert(sobrante, {perfil, {}});
    ++nPerfiles_;
    return true;
}

void ArchivoPerfiles::Eliminar(int slot) {
    const int i = Indice(slot);
    if (i < 0)
        return;
    lineas_.removeAt(i);
    --nPerfiles_;
}
