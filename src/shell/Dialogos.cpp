#include "shell/Dialogos.h"

#include <cstdio>
#include <cstdlib>

namespace {
std::unique_ptr<Dialogos>& Instalados() {
    static std::unique_ptr<Dialogos> d;
    return d;
}
} // namespace

Dialogos& Dialogo() {
    auto& d = Instalados();
    if (!d) {
        std::fputs("Garvola: no dialog implementation installed\n", stderr);
        std::abort();
    }
    return *d;
}

void InstalarDialogos(std::unique_ptr<Dialogos> dialogos) {
    Instalados() = std::move(dialogos);
}
