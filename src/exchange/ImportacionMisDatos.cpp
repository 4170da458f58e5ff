#include "exchange/ImportacionMisDatos.h"

#include "devtimes/TiemposPropios.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSet>
#include <QVariant>
#include <functional>

namespace {

// A text read from a file: Null stays Null, "" stays an empty text.
QVariant ValorBD(const ValorCsv& v) {
    if (!v)
        return QVariant(QMetaType::fromType<QString>());
    return v->isNull() ? QStringLiteral("") : *v;
}

QString Clave(const QString& texto) {
    return texto.trimmed().toCaseFolded();
}

struct Fila {
    const TablaCsv& tabla;
    const FilaCsv& fila;
    ValorCsv operator[](const QString& columna) const { return tabla.Valor(fila, columna); }
    QString Texto(const QString& columna) const {
        return tabla.Valor(fila, columna).value_or(QString()).trimmed();
    }
};

// One walk over the package that counts, and writes when asked.
class Importacion {
public:
    // esquemaNotas: "" when notas is the NotesDb's own connection, "mis." when it is attached.
    Importacion(BaseDatos& notas, const QString& esquemaNotas, BaseDatos& ref, bool escribir, bool reemplazar)
        : notas_(notas), esquemaNotas_(esquemaNotas), ref_(ref), escribir_(escribir),
          reemplazar_(reemplazar) {}

    PlanImportacion Recorrer(const PaqueteMisDatos& p) {
        Cargar();
        Cada(p, ClaseDatos::TiemposPropios, [this](const Fila& f) { return Tiempo(f); });
        Cada(p, ClaseDatos::PeliculasReveladoresPropios, [this](const Fila& f) { return NombrePropio(f); });
        Cada(p, ClaseDatos::NotasPeliculaRevelador, [this](const Fila& f) { return NotaPeliRev(f); });
        Cada(p, ClaseDatos::NotasFormulas, [this](const Fila& f) { return NotaFormula(f); });
        Cada(p, ClaseDatos::NotasPersonales, [this](const Fila& f) { return NotaPersonal(f); });
        Cada(p, ClaseDatos::TanquesPropios, [this](const Fila& f) { return TanqueFila(f); });
        Cada(p, ClaseDatos::BotellasRevelador, [this](const Fila& f) { return BotellaFila(f); });
        Cada(p, ClaseDatos::SesionesRevelado, [this](const Fila& f) { return SesionFila(f); });
        return plan_;
    }

private:
    enum class Destino { Nuevo, Existente, SinDestino };

    void Cada(const PaqueteMisDatos& p, ClaseDatos clase, const std::function<Destino(const Fila&)>& paso) {
        const TablaCsv& t = p.tablas[size_t(clase)];
        ConteoClase& conteo = plan_.conteos[size_t(clase)];
        for (const FilaCsv& f : t.filas) {
            motivo_.clear();
            switch (paso({t, f})) {
            case Destino::Nuevo:
                ++conteo.nuevos;
                break;
            case Destino::Existente:
                ++conteo.existentes;
                break;
            case Destino::SinDestino:
                ++conteo.sinDestino;
                plan_.sinDestino << UbicarError(t.archivo, f.linea, motivo_);
                break;
            }
        }
    }

    QString N(const QString& tabla) const { return esquemaNotas_ + tabla; }

    // Ids by folded name; the spelling of each folded name goes into nombres when given.
    static QHash<QString, qint64> Mapa(BaseDatos& bd, const QString& sql,
                                       QHash<QString, QString>* nombres = nullptr) {
        QHash<QString, qint64> mapa;
        for (Consulta c = bd.Consultar(sql); !c.Fin(); c.Siguiente()) {
            const QString nombre = TextoSeguro(c.Campo(1)).trimmed();
            const QString k = PlegarNombre(nombre);
            if (!mapa.contains(k)) {
                mapa.insert(k, c.Campo(0).toLongLong());
                if (nombres)
                    nombres->insert(k, nombre);
            }
        }
        return mapa;
    }

    // The key of "the same own time", as the own-time dialog tells one.
    static QString ClaveTiempo(const QString& pelicula, const QString& revelador, const QString& dilucion,
                               const QString& ei, const QString& temperatura) {
        TiempoPropio t;
        t.pelicula = pelicula;
        t.revelador = revelador;
        t.dilucion = dilucion;
        t.ei = ei;
        t.temperatura = temperatura;
        return ClaveTiempoPropio(t);
    }

