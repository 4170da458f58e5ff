#pragma once

#include "devtimes/VentanaBusquedaTiempos.h"

// Development times of discontinued or obsolete films and developers, rows coloured by status.
// The selected list text itself identifies the item.
class frmPeliculasReveladoresDiscont : public VentanaBusquedaTiempos {
    Q_OBJECT
public:
    explicit frmPeliculasReveladoresDiscont(Anfitrion& anfitrion, QWidget* padre = nullptr);

protected:
    std::vector<ItemLista> LeerItems(const QString& filtro) override;
    QStringList LeerTemperaturasItem() override;
    std::vector<QStringList> LeerFilasItem(const QString& temperatura) override;
    bool HaySeleccion() const override { return !TextoItem().isEmpty(); }
    QColor ColorFila(int fila) const override;
    Qt::Alignment AlineacionUltima(const QString&) const override { return Qt::AlignCenter; }
    bool MostrarFilaAlLlenar() const override { return false; }
    void Redistribuir(int W, int H, int T) override;
};
