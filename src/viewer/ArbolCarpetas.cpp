#include "viewer/ArbolCarpetas.h"

#include "shell/EntradasCarpeta.h"

#include <QDir>
#include <algorithm>
#include <sys/stat.h>

ArbolCarpetas::ArbolCarpetas(const QString& raiz) {
    raiz_.nombre = NombreVisible(QDir::toNativeSeparators(raiz));
    const QString nativa = QDir::toNativeSeparators(raiz);
    raiz_.ruta = nativa.endsWith(QDir::separator()) ? nativa : nativa + QDir::separator();
    struct stat st {};
    if (::stat(BytesDeRuta(raiz_.ruta).constData(), &st) == 0 && S_ISDIR(st.st_mode))
        raiz_.conSubcarpetas = Reclamar({st.st_dev, st.st_ino}, raiz_.ruta);
}

bool ArbolCarpetas::Reclamar(const Identidad& id, const QString& ruta) {
    const auto it = duenos_.find(id);
    if (it != duenos_.end())
        return it->second == ruta;
    if (int(duenos_.size()) >= kMaxCarpetasArbol)
        return false;
    duenos_.emplace(id, ruta);
    return true;
}

std::vector<NodoCarpeta> ArbolCarpetas::Subcarpetas(const NodoCarpeta& carpeta) {
    std::vector<EntradaCarpeta> entradas;
    struct stat st {};
    // Only a folder this tree entered from that very place is read.
    if (::stat(BytesDeRuta(carpeta.ruta).constData(), &st) == 0) {
        const auto it = duenos_.find({st.st_dev, st.st_ino});
        if (it != duenos_.end() && it->second == carpeta.ruta)
            entradas = ListarCarpeta(carpeta.ruta);
    }
    std::erase_if(entradas, [](const EntradaCarpeta& e) { return !e.carpeta; });
    std::sort(entradas.begin(), entradas.end(), [](const EntradaCarpeta& a, const EntradaCarpeta& b) {
        return NombreAntes(a.nombre, b.nombre);
    });
    if (entradas.size() > size_t(kMaxSubcarpetas))
        entradas.resize(kMaxSubcarpetas);

    std::vector<NodoCarpeta> hijos(entradas.size());
    for (size_t i = 0; i < entradas.size(); ++i) {
        hijos[i].nombre = NombreVisible(entradas[i].nombre);
        hijos[i].ruta = carpeta.ruta + entradas[i].nombre + QDir::separator();
    }
    // Real sub-folders claim their folder before links do.
    for (const bool enlaces : {false, true})
        for (size_t i = 0; i < entradas.size(); ++i)
            if (entradas[i].enlace == enlaces &&
                Reclamar({entradas[i].dispositivo, entradas[i].nodo}, hijos[i].ruta))
                hijos[i].conSubcarpetas = TieneSubcarpetas(hijos[i].ruta);
    return hijos;
}
