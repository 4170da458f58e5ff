#pragma once

#include "devtimes/frmTiempoPropio.h"
#include "soporte/VentanaPrueba.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

// Drives a search window among the other modules, as a user does.
template <class T> class ManejoVentana : public VentanaPrueba<T> {
public:
    ManejoVentana() : VentanaPrueba<T>(true) {
        ventana = this->Abrir();
        ventana->Marco()->resize(1100, 760);
        QCoreApplication::processEvents();
    }

    template <class K> K* Control(const char* nombre) const { return this->template C<K>(nombre); }
    QListWidget* Lista() const { return Control<QListWidget>("lstItems"); }
    QTableWidget* Grid() const { return Control<QTableWidget>("grdTiempos"); }
    QComboBox* Temperaturas() const { return Control<QComboBox>("cboTemp"); }

    QStringList Items() const {
        QStringList r;
        for (int i = 0; i < Lista()->count(); ++i)
            r << Lista()->item(i)->text();
        return r;
    }
    QStringList Opciones() const {
        QStringList r;
        for (int i = 0; i < Temperaturas()->count(); ++i)
            r << Temperaturas()->itemText(i);
        return r;
    }
    void Clic(const QString& nombre) const {
        const auto encontrados = Lista()->findItems(nombre, Qt::MatchExactly);
        ASSERT_EQ(encontrados.size(), 1) << nombre.toStdString();
        Lista()->scrollToItem(encontrados.front());
        QTest::mouseClick(Lista()->viewport(), Qt::LeftButton, {},
                          Lista()->visualItemRect(encontrados.front()).center());
    }
    void ElegirTemperatura(const QString& texto) const {
        const int i = Temperaturas()->findText(texto);
        ASSERT_GE(i, 0) << texto.toStdString();
        Temperaturas()->setCurrentIndex(i);
    }
    // Data rows are numbered from 1.
    void ClicFila(int fila) const {
        Grid()->scrollToItem(Grid()->item(fila - 1, 0));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {},
                          Grid()->visualItemRect(Grid()->item(fila - 1, 0)).center());
    }
    QStringList Fila(int fila) const {
        QStringList r;
        for (int c = 0; c < Grid()->columnCount(); ++c)
            r << Grid()->item(fila - 1, c)->text();
        return r;
    }
    QStringList Columna(int c) const {
        QStringList r;
        for (int f = 0; f < Grid()->rowCount(); ++f)
            r << Grid()->item(f, c)->text();
        return r;
    }
    QString Cabecera(int c) const { return Grid()->horizontalHeaderItem(c)->text(); }
    // The colour every cell of the row has; invalid when the cells differ.
    QColor ColorDeFila(int fila) const {
        const QColor c = Grid()->item(fila - 1, 0)->background().color();
        for (int i = 1; i < Grid()->columnCount(); ++i)
            if (Grid()->item(fila - 1, i)->background().color() != c)
                return {};
        return c;
    }
    QString Estado() const { return this->anfitrion.Estado(); }
    QString Conteo() const { return Control<QLabel>("lblConteo")->text(); }

    // A right click on a data row (0: below the rows); a command is then chosen.
    void MenuFila(int fila) const {
        const QPoint punto = fila >= 1 ? Grid()->visualItemRect(Grid()->item(fila - 1, 0)).center()
                                       : QPoint(5, Grid()->viewport()->height() - 3);
        MenuContextual(Grid()->viewport(), punto);
    }
    QAction* Accion(const char* nombre) const {
        auto* a = ventana->template findChild<QAction*>(QString::fromLatin1(nombre));
        EXPECT_NE(a, nullptr) << nombre;
        return a;
    }
    // The command chosen from the menu on show.
    void Elegir(const char* nombre) const {
        for (auto* m : ventana->template findChildren<QMenu*>())
            m->hide();
        Disparar(ventana, nombre);
    }

    // The own-time dialog the window opened; null when none.
    frmTiempoPropio* DialogoPropio() const { return ventana->template findChild<frmTiempoPropio*>(); }
    // The first own row; 0 when none.
    int FilaPropia() const {
        for (int f = 1; f <= ventana->FilasDatos(); ++f)
            if (Fila(f)[7].startsWith(QStringLiteral("[PROPIO]")))
                return f;
        return 0;
    }

    T* ventana = nullptr;
};

// "developer EI" of each own row of a search grid, in order.
inline QStringList FilasPropias(const QTableWidget* g) {
    QStringList r;
    for (int f = 0; f < g->rowCount(); ++f)
        if (g->item(f, 7) && g->item(f, 7)->text().startsWith(QStringLiteral("[PROPIO]")))
            r << g->item(f, 0)->text() + u' ' + g->item(f, 2)->text();
    return r;
}

// Saves the own-time dialog as its button does.
inline void GuardarPropio(frmTiempoPropio* d) {
    ASSERT_NE(d, nullptr);
    QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnGuardar")), Qt::LeftButton);
    QCoreApplication::processEvents();
}
