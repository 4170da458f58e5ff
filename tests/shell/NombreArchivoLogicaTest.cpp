#include "shell/NombreArchivo.h"

#include <gtest/gtest.h>

TEST(NombreArchivo, CambiaLosCaracteresQueUnArchivoNoAdmite) {
    EXPECT_EQ(NombreArchivoSeguro(QStringLiteral("A \"B\" / C: D* E? <F>")),
              QStringLiteral("A _B_ _ C_ D_ E_ _F_"));
    EXPECT_EQ(NombreArchivoSeguro(QStringLiteral("Kodak T-Max 100 (1986) \\ ñ")),
              QStringLiteral("Kodak T-Max 100 (1986) \\ ñ"));
}
