#pragma once

#include "AnfitrionPrueba.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
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

// A right click at a point of a widget. The menu it opens is closed again: its commands, enabled or
// not as the click left them, are then triggered by name.
inline void MenuContextual(QWidget* donde, const QPoint& punto) {
    QContextMenuEvent evento(QContextMenuEvent::Mouse, punto, donde->mapToGlobal(punto));
    QApplication::sendEvent(donde, &evento);
    for (auto* m : donde->window()->findChildren<QMenu*>())
        m->hide();
}

// Triggers a window's command by its name, and lets what it posts run.
inline void Disparar(const QWidget* ventana, const char* accion) {
    auto* a = ventana->findChild<QAction*>(QString::fromLatin1(accion));
    ASSERT_NE(a, nullptr) << accion;
    a->trigger();
    QCoreApplication::processEvents();
}

// A control of a window by its name; a missing one fails the test.
template <class T = QWidget> T* Control(const QObject* ventana, const char* nombre) {
    T* c = ventana->findChild<T*>(QString::fromLatin1(nombre));
    EXPECT_NE(c, nullptr) << nombre;
    return c;
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
    template <class T = QWidget> T* C(const char* nombre) const { return Control<T>(w.data(), nombre); }
    // What a label, a line box or a text box shows.
    QString Texto(const char* nombre) const {
        if (auto* l = w->template findChild<QLabel*>(QString::fromLatin1(nombre)))
            return l->text();
        if (auto* e = w->template findChild<QLineEdit*>(QString::fromLatin1(nombre)))
            return e->text();
        return C<QPlainTextEdit>(nombre)->toPlainText();
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
