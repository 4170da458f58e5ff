#pragma once

#include "shell/AlmacenDatos.h"

#include <QStringList>
#include <tuple>

// A small reference data set and a user's own data, for the export and import tests.
namespace datos_mios {

// Films, developers and formulas; desfase renumbers every id, as a data update may.
inline void LlenarReferencia(int desfase = 0) {
    BaseDatos& ref = *ReferenceDb();
    ref.Insertar("Peliculas", {{"IdPelicula", 10 + desfase}, {"Nombre", "Ilford HP5 Plus"}});
    ref.Insertar("Peliculas", {{"IdPelicula", 11 + desfase}, {"Nombre", "Kodak Tri-X 400"}});
    ref.Insertar("Reveladores", {{"IdRevelador", 20 + desfase}, {"Nombre", "Rodinal"}});
    ref.Insertar("Reveladores", {{"IdRevelador", 21 + desfase}, {"Nombre", "Kodak D-76"}});
    ref.Insertar("Formulas", {{"IdFormula", 30 + desfase}, {"Nombre", "D-76"}});
    ref.Insertar("Formulas", {{"IdFormula", 31 + desfase}, {"Nombre", "Fijador ácido"}});
}

// Tanks, bottles and sessions; the bottles' ids are not the ones a new file would give them, so an
// import must follow the names, and one session's bottle is gone.
inline void LlenarSesiones() {
    BaseDatos& notas = *NotesDb();
    notas.Insertar("TanquesPropios", {{"Nombre", "Espiral \"dos\", acero"},
                                      {"Ml35", 250},
                                      {"Ml120", 500},
                                      {"MaxCarretes35", 2},
                                      {"MaxCarretes120", 1},
                                      {"FechaModif", "2026-01-05 10:00:00"}});
    notas.Insertar("TanquesPropios", {{"Nombre", "Pequeño"}, {"Ml35", 290}});
    notas.Insertar("BotellasRevelador", {{"IdBotella", 5},
                                         {"Revelador", "Ilfotec HC"},
                                         {"Dilucion", "stock"},
                                         {"Mezclada", "2026-11-02"},
                                         {"Ml", 1000},
                                         {"Nota", "=ámbar, \"vieja\""}});
    notas.Insertar("BotellasRevelador",
                   {{"IdBotella", 9}, {"Revelador", "Rodinal"}, {"Mezclada", QVariant()}});
    const QString banos = QStringLiteral(
        "[{\"etapa\":2,\"producto\":\"Fijador \\\"rápido\\\"\",\"dilucion\":\"1+4\",\"segundos\":180,"
        "\"omitido\":false,\"fuente\":\"F-1\"}]");
    for (const auto& [fecha, botella, concentrado] :
         {std::tuple{"2026-12-01 21:05:09", QVariant(5), 31.25},
          std::tuple{"2026-12-03 08:00:00", QVariant(9), 20.833333333333332},
          std::tuple{"2026-12-04 09:00:00", QVariant(5), 10.0},
          std::tuple{"2026-12-05 10:00:00", QVariant(44), 1.0},
          std::tuple{"2026-12-05 10:00:00", QVariant(), 1.0}})
        notas.Insertar("SesionesRevelado", {{"Fecha", fecha},
                                            {"Tanque", "Espiral \"dos\", acero"},
                                            {"Carretes120", 2},
                                            {"Pelicula", "Ilford HP5 Plus"},
                                            {"Revelador", "Ilfotec HC"},
                                            {"Dilucion", "1+31"},
                                            {"EI", "800"},
                                            {"DecimasBano", 215},
                                            {"SegundosRevelado", 750},
                                            {"MlConcentrado", concentrado},
                                            {"IdBotella", botella},
                                            {"Banos", banos},
                                            {"Nota", "Línea 1\nLínea 2"}});
}

// What a photographer writes: texts with commas, quotes, line breaks, accents, Null and empty.
inline void LlenarMisDatos() {
    BaseDatos& ref = *ReferenceDb();
    BaseDatos& notas = *NotesDb();
    notas.Insertar("PeliculasPropias",
                   {{"Nombre", "Foma 200, casera"}, {"FechaModif", "2026-01-02 10:00:00"}});
    notas.Insertar("ReveladoresPropios", {{"Nombre", "Caffenol \"CL\""}, {"FechaModif", QVariant()}});
    notas.Insertar("TiemposPropios", {{"Pelicula", "Ilford HP5 Plus"},
                                      {"Revelador", "Rodinal"},
                                      {"Dilucion", "1+50"},
                                      {"EI", "1600"},
                                      {"Tiempo35", "18:30"},
                                      {"Tiempo120", ""},
                                      {"TiempoHoja", QVariant()},
                                      {"Temperatura", "21"},
                                      {"Agitacion", "30 s, luego 10 s/min"},
                                      {"Nota", "Línea 1\nLínea 2 con \"comillas\""},
                                      {"FechaModif", "2026-03-04 05:06:07"}});
    notas.Insertar("TiemposPropios", {{"Pelicula", "Foma 200, casera"},
                                      {"Revelador", "Caffenol \"CL\""},
                                      {"Dilucion", "stock"},
                                      {"EI", "100"},
                                      {"Tiempo35", "12:00"},
                                      {"Temperatura", "20,5"}});
    ref.Insertar("NotasMiasPelicula", {{"IdPelicula", 10},
                                       {"IdRevelador", 20},
                                       {"Texto", "Vista película"},
                                       {"FechaModif", "2026-01-01 00:00:00"}});
    ref.Insertar("NotasMiasRevelador",
                 {{"IdPelicula", 11}, {"IdRevelador", 21}, {"Texto", "Vista revelador\ncon salto"}});
    ref.Actualizar("Formulas", "IdFormula", 30, {{"MisNotasFormulas", "Subir 10 % con agua dura"}});
    notas.Insertar(
        "NotasPersonales",
        {{"Fecha", "2026-02-03 04:05:06"},
         {"Titulo", "Prueba, de \"HP5\""},
         {"Texto",
          "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\r\n\\f0 Ba\\'f1o 1,5\\par\r\n}\r\n"}});
    notas.Insertar("NotasPersonales",
                   {{"Fecha", "2026-02-04 00:00:00"}, {"Titulo", ""}, {"Texto", QVariant()}});
    LlenarSesiones();
}

// Everything the user wrote, named rather than numbered, one sorted line per row.
inline QStringList Volcar() {
    QStringList r;
    auto leer = [&r](BaseDatos& bd, const QString& prefijo, const QString& sql) {
        for (Consulta c = bd.Consultar(sql); !c.Fin(); c.Siguiente()) {
            QStringList campos;
            for (int i = 0; i < c.NumeroCampos(); ++i)
                campos << (c.Campo(i).isNull() ? QStringLiteral("<null>") : c.Campo(i).toString());
            r << prefijo + u'|' + campos.join(u'|');
        }
    };
    BaseDatos& ref = *ReferenceDb();
    BaseDatos& notas = *NotesDb();
    leer(notas, "T",
         "SELECT Pelicula, Revelador, Dilucion, EI, Tiempo35, Tiempo120, TiempoHoja, Temperatura, "
         "Agitacion, Nota, FechaModif FROM TiemposPropios");
    leer(notas, "P", "SELECT Nombre, FechaModif FROM PeliculasPropias");
    leer(notas, "R", "SELECT Nombre, FechaModif FROM ReveladoresPropios");
    for (const char* t : {"NotasMiasPelicula", "NotasMiasRevelador"})
        leer(ref, t,
             QStringLiteral("SELECT p.Nombre, r.Nombre, n.Texto, n.FechaModif FROM %1 n JOIN Peliculas p ON "
                            "p.IdPelicula = n.IdPelicula JOIN Reveladores r ON r.IdRevelador = n.IdRevelador")
                 .arg(QString::fromLatin1(t)));
    leer(ref, "F", "SELECT Nombre, MisNotasFormulas FROM Formulas WHERE MisNotasFormulas IS NOT NULL");
    leer(notas, "N", "SELECT Fecha, Titulo, Texto FROM NotasPersonales");
    leer(notas, "Q",
         "SELECT Nombre, Ml35, Ml120, MaxCarretes35, MaxCarretes120, FechaModif FROM TanquesPropios");
    leer(notas, "B", "SELECT Revelador, Dilucion, Mezclada, Ml, Nota, FechaModif FROM BotellasRevelador");
    // A session's bottle by what it is, not by its number.
    leer(notas, "S",
         "SELECT s.Fecha, s.Tanque, s.MlTanque35, s.MlTanque120, s.Carretes35, s.Carretes120, s.Hojas, "
         "s.Pelicula, "
         "s.Revelador, s.Dilucion, s.EI, s.DecimasBano, s.SegundosRevelado, s.MlTrabajo, s.MlConcentrado, "
         "s.MlAgua, "
         "s.Banos, s.Nota, s.FechaModif, b.Revelador, b.Mezclada FROM SesionesRevelado s "
         "LEFT JOIN BotellasRevelador b ON b.IdBotella = s.IdBotella");
    r.sort();
    return r;
}

} // namespace datos_mios
