#pragma once

#include <QString>
#include <vector>

// A folder of the viewer's tree and the folders under it.
struct NodoCarpeta {
    QString nombre;
    QString ruta; // full native path ending in the separator
    std::vector<NodoCarpeta> hijos;
};

inline constexpr int kMaxSubcarpetas = 201;

// Every folder under raiz, to any depth: at most kMaxSubcarpetas per folder (the first by name),
// hidden ones included; a folder's listing is finished before its sub-folders are read. A folder
// that cannot be read has no sub-folders. A symbolic link to a folder that is already on the path
// from the root (the link's own folder or one above it) is listed but not entered, so a link loop
// cannot make the tree endless. The root's name is its path.
NodoCarpeta ConstruirArbolCarpetas(const QString& raiz);
// Number of folders in the tree, the root included.
int ContarCarpetas(const NodoCarpeta& nodo);
