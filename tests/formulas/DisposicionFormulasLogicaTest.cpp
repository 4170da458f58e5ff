#include "formulas/DisposicionFormulas.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using formulas::DisponerFormulas;
using formulas::DisposicionFormulas;

namespace {

// The detail's controls, by name, for checks over all of them.
std::vector<std::pair<const char*, QRect>> Detalle(const DisposicionFormulas& d) {
    return {{"lblNombre", d.lblNombre},
            {"lblSubtitulo", d.lblSubtitulo},
            {"lblTipoBadge", d.lblTipoBadge},
            {"lblSecIngr", d.lblSecIngr},
            {"lblEscala", d.lblEscala},
            {"lblPreparar", d.lblPreparar},
            {"txtVolumen", d.txtVolumen},
            {"cboUnidadVolumen", d.cboUnidadVolumen},
            {"grdIngredientes", d.grdIngredientes},
            {"lblUsoLbl", d.lblUsoLbl},
            {"txtUso", d.txtUso},
            {"lblSecInfo", d.lblSecInfo},
            {"lblDilLbl", d.lblDilLbl},
            {"lblDilucion", d.lblDilucion},
            {"lblMisNotasLbl", d.lblMisNotasLbl},
            {"txtMisNotas", d.txtMisNotas},
            {"btnGuardarMisNotas", d.btnGuardarMisNotas},
            {"lblNotasLbl", d.lblNotasLbl},
            {"txtNotas", d.txtNotas},
            {"lblInsLbl", d.lblInsLbl},
            {"txtInstrucciones", d.txtInstrucciones}};
}

} // namespace

TEST(DisposicionFormulas, ListaYDetalleLlenanElClienteBajoElPanel) {
    const DisposicionFormulas d = DisponerFormulas(16500, 11400, 5700);
    EXPECT_EQ(d.picPanel, QRect(0, 0, 16500, 600));
    EXPECT_EQ(d.lstFormulas, QRect(120, 660, 3120, 10680));
    EXPECT_EQ(d.picDetalle, QRect(3360, 660, 13020, 10680));
    // The detail's texts reach its right margin.
    EXPECT_EQ(d.lblNombre.right() + 1, d.picDetalle.width() - 120);
    EXPECT_EQ(d.txtUso.right() + 1, d.picDetalle.width() - 120);
    EXPECT_EQ(d.btnGuardarMisNotas.right() + 1, d.picDetalle.width() - 120);
    EXPECT_EQ(d.lblTipoBadge.right() + 1, d.picDetalle.width() - 120);
}

TEST(DisposicionFormulas, NadaSeSolapaYTodoCabeEnElDetalle) {
    for (const auto& [W, H, columnas] :
         {std::tuple{12600, 10200, 5700}, std::tuple{16500, 11400, 5700}, std::tuple{30000, 20000, 9000}}) {
        const DisposicionFormulas d = DisponerFormulas(W, H, columnas);
        const auto hijos = Detalle(d);
        for (size_t i = 0; i < hijos.size(); ++i) {
            EXPECT_GE(hijos[i].second.left(), 0) << hijos[i].first << " " << W;
            EXPECT_LE(hijos[i].second.right() + 1, d.picDetalle.width()) << hijos[i].first << " " << W;
            for (size_t j = i + 1; j < hijos.size(); ++j)
                EXPECT_FALSE(hijos[i].second.intersects(hijos[j].second))
                    << hijos[i].first << " / " << hijos[j].first << " " << W << "x" << H << " " << columnas;
        }
    }
}

TEST(DisposicionFormulas, LaGridTomaSusColumnasYElVolumenSeAlineaASuDerecha) {
    const DisposicionFormulas d = DisponerFormulas(16500, 11400, 5700);
    EXPECT_EQ(d.grdIngredientes, QRect(0, 1080, 5900, 4590));
    EXPECT_EQ(d.cboUnidadVolumen.right(), d.grdIngredientes.right());
    EXPECT_EQ(d.txtVolumen.right() + 60 + 1, d.cboUnidadVolumen.left());
    EXPECT_EQ(d.lblPreparar.right() + 60 + 1, d.txtVolumen.left());
    EXPECT_EQ(d.lblEscala.right() + 120 + 1, d.lblPreparar.left());
    // The texts on the right start past the grid and share one width.
    EXPECT_EQ(d.txtNotas.left(), d.grdIngredientes.right() + 1 + 240);
    EXPECT_EQ(d.txtInstrucciones.left(), d.txtNotas.left());
    EXPECT_EQ(d.txtInstrucciones.width(), d.txtNotas.width());

    // Wider columns widen the grid and move what is beside it, up to the detail's width.
    const DisposicionFormulas ancha = DisponerFormulas(16500, 11400, 7200);
    EXPECT_EQ(ancha.grdIngredientes.width(), 7400);
    EXPECT_EQ(ancha.cboUnidadVolumen.left() - d.cboUnidadVolumen.left(), 1500);
    EXPECT_EQ(ancha.lblEscala.width() - d.lblEscala.width(), 1500);
    const DisposicionFormulas tope = DisponerFormulas(16500, 11400, 50000);
    EXPECT_EQ(tope.grdIngredientes.width(), tope.picDetalle.width() - 120);
}

TEST(DisposicionFormulas, UnaVentanaDiminutaConservaLosMinimos) {
    const DisposicionFormulas d = DisponerFormulas(1500, 300, 5700);
    EXPECT_EQ(d.lstFormulas.height(), 600);
    EXPECT_EQ(d.picDetalle.width(), 2000);
    // The grid never outgrows the detail; a heading with no room has no width rather than less.
    EXPECT_EQ(d.grdIngredientes.width(), 1880);
    EXPECT_EQ(d.lblSubtitulo.width(), 0);
    EXPECT_EQ(d.lblEscala.width(), 0);
    // The own notes keep their button beside them.
    EXPECT_EQ(d.btnGuardarMisNotas.width(), 1800);
    EXPECT_GT(d.txtMisNotas.width(), 0);
    EXPECT_LT(d.txtMisNotas.right(), d.btnGuardarMisNotas.left());
}
