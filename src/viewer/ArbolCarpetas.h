#pragma once

#include <QString>
#include <map>
#include <utility>
#include <vector>

// A folder of the viewer's tree.
struct NodoCarpeta {
    QString nombre; // as shown (stray bytes as U+FFFD)
    QString ruta;   // full native path ending in the separator, its bytes kept (RutaDeBytes)
    // It holds folders and may be entered: the tree shows an expander.
    bool conSubcarpetas = false;
};

inline constexpr int kMaxSubcarpetas = 201;
// Real folders one tree enters at most; past that, folders are listed but not entered.
inline constexpr int kMaxCarpetasArbol = 20000;

// The folders under a root, read one folder at a time as the tree is opened. A real folder (device
// and inode, links followed) is entered from one place of the tree only: the first place that
// lists it, a folder's own sub-folders claimed before its links. So a link to "/" or links between
// siblings cannot make the tree endless or repeat a folder's contents.
class ArbolCarpetas {
public:
    // The root's name is its path.
    explicit ArbolCarpetas(const QString& raiz);
    const NodoCarpeta& Raiz() const { return raiz_; }
    // The sub-folders of a folder of this tree: at most kMaxSubcarpetas (the first by name),
    // hidden ones and links included, broken links left out. A folder that cannot be read, or that
    // is not to be entered, has none. Asking again gives the same answer.
    std::vector<NodoCarpeta> Subcarpetas(const NodoCarpeta& carpeta);
    // Real folders entered or claimed so far.
    int Carpetas() const { return int(duenos_.size()); }

private:
    using Identidad = std::pair<unsigned long long, unsigned long long>;
    // Claims the real folder for the path; true when the path may enter it.
    bool Reclamar(const Identidad& id, const QString& ruta);

    NodoCarpeta raiz_;
    std::map<Identidad, QString> duenos_; // real folder -> the tree path that enters it
};
