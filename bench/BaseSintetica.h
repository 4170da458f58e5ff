#pragma once

#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/Rutas.h"

#include <QStringList>
#include <QTemporaryDir>

// A program folder whose ReferenceDb holds 5,000 films, 1,000 developers and 500,000 Tiempos rows
// with texts like the real ones; open while it lives.
class BaseSintetica {
public:
    static constexpr int kPeliculas = 5000;
    static constexpr int kReveladores = 1000;
    static constexpr int kTiempos = 500000;

    BaseSintetica() {
        FijarCarpetaPrograma(dir_.path());
        CrearBaseReferencia(RutaBDReferencia());
        CrearBaseNotas(RutaBDNotas());
        AbrirBasesDatos();
        BaseDatos& bd = *ReferenceDb();
        Transaccion tx(bd);
        const QStringList marcas = {"Kodak",     "Ilford",  "Fomapan",  "Adox",     "Rollei", "Fuji",
                                    "Agfa",      "Bergger", "Kentmere", "Ferrania", "ORWO",   "Lomography",
                                    "CineStill", "Svema",   "Tasma",    "Washi"};
        const QStringList modelos = {"Tri-X",     "HP5 Plus",  "Delta",    "Retro",    "CHS II",
                                     "Acros",     "APX",       "Pancro",   "Pan",      "P30",
                                     "UN54",      "Earl Grey", "BwXX",     "Foto",     "Mikrat",
                                     "Z",         "T-Max",     "FP4 Plus", "Ortho",    "Superpan",
                                     "Silvermax", "Classic",   "Action",   "Creative", "Infrared"};
        const QStringList isos = {"25",  "32",  "50",  "64",  "80",  "100", "125",
                                  "160", "200", "320", "400", "800", "3200"};
        int id = 0;
        for (const QString& m : marcas)
            for (const QString& mo : modelos)
                for (const QString& i : isos)
                    if (id < kPeliculas)
                        bd.Insertar("Peliculas",
                                    {{"IdPelicula", ++id}, {"Nombre", QString(m + u' ' + mo + u' ' + i)}});
        const QStringList prefijos = {"Kodak",      "Ilford",  "Adox",     "Rollei",
                                      "Tetenal",    "Moersch", "Bellini",  "Photographers' Formulary",
                                      "Fomadon",    "Agfa",    "Calbe",    "Spur",
                                      "Kodak HC",   "Ilfotec", "Paterson", "Compard",
                                      "Macodirect", "Arista",  "Caffenol", "Parodinal"};
        const QStringList bases = {"D-76",       "ID-11",     "Rodinal",     "Xtol",         "HC-110",
                                   "DD-X",       "Perceptol", "Microphen",   "Atomal",       "FX-39",
                                   "Pyrocat-HD", "PMK",       "TD-3",        "Eco 4812",     "Acurol-N",
                                   "Adonal",     "Aculux 3",  "LC29",        "R09 One Shot", "FX-55",
                                   "SPD",        "Fomadon P", "Neofin Blau", "Ultrafin",     "Emofin"};
        id = 0;
        for (const QString& p : prefijos)
            for (const QString& b : bases)
                for (const QString& v : {QStringLiteral(""), QStringLiteral(" II")})
                    bd.Insertar("Reveladores",
                                {{"IdRevelador", ++id}, {"Nombre", QString(p + u' ' + b + v)}});
        // Each film gets 100 rows spread over pseudo-random developers.
        bd.Ejecutar(QStringLiteral(
                        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                        "INSERT INTO Tiempos (IdPelicula, IdRevelador, Dilucion, ISO, Tiempo35, Tiempo120, "
                        "TiempoHoja, Temperatura, Notas) SELECT i % %2 + 1, (i * 7919 + i / %2) % %3 + 1, "
                        "CASE i % 6 WHEN 0 THEN 'stock' WHEN 1 THEN '1+1' WHEN 2 THEN '1+3' WHEN 3 THEN "
                        "'1+9' WHEN 4 THEN '1+25' ELSE '1+50' END, "
                        "CASE i % 9 WHEN 0 THEN '25' WHEN 1 THEN '50' WHEN 2 THEN '100' WHEN 3 THEN '200' "
                        "WHEN 4 THEN '400' WHEN 5 THEN '800' WHEN 6 THEN '1600' WHEN 7 THEN '400/27' ELSE "
                        "'3200' END, printf('%d', 4 + i % 17), printf('%.1f', 5 + (i % 23) / 2.0), "
                        "CASE WHEN i % 4 = 0 THEN NULL ELSE printf('%d', 6 + i % 13) END, "
                        "CASE i % 7 WHEN 0 THEN '20' WHEN 1 THEN '21' WHEN 2 THEN '24' WHEN 3 THEN '18' "
                        "WHEN 4 THEN '' WHEN 5 THEN NULL ELSE '20' END, "
                        "CASE WHEN i % 3 = 0 THEN printf('[%d] [%d]', i % 40, i % 11) "
                        "WHEN i % 3 = 1 THEN printf('[%d] agitar 10 s/min', i % 40) ELSE NULL END FROM n")
                        .arg(kTiempos - 1)
                        .arg(kPeliculas)
                        .arg(kReveladores));
        for (int c = 0; c < 40; ++c)
            bd.Insertar("NotasPeliRev", {{"Codigo", QString::number(c)},
                                         {"DescripcionES", QString("nota " + QString::number(c))}});
        tx.Confirmar();
    }
    ~BaseSintetica() {
        CerrarBasesDatos();
        FijarCarpetaPrograma({});
    }
    BaseSintetica(const BaseSintetica&) = delete;
    BaseSintetica& operator=(const BaseSintetica&) = delete;

private:
    QTemporaryDir dir_;
};
