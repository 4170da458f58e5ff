#include "shell/Rueda.h"

#include <QGuiApplication>
#include <QScrollBar>
#include <QStyleHints>
#include <QTableWidget>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RuedaTest : public ::testing::Test {
protected:
    void SetUp() override {
        lineasPrevias_ = QGuiApplication::styleHints()->wheelScrollLines();
        grid_ = std::make_unique<QTableWidget>(200, 3);
        grid_->resize(300, 200);
        grid_->show();
        grid_->verticalScrollBar()->setValue(50);
    }
    void TearDown() override {
        SoltarRueda();
        QGuiApplication::styleHints()->setWheelScrollLines(lineasPrevias_);
    }

    // Rows scrolled by one wheel event on the grid's viewport (positive: down).
    static int Mover(QTableWidget& grid, int delta) {
        QScrollBar* barra = grid.verticalScrollBar();
        const int antes = barra->value();
        const QPointF centro(grid.viewport()->rect().center());
        QWheelEvent e(centro, grid.viewport()->mapToGlobal(centro), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(grid.viewport(), &e);
        return barra->value() - antes;
    }

    int lineasPrevias_ = 3;
    std::unique_ptr<QTableWidget> grid_;
};

} // namespace

TEST_F(RuedaTest, MuescasPorLineasDelSistema) {
    QGuiApplication::styleHints()->setWheelScrollLines(3);
    EngancharRueda(grid_.get());
    EXPECT_EQ(Mover(*grid_, -120), 3);
    EXPECT_EQ(Mover(*grid_, 120), -3);
    EXPECT_EQ(Mover(*grid_, -240), 6);
}

// High-resolution wheels and touchpads: small steps add up to a notch before anything scrolls.
TEST_F(RuedaTest, PasosFinosSeAcumulanHastaUnaMuesca) {
    QGuiApplication::styleHints()->setWheelScrollLines(3);
    EngancharRueda(grid_.get());
    EXPECT_EQ(Mover(*grid_, -40), 0);
    EXPECT_EQ(Mover(*grid_, -40), 0);
    EXPECT_EQ(Mover(*grid_, -40), 3);
    EXPECT_EQ(Mover(*grid_, -359), 6);
    // 119 are left over; a turn the other way drops them.
    EXPECT_EQ(Mover(*grid_, 60), 0);
    EXPECT_EQ(Mover(*grid_, 60), -3);
    EXPECT_EQ(Mover(*grid_, 120), -3);
}

TEST_F(RuedaTest, AjustesRarosDelSistema) {
    EngancharRueda(grid_.get());
    QGuiApplication::styleHints()->setWheelScrollLines(5);
    EXPECT_EQ(Mover(*grid_, -120), 5);
    QScrollBar* barra = grid_->verticalScrollBar();
    const int antes = barra->value();
    DesplazarPorRueda(grid_.get(), -120, 0);
    EXPECT_EQ(barra->value(), antes + 3);
    DesplazarPorRueda(grid_.get(), -120, -7);
    EXPECT_EQ(barra->value(), antes + 6);
    const int pagina = barra->pageStep();
    ASSERT_GT(pagina, 3);
    DesplazarPorRueda(grid_.get(), -240, kPaginaPorMuesca);
    EXPECT_EQ(barra->value(), antes + 6 + 2 * pagina);
    DesplazarPorRueda(grid_.get(), 120, kPaginaPorMuesca);
    EXPECT_EQ(barra->value(), antes + 6 + pagina);
}

TEST_F(RuedaTest, UnSoloGridEnganchadoYLosDemasSiguenDesplazando) {
    QGuiApplication::styleHints()->setWheelScrollLines(3);
    QTableWidget otro(200, 3);
    otro.resize(300, 200);
    otro.show();
    EngancharRueda(grid_.get());
    EngancharRueda(grid_.get());
    EXPECT_EQ(GridEnganchado(), grid_.get());
    EngancharRueda(&otro);
    EXPECT_EQ(GridEnganchado(), &otro);
    EXPECT_EQ(Mover(otro, -120), 3);
    // The first grid lost the hook but still scrolls by the toolkit's own handling.
    EXPECT_GT(Mover(*grid_, -120), 0);
    SoltarRueda();
    EXPECT_EQ(GridEnganchado(), nullptr);
    EXPECT_GT(Mover(otro, -120), 0);
}

TEST_F(RuedaTest, UnGridDestruidoSeSuelta) {
    EngancharRueda(grid_.get());
    grid_.reset();
    EXPECT_EQ(GridEnganchado(), nullptr);
    SoltarRueda();
    EngancharRueda(nullptr);
    EXPECT_EQ(GridEnganchado(), nullptr);
}