    // A personal note is its date, title and text, and which of its equals it is (the first, the
    // second…): two untitled notes saved in the same second are two notes, even when alike.
    static QString ClaveNotaPersonal(QHash<QString, int>& vistas, const ValorCsv& fecha,
                                     const QString& titulo, const ValorCsv& texto) {
        const QByteArray huella =
            texto ? QCryptographicHash::hash(texto->toUtf8(), QCryptographicHash::Sha256).toHex() : "-";
        return Repeticion(vistas, fecha.value_or(QString()) + u'\x1f' + Clave(titulo) + u'\x1f' +
                                      QString::fromLatin1(huella));
    }

    // Which of its equals a row is: the first, the second…
    static QString Repeticion(QHash<QString, int>& vistas, const QString& k) {
        return k + u'#' + QString::number(++vistas[k]);
    }

    // A bottle is its developer, dilution, day and volume; two alike are two bottles.
    static QString ClaveBotella(QHash<QString, int>& vistas, const QString& revelador,
                                const QString& dilucion, const QString& mezclada, qint64 ml) {
        return Repeticion(vistas, PlegarNombre(revelador) + u'\x1f' + PlegarNombre(dilucion) + u'\x1f' +
                                      mezclada.trimmed() + u'\x1f' + QString::number(ml));
    }

    // A session is its moment and what it developed in which tank.
    static QString ClaveSesion(QHash<QString, int>& vistas, const QStringList& textos) {
        QString k;
        for (const QString& t : textos)
            k += PlegarNombre(t) + u'\x1f';
        return Repeticion(vistas, k);
    }
    static inline const QStringList kColumnasClaveSesion{QStringLiteral("Fecha"),    QStringLiteral("Tanque"),
                                                         kPeliculaMisDatos,          kReveladorMisDatos,
                                                         QStringLiteral("Dilucion"), QStringLiteral("EI")};

    // The spelling of a film or developer the reference data or the own names already hold, as the
    // user wrote it otherwise.
    QString Nombre(bool pelicula, const QString& escrito) const {
        const QString k = PlegarNombre(escrito);
        for (const auto* nombres : pelicula ? std::array{&nombresPeliculas_, &nombresPeliculasPropias_}
                                            : std::array{&nombresReveladores_, &nombresReveladoresPropios_})
            if (const auto it = nombres->constFind(k); it != nombres->constEnd())
                return it.value();
        return escrito.trimmed();
    }

    static QString ClaveNota(qint64 a, qint64 b) { return QString::number(a) + u'/' + QString::number(b); }

