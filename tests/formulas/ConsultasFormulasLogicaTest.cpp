#include "formulas/ConsultasFormulas.h"

#include "FixtureFormulas.h"

#include <gtest/gtest.h>

using namespace formulas;

namespace {

QStringList Nombres(const std::vector<EntradaLista>& entradas) {
    QStringList r;
    for (const auto& e : entradas)
        r << e.nombre;
    return r;
}

class ConsultasFormulasTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Spanish names that would sort otherwise, and one without a Spanish name.
        fixture::Insertar({1, "Kodak D-76", "Zeta D-76 ES"});
        fixture::Insertar({2, "Ilford ID-11", QString()});
        fixture::Insertar({3, "Farmer's reducer", "Reductor de Farmer", "Reductores", "Reducer", "Reductor"});
        fixture::Insertar(
            {4, "Ansco 130", "Ansco 130", "Reveladores", "Paper developer", "Revelador de papel"});
        fixture::Insertar({5, "Mystery bath", QVariant(), QVariant(), "Bath", QVariant()});
        fixture::Insertar({6, "Empty category bath", QVariant(), "", "Bath", QVariant()});
    }
    CarpetaPruebas carpeta_;
};

} // namespace

TEST_F(ConsultasFormulasTest, ListaEnOrdenDeNombreConLosNombresDelIdioma) {
    EXPECT_EQ(Nombres(CargarLista("", std::nullopt, false)),
              QStringList({"Ansco 130", "Empty category bath", "Farmer's reducer", "Ilford ID-11",
                           "Kodak D-76", "Mystery bath"}));
    // Spanish names, still in base-name order; an empty or null Spanish name falls back.
    const auto es = CargarLista("   ", std::nullopt, true);
    EXPECT_EQ(Nombres(es), QStringList({"Ansco 130", "Empty category bath", "Reductor de Farmer",
                                        "Ilford ID-11", "Zeta D-76 ES", "Mystery bath"}));
    EXPECT_EQ(es[2].id, 3);
}

TEST_F(ConsultasFormulasTest, FiltroSobreNombreOTipoYCategoria) {
    EXPECT_EQ(Nombres(CargarLista(" farmer's ", std::nullopt, false)), QStringList({"Farmer's reducer"}));
    // The type is searched in its base column only, in both languages.
    EXPECT_EQ(Nombres(CargarLista("paper", std::nullopt, true)), QStringList({"Ansco 130"}));
    EXPECT_TRUE(CargarLista("papel", std::nullopt, true).empty());
    EXPECT_EQ(Nombres(CargarLista("d", QStringLiteral("Reveladores"), false)),
              QStringList({"Ansco 130", "Ilford ID-11", "Kodak D-76"}));
    EXPECT_TRUE(CargarLista("", QStringLiteral("O'Hara"), false).empty());
    // An unclosed "[" is no pattern: nothing listed, nothing raised.
    EXPECT_TRUE(CargarLista("[a", std::nullopt, false).empty());
}

TEST_F(ConsultasFormulasTest, FormulasSinCategoriaSeAgrupanAlFinal) {
    EXPECT_EQ(CargarCategorias(), QStringList({"Reductores", "Reveladores", kSinCategoria}));
    EXPECT_EQ(Nombres(CargarLista("", QString(""), false)),
              QStringList({"Empty category bath", "Mystery bath"}));
}

TEST_F(ConsultasFormulasTest, SinColumnaNombreESListaPorNombre) {
    BaseDatos& bd = *ReferenceDb();
    bd.Ejecutar("CREATE TABLE Viejas AS SELECT IdFormula, Nombre, CategoriaES, Subtitulo, Tipo, DilucionES, "
                "Instrucciones, Uso, Notas, MisNotasFormulas FROM Formulas");
    bd.Ejecutar("DROP TABLE Formulas");
    bd.Ejecutar("ALTER TABLE Viejas RENAME TO Formulas");
    ASSERT_FALSE(ExisteCampo("Formulas", "NombreES"));
    EXPECT_TRUE(ExisteCampo("Formulas", "Nombre"));
    EXPECT_FALSE(ExisteCampo("NoHay", "Nombre"));
    EXPECT_EQ(Nombres(CargarLista("o", std::nullopt, true)),
              QStringList({"Ansco 130", "Empty category bath", "Ilford ID-11", "Kodak D-76"}));
    // The Spanish detail columns are missing too: the base texts are shown.
    const auto d = MostrarFormula(1, true);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->tipo, "Film developer");
}

TEST_F(ConsultasFormulasTest, DetalleConLasCaidasAlIdiomaBase) {
    const auto es = MostrarFormula(1, true);
    ASSERT_TRUE(es);
    EXPECT_EQ(es->nombre, "Kodak D-76"); // the heading keeps the base name
    EXPECT_EQ(es->subtitulo, "Subtítulo de Kodak D-76");
    EXPECT_EQ(es->tipo, "Revelador de película");
    EXPECT_EQ(es->instrucciones, "Disolver en orden.");
    EXPECT_EQ(es->uso, "General use.");      // empty Spanish text
    EXPECT_EQ(es->notas, "Reference note."); // null Spanish text
    EXPECT_EQ(es->dilucion, "1+1");
    const auto base = MostrarFormula(1, false);
    ASSERT_TRUE(base);
    EXPECT_EQ(base->subtitulo, "Kodak D-76 subtitle");
    EXPECT_EQ(base->instrucciones, "Dissolve in order.");
    EXPECT_EQ(base->dilucion, "1+1");
    EXPECT_FALSE(MostrarFormula(0, true));
    EXPECT_FALSE(MostrarFormula(99, true));
}

