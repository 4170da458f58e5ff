#pragma once

#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// Driving a calculator window as a user does: its controls found by name.
template <class V> class PruebaVentana : public ::testing::Test {
protected:
    void Abrir() {
        w = std::make_unique<V>();
        w->Cargar();
        w->show();
    }
    template <class T = QWidget> T* C(const char* nombre) {
        T* c = w->template findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    // Near the left edge: an option button reacts on its mark and caption only.
    void Clic(const char* nombre) {
        QWidget* c = C(nombre);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, c->height() / 2));
    }
    void Teclear(const char* caja, const QString& texto) {
        C<QLineEdit>(caja)->clear();
        QTest::keyClicks(C(caja), texto);
    }

    std::unique_ptr<V> w;
};
