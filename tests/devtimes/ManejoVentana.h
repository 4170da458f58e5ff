#pragma once

#include "soporte/VentanaPrueba.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
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

    // A right click on a widget; a command is then chosen.
    static void Menu(QWidget* donde, const QPoint& punto) {
        QContextMenuEvent evento(QContextMenuEvent::Mouse, punto, donde->mapToGlobal(punto));
        QApplication::sendEvent(donde, &evento);
    }
    // A right click on a data row (0: below the rows).
    void MenuFila(int fila) const {
        const QPoint punto = fila >= 1 ? Grid()->visualItemRect(Grid()->item(fila - 1, 0)).center()
                                       : QPoint(5, Grid()->viewport()->height() - 3);
        Menu(Grid()->viewport(), punto);
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
        Accion(nombre)->trigger();
        QCoreApplication::processEvents();
    }

    T* ventana = nullptr;
};
