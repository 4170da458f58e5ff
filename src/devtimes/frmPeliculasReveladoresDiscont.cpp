#include "devtimes/frmPeliculasReveladoresDiscont.h"

#include "devtimes/ConsultasDiscontinuados.h"
#include "devtimes/Disposicion.h"

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

frmPeliculasReveladoresDiscont::frmPeliculasReveladoresDiscont(Anfitrion& anfitrion, QWidget* padre)
    : VentanaBusquedaTiempos(anfitrion,
                             {QStringLiteral("PelRevDisc"), QStringLiteral("PelRevDiscGrid"),
                              QStringLiteral("Discontinuados - "), QStringLiteral("Estado"), 2400,
                              QStringLiteral("films\\discont"), QStringLiteral("devs\\discont"), false},
                             padre) {
    setObjectName(QStringLiteral("frmPeliculasReveladoresDiscont"));
    setWindowTitle(QStringLiteral("Películas y Reveladores Discontinuados"));
    resize(960, 600);
}

std::vector<ItemLista> frmPeliculasReveladoresDiscont::LeerItems(const QString& filtro) {
    std::vector<ItemLista> items;
    const QStringList nombres = LeerListaDisc(modoPelicula_, filtro);
    items.reserve(size_t(nombres.size()));
    for (const QString& n : nombres)
        items.push_back({0, n});
    return items;
}

QStringList frmPeliculasReveladoresDiscont::LeerTemperaturasItem() {
    return LeerTemperaturasDisc(modoPelicula_, TextoItem());
}

std::vector<QStringList> frmPeliculasReveladoresDiscont::LeerFilasItem(const QString& temperatura) {
    return LeerTiemposDisc(modoPelicula_, TextoItem(), temperatura);
}

QColor frmPeliculasReveladoresDiscont::ColorFila(int fila) const {
    return ColorEstado(Celda(fila, 7), fila);
}

void frmPeliculasReveladoresDiscont::Redistribuir(int W, int H, int T) {
    const DisposicionComun d = DisponerDiscont(W, H, T);
    ColocarComunes(d);
}
