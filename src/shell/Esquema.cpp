#include "shell/Esquema.h"

#include "shell/AlmacenDatos.h"

#include <QFileInfo>

namespace {

const QString kTexto = QStringLiteral("TEXT COLLATE NOCASE");
const QString kEntero = QStringLiteral("INTEGER");
const QString kClave = QStringLiteral("INTEGER PRIMARY KEY");
// A key the engine never gives again, even after its row and every later one were deleted.
const QString kClaveSinReuso = QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");

std::vector<ColumnaEsquema> Textos(std::initializer_list<const char*> nombres) {
    std::vector<ColumnaEsquema> r;
    for (const char* n : nombres)
        r.push_back({QString::fromUtf8(n), kTexto});
    return r;
}

std::vector<ColumnaEsquema> Unir(std::vector<ColumnaEsquema> a, const std::vector<ColumnaEsquema>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TablaEsquema NotasMias(const QString& tabla, const QStringList& indice) {
    return {tabla,
            {{QStringLiteral("IdNota"), kClave},
             {QStringLiteral("IdPelicula"), kEntero},
             {QStringLiteral("IdRevelador"), kEntero},
             {QStringLiteral("Texto"), kTexto},
             {QStringLiteral("FechaModif"), QStringLiteral("TEXT")}},
            {indice}};
}

TablaEsquema NombresPropios(const QString& tabla, const QString& clave) {
    return {tabla,
            {{clave, kClave},
             {QStringLiteral("Nombre"), kTexto + u" NOT NULL"},
             {QStringLiteral("FechaModif"), QStringLiteral("TEXT")}},
            {{QStringLiteral("Nombre")}}};
}

TablaEsquema Discontinuados(const QString& tabla) {
    return {
        tabla,
        Textos({"Pelicula", "Revelador", "Dilucion", "ISO", "35mm", "120", "Hoja", "Temperatura", "Estado"}),
        {{QStringLiteral("Pelicula")}, {QStringLiteral("Revelador")}}};
}

} // namespace

QStringList TablaEsquema::NombresColumnas() const {
    QStringList r;
    for (const auto& c : columnas)
        r << c.nombre;
    return r;
}

QString TablaEsquema::Crear() const {
    QStringList defs;
    for (const auto& c : columnas)
        defs << u'[' + c.nombre + u"] " + c.tipo;
    return u"CREATE TABLE [" + nombre + u"] (" + defs.join(u", ") + u')';
}

const std::vector<TablaEsquema>& EsquemaReferencia() {
    static const std::vector<TablaEsquema> esquema = {
        {kTablaPeliculas,
         {{QStringLiteral("IdPelicula"), kClave}, {QStringLiteral("Nombre"), kTexto + u" NOT NULL"}},
         {{QStringLiteral("Nombre")}}},
        {kTablaReveladores,
         {{QStringLiteral("IdRevelador"), kClave}, {QStringLiteral("Nombre"), kTexto + u" NOT NULL"}},
         {{QStringLiteral("Nombre")}}},
        {kTablaTiempos,
         Unir({{QStringLiteral("IdPelicula"), kEntero}, {QStringLiteral("IdRevelador"), kEntero}},
              Textos({"Dilucion", "ISO", "Tiempo35", "Tiempo120", "TiempoHoja", "Temperatura", "Notas"})),
         {{QStringLiteral("IdPelicula"), QStringLiteral("Temperatura")},
          {QStringLiteral("IdRevelador"), QStringLiteral("Temperatura")}}},
        {kTablaNotasPeliRev, Textos({"Codigo", "DescripcionES"}), {{QStringLiteral("Codigo")}}},
        NotasMias(kTablaNotasMiasPelicula, {QStringLiteral("IdPelicula"), QStringLiteral("IdRevelador")}),
        NotasMias(kTablaNotasMiasRevelador, {QStringLiteral("IdRevelador"), QStringLiteral("IdPelicula")}),
        Discontinuados(kTablaPeliculasDisc),
        Discontinuados(kTablaReveladoresDisc),
        {kTablaPeliculasInfoTec,
         Unir({{QStringLiteral("IdPelicula"), kClave}},
              Unir(Textos({"Fabricante", "IsoNominal", "TipoGrano", "SensibilidadEspectral",
                           "ProcesoCompatible", "FechaLanzamiento", "FormatoDisponible", "ReveladorIdeal"}),
                   Unir({{QStringLiteral("Discontinuada"), kEntero}},
                        Textos({"RangoEspectralNm", "FuenteRangoEspectral", "PicoSensibilidadNm",
                                "CorteRojoNm", "CorteIrNm", "FalloReciprocidad", "CorreccionReciprocidad",
                                "TamanioGranoRms", "ResolucionLpMm"})))),
         {}},
        {kTablaFormulas,
         Unir({{QStringLiteral("IdFormula"), kClave}},
              Textos({"Nombre", "NombreES", "CategoriaES", "Subtitulo", "SubtituloES", "Tipo", "TipoES",
                      "DilucionES", "Instrucciones", "InstruccionesES", "Uso", "UsoES", "Notas", "NotasES",
                      "MisNotasFormulas"})),
         // The list reads these columns alone: it never touches the long texts of the rows.
         {{QStringLiteral("Nombre"), QStringLiteral("Tipo"), QStringLiteral("CategoriaES"),
           QStringLiteral("NombreES")},
          {QStringLiteral("CategoriaES")}}},
        {kTablaIngredientes,
         Unir({{QStringLiteral("IdFormula"), kEntero}, {QStringLiteral("NumeroParte"), kEntero}},
              Unir(Textos({"TituloParte", "TituloParteES"}),
                   Unir({{QStringLiteral("Orden"), QStringLiteral("NUMERIC")}},
                        Unir(Textos({"Quimica", "QuimicaES"}), {{QStringLiteral("Cantidad"), QString()},
                                                                {QStringLiteral("Unidad"), kTexto}})))),
         {{QStringLiteral("IdFormula"), QStringLiteral("NumeroParte"), QStringLiteral("Orden")}}},
        // One row: which edition of the schema and of the shipped data the file holds.
        {kTablaEdicionDatos,
         {{QStringLiteral("Esquema"), kEntero},
          {QStringLiteral("Datos"), kEntero},
          {QStringLiteral("Fecha"), QStringLiteral("TEXT")}},
         {}},
    };
    return esquema;
}

const std::vector<TablaEsquema>& EsquemaNotas() {
    static const std::vector<TablaEsquema> esquema = {
        {kTablaNotasPersonales,
         {{QStringLiteral("Id"), kClaveSinReuso},
          {QStringLiteral("Fecha"), QStringLiteral("TEXT")},
          {QStringLiteral("Titulo"), kTexto},
          {QStringLiteral("Texto"), kTexto}},
         {{QStringLiteral("Fecha")}, {QStringLiteral("Titulo")}}},
        {kTablaCuadernoRevelado,
         Unir({{QStringLiteral("Id"), kClave}, {QStringLiteral("Fecha"), QStringLiteral("TEXT")}},
              Unir(Textos({"Pelicula", "Revelador", "Dilucion", "EI", "Formato"}),
                   Unir({{QStringLiteral("TempBase"), kEntero},
                         {QStringLiteral("TempBano"), kEntero},
                         {QStringLiteral("SegundosBase"), kEntero},
                         {QStringLiteral("Segundos"), kEntero}},
                        Textos({"Agitacion", "Nota"})))),
         {{QStringLiteral("Fecha")}}},
        NombresPropios(kTablaPeliculasPropias, QStringLiteral("IdPelicula")),
        NombresPropios(kTablaReveladoresPropios, QStringLiteral("IdRevelador")),
        // Films and developers by name: an own time outlives the reference ids of any edition.
        {kTablaTiemposPropios,
         Unir({{QStringLiteral("IdTiempo"), kClave}},
              Unir(Textos({"Pelicula", "Revelador", "Dilucion", "EI", "Tiempo35", "Tiempo120", "TiempoHoja",
                           "Temperatura", "Agitacion", "Nota"}),
                   {{QStringLiteral("FechaModif"), QStringLiteral("TEXT")}})),
         {{QStringLiteral("Pelicula")}, {QStringLiteral("Revelador")}}},
        // Keys never given twice: a session points at its bottle by id.
        {kTablaTanquesPropios,
         {{QStringLiteral("IdTanque"), kClaveSinReuso},
          {QStringLiteral("Nombre"), kTexto + u" NOT NULL"},
          {QStringLiteral("Ml35"), kEntero},
          {QStringLiteral("Ml120"), kEntero},
          {QStringLiteral("MaxCarretes35"), kEntero},
          {QStringLiteral("MaxCarretes120"), kEntero},
          {QStringLiteral("FechaModif"), QStringLiteral("TEXT")}},
         {{QStringLiteral("Nombre")}}},
        {kTablaBotellasRevelador,
         Unir({{QStringLiteral("IdBotella"), kClaveSinReuso}},
              Unir(Textos({"Revelador", "Dilucion"}),
                   {{QStringLiteral("Mezclada"), QStringLiteral("TEXT")},
                    {QStringLiteral("Ml"), kEntero},
                    {QStringLiteral("Nota"), kTexto},
                    {QStringLiteral("FechaModif"), QStringLiteral("TEXT")}})),
         {{QStringLiteral("Mezclada")}}},
        // Banos: the session's baths as a JSON array (session/AlmacenSesiones.h, TextoBanos).
        {kTablaSesionesRevelado,
         Unir({{QStringLiteral("IdSesion"), kClaveSinReuso},
               {QStringLiteral("Fecha"), QStringLiteral("TEXT")},
               {QStringLiteral("Tanque"), kTexto},
               {QStringLiteral("MlTanque35"), kEntero},
               {QStringLiteral("MlTanque120"), kEntero},
               {QStringLiteral("Carretes35"), kEntero},
               {QStringLiteral("Carretes120"), kEntero},
               {QStringLiteral("Hojas"), kEntero}},
              Unir(Textos({"Pelicula", "Revelador", "Dilucion", "EI"}),
                   {{QStringLiteral("DecimasBano"), kEntero},
                    {QStringLiteral("SegundosRevelado"), kEntero},
                    {QStringLiteral("MlTrabajo"), kEntero},
                    {QStringLiteral("MlConcentrado"), QStringLiteral("REAL")},
                    {QStringLiteral("MlAgua"), QStringLiteral("REAL")},
                    {QStringLiteral("IdBotella"), kEntero},
                    {QStringLiteral("Banos"), QStringLiteral("TEXT")},
                    {QStringLiteral("Nota"), kTexto},
                    {QStringLiteral("FechaModif"), QStringLiteral("TEXT")}})),
         {{QStringLiteral("Fecha")}, {QStringLiteral("IdBotella")}}},
    };
    return esquema;
}

const TablaEsquema* BuscarTabla(const std::vector<TablaEsquema>& esquema, const QString& nombre) {
    for (const auto& t : esquema)
        if (t.nombre.compare(nombre, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

const TablaEsquema& TablaNotasPeliRevMias() {
    // The types the table has always been made with.
    static const TablaEsquema tabla{
        kTablaNotasPeliRevMias,
        {{QStringLiteral("IdNota"), QStringLiteral("INTEGER CONSTRAINT PK_NP PRIMARY KEY")},
         {QStringLiteral("Tipo"), kEntero},
         {QStringLiteral("IdPelicula"), kEntero},
         {QStringLiteral("IdRevelador"), kEntero},
         {QStringLiteral("Titulo"), QStringLiteral("TEXT(100)")},
         {QStringLiteral("Texto"), QStringLiteral("TEXT")},
         {QStringLiteral("FechaModif"), QStringLiteral("DATETIME")}},
        {}};
    return tabla;
}

void CrearTablaNotasMias() {
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return;
    try {
        bd->Ejecutar(TablaNotasPeliRevMias().Crear());
    } catch (const ErrorBD&) {
        // Usually the table is there already.
    }
}

void CrearTabla(BaseDatos& bd, const TablaEsquema& t) {
    bd.Ejecutar(t.Crear());
    CrearIndices(bd, t);
}

void CrearIndices(BaseDatos& bd, const TablaEsquema& t) {
    for (const QStringList& columnas : t.indices) {
        QStringList nombres;
        for (const QString& c : columnas)
            nombres << u'[' + c + u']';
        QString nombreIndice = u"IX_" + t.nombre + u'_' + columnas.join(u'_');
        bd.Ejecutar(u"CREATE INDEX [" + nombreIndice + u"] ON [" + t.nombre + u"] (" + nombres.join(u", ") +
                    u')');
    }
}

void CrearEsquema(BaseDatos& bd, const std::vector<TablaEsquema>& esquema) {
    Transaccion tx(bd);
    for (const auto& t : esquema)
        CrearTabla(bd, t);
    tx.Confirmar();
}

namespace {

bool TieneAutoincremento(BaseDatos& bd, const QString& tabla) {
    Consulta c =
        bd.Consultar(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ? "
                                    "COLLATE NOCASE"),
                     {tabla});
    return !c.Fin() && TextoSeguro(c.Campo(0)).contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive);
}

// The table as the schema has it, every row copied with its id: the engine then counts on from the
// highest id kept. Columns an older file has beyond the schema's are kept too.
void ReconstruirNotasPersonales(BaseDatos& bd) {
    TablaEsquema nueva = *BuscarTabla(EsquemaNotas(), kTablaNotasPersonales);
    const QStringList propias = nueva.NombresColumnas();
    QStringList copiadas;
    for (Consulta c = bd.Consultar(QStringLiteral("PRAGMA table_info([NotasPersonales])")); !c.Fin();
         c.Siguiente()) {
        const QString nombre = TextoSeguro(c.Campo(QStringLiteral("name")));
        if (!propias.contains(nombre, Qt::CaseInsensitive))
            nueva.columnas.push_back({nombre, TextoSeguro(c.Campo(QStringLiteral("type")))});
        copiadas << u'[' + nombre + u']';
    }
    const TablaEsquema definitiva = nueva;
    nueva.nombre = kTablaNotasPersonales + u"_nueva";
    bd.Ejecutar(nueva.Crear());
    bd.Ejecutar(u"INSERT INTO [" + nueva.nombre + u"] (" + copiadas.join(u", ") + u") SELECT " +
                copiadas.join(u", ") + u" FROM [NotasPersonales]");
    bd.Ejecutar(QStringLiteral("DROP TABLE [NotasPersonales]"));
    bd.Ejecutar(u"ALTER TABLE [" + nueva.nombre + u"] RENAME TO [NotasPersonales]");
    CrearIndices(bd, definitiva);
}

} // namespace

void ActualizarEsquemaNotas(BaseDatos& bd) {
    Transaccion tx(bd);
    for (const auto& t : EsquemaNotas())
        if (!bd.ExisteTabla(t.nombre))
            CrearTabla(bd, t);
    if (EdicionEsquema(bd) < kEdicionEsquemaNotas && !TieneAutoincremento(bd, kTablaNotasPersonales))
        ReconstruirNotasPersonales(bd);
    MarcarEdicionNotas(bd);
    tx.Confirmar();
}

void CompletarNotesDb() {
    BaseDatos* bd = NotesDb();
    if (!bd)
        return;
    try {
        ActualizarEsquemaNotas(*bd);
    } catch (const ErrorBD&) {
        // A read-only file keeps working; only what needs the new table reports its failure.
    }
}

void CompletarEsquema(BaseDatos& bd, const std::vector<TablaEsquema>& esquema) {
    std::vector<TablaEsquema> faltan;
    for (const auto& t : esquema)
        if (!bd.ExisteTabla(t.nombre))
            faltan.push_back(t);
    if (!faltan.empty())
        CrearEsquema(bd, faltan);
}

int EdicionEsquema(BaseDatos& bd) {
    return bd.Consultar(QStringLiteral("PRAGMA user_version")).Campo(0).toInt();
}

void MarcarEdicionNotas(BaseDatos& bd) {
    if (EdicionEsquema(bd) < kEdicionEsquemaNotas)
        bd.Ejecutar(u"PRAGMA user_version = " + QString::number(kEdicionEsquemaNotas));
}

namespace {
std::unique_ptr<BaseDatos> CrearBase(const QString& ruta, const QString& clave,
                                     const std::vector<TablaEsquema>& esquema) {
    if (QFileInfo::exists(ruta))
        throw ErrorBD(u"El archivo ya existe: " + ruta);
    BaseDatos::Opciones o;
    o.clave = clave;
    o.crear = true;
    auto bd = BaseDatos::Abrir(ruta, o);
    try {
        CrearEsquema(*bd, esquema);
    } catch (...) {
        bd.reset();
        QFile::remove(ruta);
        throw;
    }
    return bd;
}
} // namespace

std::unique_ptr<BaseDatos> CrearBaseReferencia(const QString& ruta) {
    auto bd = CrearBase(ruta, kClaveBDReferencia, EsquemaReferencia());
    bd->Ejecutar(u"PRAGMA user_version = " + QString::number(kEdicionEsquema));
    return bd;
}

std::unique_ptr<BaseDatos> CrearBaseNotas(const QString& ruta) {
    auto bd = CrearBase(ruta, {}, EsquemaNotas());
    MarcarEdicionNotas(*bd);
    return bd;
}