    void Cargar() {
        for (Consulta c =
                 notas_.Consultar(u"SELECT IdTiempo, Pelicula, Revelador, Dilucion, EI, Temperatura FROM " +
                                  N(kTablaTiemposPropios) + u" ORDER BY IdTiempo");
             !c.Fin(); c.Siguiente()) {
            const QString k =
                ClaveTiempo(TextoSeguro(c.Campo(1)), TextoSeguro(c.Campo(2)), TextoSeguro(c.Campo(3)),
                            TextoSeguro(c.Campo(4)), TextoSeguro(c.Campo(5)));
            if (!tiempos_.contains(k))
                tiempos_.insert(k, c.Campo(0).toLongLong());
        }
        peliculasPropias_ = Mapa(
            notas_, u"SELECT IdPelicula, Nombre FROM " + N(kTablaPeliculasPropias) + u" ORDER BY IdPelicula",
            &nombresPeliculasPropias_);
        reveladoresPropios_ =
            Mapa(notas_,
                 u"SELECT IdRevelador, Nombre FROM " + N(kTablaReveladoresPropios) + u" ORDER BY IdRevelador",
                 &nombresReveladoresPropios_);
        peliculas_ =
            Mapa(ref_, u"SELECT IdPelicula, Nombre FROM " + kTablaPeliculas + u" ORDER BY IdPelicula",
                 &nombresPeliculas_);
        reveladores_ =
            Mapa(ref_, u"SELECT IdRevelador, Nombre FROM " + kTablaReveladores + u" ORDER BY IdRevelador",
                 &nombresReveladores_);
        formulas_ = Mapa(ref_, u"SELECT IdFormula, Nombre FROM " + kTablaFormulas + u" ORDER BY IdFormula");
        for (Consulta c = ref_.Consultar(u"SELECT IdFormula FROM " + kTablaFormulas +
                                         u" WHERE MisNotasFormulas IS NOT NULL AND MisNotasFormulas <> ''");
             !c.Fin(); c.Siguiente())
            formulasConNota_.insert(c.Campo(0).toLongLong());
        for (const QString& vista : {kPeliculaMisDatos, kReveladorMisDatos}) {
            auto& mapa = vista == kPeliculaMisDatos ? notasPelicula_ : notasRevelador_;
            for (Consulta c = ref_.Consultar(u"SELECT IdNota, IdPelicula, IdRevelador FROM " +
                                             TablaNotasMisDatos(vista) + u" ORDER BY IdNota");
                 !c.Fin(); c.Siguiente()) {
                const QString k = ClaveNota(c.Campo(1).toLongLong(), c.Campo(2).toLongLong());
                if (!mapa.contains(k))
                    mapa.insert(k, c.Campo(0).toLongLong());
            }
        }
        for (Consulta c = notas_.Consultar(u"SELECT Id, Fecha, Titulo, Texto FROM " +
                                           N(kTablaNotasPersonales) + u" ORDER BY Id");
             !c.Fin(); c.Siguiente()) {
            const QString k = ClaveNotaPersonal(personalesGuardadas_, ValorCsvDe(c.Campo(1)),
                                                TextoSeguro(c.Campo(2)), ValorCsvDe(c.Campo(3)));
            if (!personales_.contains(k))
                personales_.insert(k, c.Campo(0).toLongLong());
        }
        tanques_ =
            Mapa(notas_, u"SELECT IdTanque, Nombre FROM " + N(kTablaTanquesPropios) + u" ORDER BY IdTanque");
        for (Consulta c = notas_.Consultar(u"SELECT IdBotella, Revelador, Dilucion, Mezclada, Ml FROM " +
                                           N(kTablaBotellasRevelador) + u" ORDER BY IdBotella");
             !c.Fin(); c.Siguiente())
            botellas_.insert(ClaveBotella(botellasGuardadas_, TextoSeguro(c.Campo(1)),
                                          TextoSeguro(c.Campo(2)), TextoSeguro(c.Campo(3)),
                                          c.Campo(4).toLongLong()),
                             c.Campo(0).toLongLong());
        for (Consulta c = notas_.Consultar(u"SELECT IdSesion, " + kColumnasClaveSesion.join(u", ") +
                                           u" FROM " + N(kTablaSesionesRevelado) + u" ORDER BY IdSesion");
             !c.Fin(); c.Siguiente()) {
            QStringList textos;
            for (int i = 1; i <= kColumnasClaveSesion.size(); ++i)
                textos << TextoSeguro(c.Campo(i));
            sesiones_.insert(ClaveSesion(sesionesGuardadas_, textos), c.Campo(0).toLongLong());
        }
    }

    // The row is new (added, its key remembered so a repeat in the file counts as existing) or
    // existing (overwritten when asked).
    Destino Decidir(QHash<QString, qint64>& mapa, const QString& clave, const std::function<qint64()>& anadir,
                    const std::function<void(qint64)>& reemplazar) {
        const auto it = mapa.constFind(clave);
        if (it == mapa.constEnd()) {
            mapa.insert(clave, escribir_ ? anadir() : 0);
            return Destino::Nuevo;
        }
        if (escribir_ && reemplazar_)
            reemplazar(it.value());
        return Destino::Existente;
    }

    Campos CamposFila(const Fila& f, const QStringList& columnas) {
        Campos campos;
        for (const QString& c : columnas)
            campos.emplace_back(c, ValorBD(f[c]));
        return campos;
    }

    Destino Tiempo(const Fila& f) {
        const QStringList columnas = ColumnasClase(ClaseDatos::TiemposPropios);
        Campos campos = CamposFila(f, columnas);
        const QString pelicula = Nombre(true, f.Texto(kPeliculaMisDatos));
        const QString revelador = Nombre(false, f.Texto(kReveladorMisDatos));
        campos[size_t(columnas.indexOf(kPeliculaMisDatos))].second = pelicula;
        campos[size_t(columnas.indexOf(kReveladorMisDatos))].second = revelador;
        const QString k = ClaveTiempo(pelicula, revelador, f.Texto(QStringLiteral("Dilucion")),
                                      f.Texto(QStringLiteral("EI")), f.Texto(QStringLiteral("Temperatura")));
        const QString tabla = N(kTablaTiemposPropios);
        return Decidir(
            tiempos_, k, [&] { return notas_.Insertar(tabla, campos); },
            [&](qint64 id) { notas_.Actualizar(tabla, QStringLiteral("IdTiempo"), id, campos); });
    }

