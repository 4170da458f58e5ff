#include "viewer/ArbolCarpetas.h"

#include "shell/OrdenAlfabetico.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

namespace {

QString Unir(const QString& carpeta, const QString& nombre) {
    return carpeta.endsWith(u'/') ? QString(carpeta + nombre) : QString(carpeta + u'/' + nombre);
}

struct Subcarpeta {
    QString nombre;
    // The real folder; empty for a link that must not be entered.
    QString real;
};

// `reales`: the real (canonical) paths of the folders from the root down to this one.
void AgregarSubcarpetas(NodoCarpeta& nodo, std::vector<QString>& reales) {
    std::vector<Subcarpeta> encontradas;
    QDirIterator it(nodo.ruta, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        const QFileInfo entrada = it.nextFileInfo();
        Subcarpeta s{entrada.fileName(), {}};
        if (!entrada.isSymLink()) {
            s.real = Unir(reales.back(), s.nombre);
        } else {
            const QString destino = entrada.canonicalFilePath();
            if (destino.isEmpty())
                continue; // broken link
            if (std::find(reales.begin(), reales.end(), destino) == reales.end())
                s.real = destino;
        }
        encontradas.push_back(std::move(s));
    }
    // This platform lists a folder in no useful order; the tree shows names in order.
    std::sort(encontradas.begin(), encontradas.end(),
              [](const Subcarpeta& a, const Subcarpeta& b) { return AntesAlfabetico(a.nombre, b.nombre); });
    if (encontradas.size() > size_t(kMaxSubcarpetas))
        encontradas.resize(kMaxSubcarpetas);

    nodo.hijos.reserve(encontradas.size());
    for (Subcarpeta& s : encontradas) {
        NodoCarpeta& hijo = nodo.hijos.emplace_back();
        hijo.ruta = nodo.ruta + s.nombre + QDir::separator();
        hijo.nombre = std::move(s.nombre);
        if (s.real.isEmpty())
            continue;
        reales.push_back(std::move(s.real));
        AgregarSubcarpetas(hijo, reales);
        reales.pop_back();
    }
}

} // namespace

NodoCarpeta ConstruirArbolCarpetas(const QString& raiz) {
    NodoCarpeta nodo;
    nodo.nombre = QDir::toNativeSeparators(raiz);
    nodo.ruta = nodo.nombre.endsWith(QDir::separator()) ? nodo.nombre : nodo.nombre + QDir::separator();
    const QString real = QFileInfo(raiz).canonicalFilePath();
    if (real.isEmpty())
        return nodo;
    std::vector<QString> reales{real};
    AgregarSubcarpetas(nodo, reales);
    return nodo;
}

int ContarCarpetas(const NodoCarpeta& nodo) {
    int n = 1;
    for (const NodoCarpeta& h : nodo.hijos)
        n += ContarCarpetas(h);
    return n;
}