TEST_F(ConsultasFormulasTest, CampoESCaeAlRespaldoSiFaltaLaColumna) {
    Consulta c = ReferenceDb()->Consultar("SELECT Nombre, NombreES FROM Formulas WHERE IdFormula=1");
    EXPECT_EQ(CampoES(c, "NombreES", "x"), "Zeta D-76 ES");
    EXPECT_EQ(CampoES(c, "NoExiste", "x"), "x");
}

TEST_F(ConsultasFormulasTest, DosPartesConTitulosYNumeros) {
    fixture::DosPartes(7, "Beutler");
    const auto es = CargarIngredientes(7, true);
    ASSERT_EQ(es.size(), 6u);
    EXPECT_TRUE(es[0].titulo);
    EXPECT_EQ(es[0].quimica, "Solución A");
    EXPECT_EQ(es[0].parte, "");
    EXPECT_FALSE(es[1].titulo);
    EXPECT_EQ(es[1].parte, "1");
    EXPECT_EQ(es[1].quimica, "Metol");
    EXPECT_EQ(es[1].cantidad, "10.0");
    EXPECT_EQ(es[1].unidad, "g");
    EXPECT_EQ(es[2].quimica, "Agua hasta");
    EXPECT_TRUE(es[3].titulo);
    EXPECT_EQ(es[3].quimica, "Solution B"); // no Spanish title
    EXPECT_EQ(es[4].parte, "2");
    EXPECT_EQ(es[4].quimica, "Sodium carbonate"); // empty Spanish name, in line order
    EXPECT_EQ(es[5].quimica, "Agua hasta");
    const auto base = CargarIngredientes(7, false);
    ASSERT_EQ(base.size(), 6u);
    EXPECT_EQ(base[0].quimica, "Solution A");
    EXPECT_EQ(base[2].quimica, "Water to make");
}

TEST_F(ConsultasFormulasTest, PartesSinTituloNoDanFilasDeTitulo) {
    fixture::Ingrediente(1, 1, QVariant(), "Parte ES", 1, "Metol", "Metol", "2.0", "g");
    fixture::Ingrediente(1, 2, "", "Otra", 1, "Borax", "Bórax", "2.0", "g");
    // A Spanish title without a base one still titles the part in Spanish mode, but numbers nothing.
    const auto es = CargarIngredientes(1, true);
    ASSERT_EQ(es.size(), 4u);
    EXPECT_TRUE(es[0].titulo);
    EXPECT_EQ(es[1].parte, "");
    const auto base = CargarIngredientes(1, false);
    ASSERT_EQ(base.size(), 2u);
    EXPECT_FALSE(base[0].titulo);
    EXPECT_EQ(base[0].parte, "");
    EXPECT_EQ(base[1].parte, "");
    EXPECT_TRUE(CargarIngredientes(2, true).empty());
}

TEST_F(ConsultasFormulasTest, NotasVaciasSeGuardanVaciasYElBorradoGeneralNulo) {
    GuardarMisNotas(1, "Dilute 1+1 for T-Max");
    EXPECT_EQ(CargarMisNotas(1), "Dilute 1+1 for T-Max");
    EXPECT_EQ(CargarMisNotas(2), "");
    GuardarMisNotas(1, QString());
    auto tipo = [] {
        return ReferenceDb()
            ->Consultar("SELECT typeof(MisNotasFormulas) FROM Formulas WHERE IdFormula=1")
            .Campo(0);
    };
    EXPECT_EQ(tipo().toString(), "text");
    EXPECT_EQ(CargarMisNotas(1), "");
    ReferenceDb()->Ejecutar("UPDATE Formulas SET MisNotasFormulas = NULL");
    EXPECT_EQ(tipo().toString(), "null");
    EXPECT_EQ(CargarMisNotas(1), "");
    EXPECT_EQ(CargarMisNotas(99), "");
    GuardarMisNotas(0, "nada"); // no formula: nothing written
    EXPECT_EQ(ReferenceDb()
                  ->Consultar("SELECT COUNT(*) FROM Formulas WHERE MisNotasFormulas='nada'")
                  .Campo(0)
                  .toInt(),
              0);
}

TEST(ConsultasFormulasCerrada, NadaSinBaseDeReferencia) {
    CarpetaPruebas carpeta(false);
    EXPECT_TRUE(CargarCategorias().isEmpty());
    EXPECT_TRUE(CargarLista("", std::nullopt, true).empty());
    EXPECT_FALSE(MostrarFormula(1, true));
    EXPECT_TRUE(CargarIngredientes(1, true).empty());
    EXPECT_EQ(CargarMisNotas(1), "");
    EXPECT_FALSE(ExisteCampo("Formulas", "Nombre"));
    GuardarMisNotas(1, "x"); // nothing to write to, and no failure
}