    Destino NombrePropio(const Fila& f) {
        const bool pelicula =
            f.Texto(QStringLiteral("Tipo")).compare(kPeliculaMisDatos, Qt::CaseInsensitive) == 0;
        const QString tabla = N(pelicula ? kTablaPeliculasPropias : kTablaReveladoresPropios);
        const QString columnaId = pelicula ? QStringLiteral("IdPelicula") : QStringLiteral("IdRevelador");
        const QString nombre = f.Texto(QStringLiteral("Nombre"));
        // A name of the reference data is no own name, however it was written.
        if ((pelicula ? nombresPeliculas_ : nombresReveladores_).contains(PlegarNombre(nombre)))
            return Destino::Existente;
        const Campos campos = {{QStringLiteral("Nombre"), nombre},
                               {QStringLiteral("FechaModif"), ValorBD(f[QStringLiteral("FechaModif")])}};
        return Decidir(
            pelicula ? peliculasPropias_ : reveladoresPropios_, PlegarNombre(nombre),
            [&] { return notas_.Insertar(tabla, campos); },
            [&](qint64 id) { notas_.Actualizar(tabla, columnaId, id, campos); });
    }

    Destino NotaPeliRev(const Fila& f) {
        const QString vista = f.Texto(QStringLiteral("Vista"));
        const auto pelicula = peliculas_.constFind(PlegarNombre(f.Texto(kPeliculaMisDatos)));
        const auto revelador = reveladores_.constFind(PlegarNombre(f.Texto(kReveladorMisDatos)));
        if (pelicula == peliculas_.constEnd() || revelador == reveladores_.constEnd()) {
            motivo_ = pelicula == peliculas_.constEnd()
                          ? QString(u"la película \u00ab" + f.Texto(kPeliculaMisDatos) +
                                    u"\u00bb no está en los datos")
                          : QString(u"el revelador \u00ab" + f.Texto(kReveladorMisDatos) +
                                    u"\u00bb no está en los datos");
            return Destino::SinDestino;
        }
        const QString tabla = TablaNotasMisDatos(vista);
        const Campos texto = {{QStringLiteral("Texto"), ValorBD(f[QStringLiteral("Texto")])},
                              {QStringLiteral("FechaModif"), ValorBD(f[QStringLiteral("FechaModif")])}};
        return Decidir(
            tabla == TablaNotasMisDatos(kPeliculaMisDatos) ? notasPelicula_ : notasRevelador_,
            ClaveNota(pelicula.value(), revelador.value()),
            [&] {
                Campos campos = {{QStringLiteral("IdPelicula"), pelicula.value()},
                                 {QStringLiteral("IdRevelador"), revelador.value()}};
                campos.insert(campos.end(), texto.begin(), texto.end());
                return ref_.Insertar(tabla, campos);
            },
            [&](qint64 id) { ref_.Actualizar(tabla, QStringLiteral("IdNota"), id, texto); });
    }

    Destino NotaFormula(const Fila& f) {
        const auto formula = formulas_.constFind(PlegarNombre(f.Texto(QStringLiteral("Formula"))));
        if (formula == formulas_.constEnd()) {
            motivo_ =
                u"la fórmula \u00ab" + f.Texto(QStringLiteral("Formula")) + u"\u00bb no está en los datos";
            return Destino::SinDestino;
        }
        const qint64 id = formula.value();
        const bool existe = formulasConNota_.contains(id);
        if (!existe || (escribir_ && reemplazar_)) {
            if (escribir_)
                ref_.Actualizar(kTablaFormulas, QStringLiteral("IdFormula"), id,
                                {{QStringLiteral("MisNotasFormulas"), ValorBD(f[QStringLiteral("Texto")])}});
        }
        formulasConNota_.insert(id);
        return existe ? Destino::Existente : Destino::Nuevo;
    }

