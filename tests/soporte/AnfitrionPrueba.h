#pragma once

#include "shell/Anfitrion.h"
#include "shell/AreaMDI.h"

#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

// A host for module windows under test. By default each window stands alone; with a client area
// the windows live in sub-windows as in the program. What the windows ask of the main window is
// recorded.
class AnfitrionPrueba : public Anfitrion {
public:
    explicit AnfitrionPrueba(bool conArea = false);
    ~AnfitrionPrueba() override;

    void EstadoMostrar(const QString& texto) override { estados << QStringLiteral("  ") + texto; }
    void EstadoListo() override { estados << QStringLiteral("|  Listo  |"); }
    void CentrarChild(QWidget* ventana) override;
    QMdiArea* Area() const override { return area_.get(); }
    void FijarFondo(const QString& nombre) override { fondos << nombre; }
    VentanaModulo* Buscar(const std::type_info& tipo) const override;
    void Agregar(VentanaModulo* nueva) override;
    void Activar(VentanaModulo* ventana) override;

    QString Estado() const { return estados.isEmpty() ? QString() : estados.back(); }

    QStringList estados;
    QStringList fondos;
    std::vector<QWidget*> centradas;

private:
    std::unique_ptr<AreaMDI> area_;
    std::vector<QPointer<VentanaModulo>> ventanas_;
};
