#pragma once

#include "shell/Anfitrion.h"

#include <QPointer>
#include <QStringList>
#include <vector>

// A host for module windows under test: each window stands alone (no client area), and what the
// windows ask of the main window is recorded.
class AnfitrionPrueba : public Anfitrion {
public:
    ~AnfitrionPrueba() override;

    void EstadoMostrar(const QString& texto) override { estados << QStringLiteral("  ") + texto; }
    void EstadoListo() override { estados << QStringLiteral("|  Listo  |"); }
    void CentrarChild(QWidget* ventana) override { centradas.push_back(ventana); }
    QMdiArea* Area() const override { return nullptr; }
    void FijarFondo(const QString& nombre) override { fondos << nombre; }
    VentanaModulo* Buscar(const QMetaObject& tipo) const override;
    void Agregar(VentanaModulo* nueva) override;
    void Activar(VentanaModulo* ventana) override;

    QString Estado() const { return estados.isEmpty() ? QString() : estados.back(); }

    QStringList estados;
    QStringList fondos;
    std::vector<QWidget*> centradas;
    std::vector<QPointer<VentanaModulo>> ventanas;
};