    Destino NotaPersonal(const Fila& f) {
        const Campos campos = CamposFila(f, ColumnasClase(ClaseDatos::NotasPersonales));
        const QString tabla = N(kTablaNotasPersonales);
        return Decidir(
            personales_,
            ClaveNotaPersonal(personalesLeidas_, f[QStringLiteral("Fecha")],
                              f.Texto(QStringLiteral("Titulo")), f[QStringLiteral("Texto")]),
            [&] { return notas_.Insertar(tabla, campos); },
            [&](qint64 id) { notas_.Actualizar(tabla, QStringLiteral("Id"), id, campos); });
    }

    Destino TanqueFila(const Fila& f) {
        const Campos campos = CamposFila(f, ColumnasClase(ClaseDatos::TanquesPropios));
        const QString tabla = N(kTablaTanquesPropios);
        return Decidir(
            tanques_, PlegarNombre(f.Texto(QStringLiteral("Nombre"))),
            [&] { return notas_.Insertar(tabla, campos); },
            [&](qint64 id) { notas_.Actualizar(tabla, QStringLiteral("IdTanque"), id, campos); });
    }

    // The package's bottle id then names the bottle it became, or the equal one kept.
    Destino BotellaFila(const Fila& f) {
        QStringList columnas = ColumnasClase(ClaseDatos::BotellasRevelador);
        columnas.removeOne(kIdBotellaMisDatos);
        const Campos campos = CamposFila(f, columnas);
        const QString tabla = N(kTablaBotellasRevelador);
        const QString k =
            ClaveBotella(botellasLeidas_, f.Texto(kReveladorMisDatos), f.Texto(QStringLiteral("Dilucion")),
                         f.Texto(QStringLiteral("Mezclada")), f.Texto(QStringLiteral("Ml")).toLongLong());
        const Destino d = Decidir(
            botellas_, k, [&] { return notas_.Insertar(tabla, campos); },
            [&](qint64 id) { notas_.Actualizar(tabla, QStringLiteral("IdBotella"), id, campos); });
        botellasPaquete_.insert(f.Texto(kIdBotellaMisDatos), botellas_.value(k));
        return d;
    }

    Destino SesionFila(const Fila& f) {
        const QStringList columnas = ColumnasClase(ClaseDatos::SesionesRevelado);
        Campos campos = CamposFila(f, columnas);
        // A bottle the package does not hold is no bottle here.
        const qint64 botella = botellasPaquete_.value(f.Texto(kIdBotellaMisDatos), 0);
        campos[size_t(columnas.indexOf(kIdBotellaMisDatos))].second =
            botella != 0 ? QVariant(botella) : QVariant();
        QStringList textos;
        for (const QString& c : kColumnasClaveSesion)
            textos << f.Texto(c);
        const QString tabla = N(kTablaSesionesRevelado);
        return Decidir(
            sesiones_, ClaveSesion(sesionesLeidas_, textos), [&] { return notas_.Insertar(tabla, campos); },
            [&](qint64 id) { notas_.Actualizar(tabla, QStringLiteral("IdSesion"), id, campos); });
    }

    BaseDatos& notas_;
    QString esquemaNotas_;
    BaseDatos& ref_;
    bool escribir_;
    bool reemplazar_;
    PlanImportacion plan_;
    QString motivo_;
    QHash<QString, qint64> tiempos_, peliculasPropias_, reveladoresPropios_, peliculas_, reveladores_,
        formulas_, notasPelicula_, notasRevelador_, personales_, tanques_, botellas_, sesiones_,
        botellasPaquete_;
    QHash<QString, QString> nombresPeliculas_, nombresReveladores_, nombresPeliculasPropias_,
        nombresReveladoresPropios_;
    QSet<qint64> formulasConNota_;
    QHash<QString, int> personalesGuardadas_, personalesLeidas_, botellasGuardadas_, botellasLeidas_,
        sesionesGuardadas_, sesionesLeidas_;
};

// The NotesDb's file attached to the ReferenceDb's connection as "mis" while it lives: one COMMIT
// then writes both files or neither.
class NotasAdjuntas {
public:
    explicit NotasAdjuntas(BaseDatos& ref) : ref_(ref) {
        // The notes file has no key; without KEY '' it would be read with the reference key.
        ref_.Ejecutar(QStringLiteral("ATTACH DATABASE ? AS mis KEY ''"), {BaseAbierta(NotesDb()).Ruta()});
    }
    ~NotasAdjuntas() {
        try {
            ref_.Ejecutar(QStringLiteral("DETACH DATABASE mis"));
        } catch (const ErrorBD&) {
            // Still attached only until the connection closes.
        }
    }
    NotasAdjuntas(const NotasAdjuntas&) = delete;
    NotasAdjuntas& operator=(const NotasAdjuntas&) = delete;

private:
    BaseDatos& ref_;
};

QString Conteo(int n, const char* singular, const char* plural) {
    return QString::number(n) + u' ' + QString::fromUtf8(n == 1 ? singular : plural);
}

} // namespace

