#pragma once

#include <span>

class Anfitrion;

// One row per module: the menu entry (its objectName) that opens, or brings forward, its window.
struct Modulo {
    const char* accion;
    void (*abrir)(Anfitrion& anfitrion);
};

// Every module of the program; the only list that names them all.
std::span<const Modulo> Modulos();
