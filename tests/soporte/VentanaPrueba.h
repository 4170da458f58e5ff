#pragma once

#include "AnfitrionPrueba.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

// Replaces what a text box holds by pasting, as from another program: every character arrives,
// even those no key types (control characters, surrogate pairs).
inline void Pegar(QWidget* caja, const QString& texto) {
    QGuiApplication::clipboard()->setText(texto);
    caja->setFocus();
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(caja, Qt::Key_V, Qt::ControlModifier);
}

// Drives one module window as a user does: opened through a host, its controls found by name.
template <class V> class VentanaPrueba {
public:
    // enArea: the window lives in a client area as in the program, with the other modules.
    explicit VentanaPrueba(bool enArea = false) : anfitrion(enArea) {}

    V* Abrir() {
        w = anfitrion.Abrir<V>();
        QCoreApplication::processEvents();
        return w;
    }
    template <class T = QWidget> T* C(const char* nombre) const {
        T* c = w->template findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    // Near the left edge: an option button reacts on its mark and caption only.
    void Clic(const char* nombre) const {
        QWidget* c = C(nombre);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, c->height() / 2));
    }
    void Teclear(const char* caja, const QString& texto) const {
        C<QLineEdit>(caja)->clear();
        QTest::keyClicks(C(caja), texto);
    }

    AnfitrionPrueba anfitrion;
    QPointer<V> w;
};