int PlanImportacion::Nuevos() const {
    int n = 0;
    for (const auto& c : conteos)
        n += c.nuevos;
    return n;
}

int PlanImportacion::Existentes() const {
    int n = 0;
    for (const auto& c : conteos)
        n += c.existentes;
    return n;
}

PlanImportacion PlanificarImportacion(const PaqueteMisDatos& paquete) {
    return Importacion(BaseAbierta(NotesDb()), QString(), BaseAbierta(ReferenceDb()), false, false)
        .Recorrer(paquete);
}

PlanImportacion ImportarMisDatos(const PaqueteMisDatos& paquete, bool reemplazar) {
    BaseAbierta(NotesDb());
    BaseDatos& ref = BaseAbierta(ReferenceDb());
    PlanImportacion hecho;
    try {
        NotasAdjuntas adjuntas(ref);
        Transaccion tx(ref);
        hecho = Importacion(ref, QStringLiteral("mis."), ref, true, reemplazar).Recorrer(paquete);
        tx.Confirmar();
    } catch (const ErrorBD& e) {
        constexpr int kOcupada = 5, kBloqueada = 6;
        if (e.Codigo() == kOcupada || e.Codigo() == kBloqueada)
            throw ErrorBD(u"otro programa está usando " + kArchivoBDReferencia + u" o " + kArchivoBDNotas +
                              u"; ciérrelo y vuelva a intentarlo.",
                          e.Codigo());
        throw;
    }
    try {
        // Times of films the package names but does not list as own still reach the list.
        RegistrarNombresPropios();
    } catch (const ErrorBD&) {
        // The next start registers them.
    }
    return hecho;
}

QString TextoPlan(const PlanImportacion& plan) {
    QStringList lineas;
    for (ClaseDatos c : kClasesMisDatos) {
        const ConteoClase& n = plan.conteos[size_t(c)];
        const bool notas = c != ClaseDatos::TiemposPropios && c != ClaseDatos::PeliculasReveladoresPropios &&
                           c != ClaseDatos::TanquesPropios;
        QString linea = NombreClase(c) + u": " +
                        Conteo(n.nuevos, notas ? "nueva" : "nuevo", notas ? "nuevas" : "nuevos") + u", " +
                        Conteo(n.existentes, "ya existe", "ya existen");
        if (n.sinDestino > 0)
            linea += u", " + Conteo(n.sinDestino, "sin destino", "sin destino");
        lineas << linea;
    }
    if (!plan.sinDestino.isEmpty()) {
        lineas << QString() << QStringLiteral("No se pueden asociar (no se importarán):");
        constexpr int kMostrados = 10;
        for (qsizetype i = 0; i < plan.sinDestino.size() && i < kMostrados; ++i)
            lineas << u"  " + plan.sinDestino[i];
        if (plan.sinDestino.size() > kMostrados)
            lineas << u"  … y " + QString::number(plan.sinDestino.size() - kMostrados) + u" más";
    }
    return lineas.join(u'\n');
}

QString TextoImportado(const PlanImportacion& hecho, bool reemplazar) {
    QString texto = u"Importación terminada: " + Conteo(hecho.Nuevos(), "dato añadido", "datos añadidos");
    if (hecho.Existentes() > 0)
        texto += reemplazar ? u", " + Conteo(hecho.Existentes(), "reemplazado", "reemplazados")
                            : u", " + Conteo(hecho.Existentes(), "ya existente conservado",
                                             "ya existentes conservados");
    int sinDestino = 0;
    for (const auto& c : hecho.conteos)
        sinDestino += c.sinDestino;
    if (sinDestino > 0)
        texto += u", " + Conteo(sinDestino, "sin destino", "sin destino");
    return texto + u".\n\n" + TextoPlan(hecho);
}
