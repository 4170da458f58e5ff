#include "soporte/Preparacion.h"

#include "soporte/DialogosGuion.h"

#include "shell/AjustesUsuario.h"

#include <QLocale>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {
DialogosGuion* g_guion = nullptr;

// Each test starts with no queued answers and no recorded calls.
class LimpiarGuion : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        g_guion->respuestas.clear();
        g_guion->textos.clear();
        g_guion->archivos.clear();
        g_guion->colores.clear();
        g_guion->llamadas.clear();
    }
};
} // namespace

DialogosGuion& Guion() {
    return *g_guion;
}

int CorrerPruebas(int argc, char** argv) {
    QLocale::setDefault(QLocale::c());
    QTemporaryDir ajustes;
    FijarCarpetaAjustes(ajustes.path());

    auto guion = std::make_unique<DialogosGuion>();
    g_guion = guion.get();
    InstalarDialogos(std::move(guion));

    ::testing::InitGoogleMock(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new LimpiarGuion);
    return RUN_ALL_TESTS();
}
