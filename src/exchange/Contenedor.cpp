#include "exchange/Contenedor.h"

#include "shell/Archivos.h"
#include "shell/BaseDatos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <zip.h>

namespace {

QString Megas(qint64 bytes) {
    return QString::number(bytes / (1024 * 1024)) + u" MB";
}

// The system's reason of a failed file operation, in the user's words.
QString TextoSistema(int codigo) {
    switch (codigo) {
    case ENOENT:
        return QStringLiteral("no existe el archivo o la carpeta");
    case EACCES:
    case EPERM:
        return QStringLiteral("no hay permiso");
    case ENOSPC:
        return QStringLiteral("no queda espacio en el disco");
    case EROFS:
        return QStringLiteral("el disco es de solo lectura");
    case EISDIR:
        return QStringLiteral("es una carpeta");
    case ENOTDIR:
        return QStringLiteral("una parte de la ruta no es una carpeta");
    case EIO:
        return QStringLiteral("error de lectura o escritura en el disco");
    default:
        return u"error del sistema " + QString::number(codigo);
    }
}

// libzip's messages are English; these say the same in Spanish.
QString MensajeZip(zip_error_t* error) {
    QString texto;
    switch (zip_error_code_zip(error)) {
    case ZIP_ER_EXISTS:
        texto = QStringLiteral("dos entradas con el mismo nombre");
        break;
    case ZIP_ER_NOZIP:
        texto = QStringLiteral("no es un archivo ZIP");
        break;
    case ZIP_ER_INCONS:
        texto = QStringLiteral("su índice no concuerda con su contenido");
        break;
    case ZIP_ER_EOF:
        texto = QStringLiteral("el archivo está cortado");
        break;
    case ZIP_ER_CRC:
    case ZIP_ER_COMPRESSED_DATA:
    case ZIP_ER_ZLIB:
        texto = QStringLiteral("los datos comprimidos están dañados");
        break;
    case ZIP_ER_MULTIDISK:
        texto = QStringLiteral("archivo ZIP de varios discos, no admitido");
        break;
    case ZIP_ER_COMPNOTSUPP:
        texto = QStringLiteral("método de compresión no admitido");
        break;
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
        texto = QStringLiteral("archivo ZIP cifrado, no admitido");
        break;
    case ZIP_ER_MEMORY:
        texto = QStringLiteral("no hay memoria suficiente");
        break;
    case ZIP_ER_OPEN:
    case ZIP_ER_TMPOPEN:
        texto = QStringLiteral("no se puede abrir o crear el archivo");
        break;
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
    case ZIP_ER_TELL:
        texto = QStringLiteral("error de lectura");
        break;
    case ZIP_ER_WRITE:
    case ZIP_ER_CLOSE:
    case ZIP_ER_RENAME:
    case ZIP_ER_REMOVE:
        texto = QStringLiteral("error de escritura");
        break;
    default:
        texto = u"error " + QString::number(zip_error_code_zip(error)) + u" del archivo ZIP";
    }
    if (zip_error_system_type(error) == ZIP_ET_SYS && zip_error_code_system(error) != 0)
        texto += u": " + TextoSistema(zip_error_code_system(error));
    return texto;
}

// Qt's file messages are English too.
QString MensajeArchivo(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("no se puede abrir (¿existe y tiene permiso?)");
    case QFileDevice::ReadError:
        return QStringLiteral("error de lectura");
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return QStringLiteral("error de escritura (¿queda espacio en el disco?)");
    default:
        return QStringLiteral("error de archivo");
    }
}

// The zip handle, discarded (never written) on every way out.
struct ZipLectura {
    zip_t* z = nullptr;
    ~ZipLectura() {
        if (z)
            zip_discard(z);
    }
};

QByteArray LeerMiembro(zip_t* z, zip_uint64_t indice, const QString& nombre, qint64 limite) {
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(z, indice, 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE) &&
        st.size > zip_uint64_t(limite))
        throw ErrorBD(nombre + u": ocupa más de " + Megas(limite) + u" descomprimido; no se importa.");
    zip_file_t* f = zip_fopen_index(z, indice, 0);
    if (!f)
        throw ErrorBD(nombre + u": no se puede leer del archivo ZIP (" + MensajeZip(zip_get_error(z)) +
                      u").");
    QByteArray datos;
    char bloque[65536];
    for (;;) {
        const zip_int64_t leidos = zip_fread(f, bloque, sizeof bloque);
        if (leidos < 0) {
            const QString motivo = MensajeZip(zip_file_get_error(f));
            zip_fclose(f);
            throw ErrorBD(nombre + u": el archivo ZIP está dañado (" + motivo + u").");
        }
        if (leidos == 0)
            break;
        // The declared size may lie: the bytes inflated are what counts.
        if (datos.size() + leidos > limite) {
            zip_fclose(f);
            throw ErrorBD(nombre + u": ocupa más de " + Megas(limite) + u" descomprimido; no se importa.");
        }
        datos.append(bloque, qsizetype(leidos));
    }
    zip_fclose(f);
    return datos;
}

void EscribirZip(const QString& ruta, const ArchivosPaquete& archivos) {
    int codigo = 0;
    zip_t* z = zip_open(QFile::encodeName(ruta).constData(), ZIP_CREATE | ZIP_TRUNCATE, &codigo);
    if (!z) {
        zip_error_t error;
        zip_error_init_with_code(&error, codigo);
        const QString motivo = MensajeZip(&error);
        zip_error_fini(&error);
        throw ErrorBD(u"No se puede crear " + ruta + u": " + motivo);
    }
    for (const auto& [nombre, datos] : archivos) {
        // The buffers live in archivos until zip_close has written them.
        zip_source_t* fuente = zip_source_buffer(z, datos.constData(), zip_uint64_t(datos.size()), 0);
        if (!fuente ||
            zip_file_add(z, nombre.toUtf8().constData(), fuente, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            if (fuente)
                zip_source_free(fuente);
            const QString motivo = MensajeZip(zip_get_error(z));
            zip_discard(z);
            throw ErrorBD(u"No se puede escribir " + ruta + u": " + motivo);
        }
    }
    // libzip writes a temporary file and renames it: a failure leaves no half-written package.
    if (zip_close(z) < 0) {
        const QString motivo = MensajeZip(zip_get_error(z));
        zip_discard(z);
        throw ErrorBD(u"No se puede escribir " + ruta + u": " + motivo);
    }
}

void EscribirCarpeta(const QString& ruta, const ArchivosPaquete& archivos) {
    if (!QDir().mkpath(ruta))
        throw ErrorBD(u"No se puede crear la carpeta " + ruta);
    for (const auto& [nombre, datos] : archivos) {
        const QString archivo = ruta + u'/' + nombre;
        if (const ResultadoArchivo r = EscribirArchivoSeguro(archivo, datos); !r)
            throw ErrorBD(u"No se puede escribir " + archivo + u": " + MensajeArchivo(r.error) + u'.');
    }
}

QByteArray LeerArchivoPaquete(const QString& ruta, qint64 limite) {
    QByteArray datos;
    const ResultadoArchivo r = LeerArchivo(ruta, datos, limite);
    if (r.excede)
        throw ErrorBD(QFileInfo(ruta).fileName() + u": ocupa más de " + Megas(limite) + u"; no se importa.");
    if (!r)
        throw ErrorBD(u"No se puede leer " + ruta + u": " + MensajeArchivo(r.error) + u'.');
    return datos;
}

} // namespace

bool EsRutaZip(const QString& ruta) {
    return ruta.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive);
}

void EscribirContenedor(const QString& ruta, const ArchivosPaquete& archivos) {
    if (EsRutaZip(ruta))
        EscribirZip(ruta, archivos);
    else
        EscribirCarpeta(ruta, archivos);
}

ArchivosPaquete LeerZip(const QByteArray& zip, const QStringList& nombres, qint64 limite) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* fuente = zip_source_buffer_create(zip.constData(), zip_uint64_t(zip.size()), 0, &error);
    ZipLectura lectura;
    if (fuente)
        lectura.z = zip_open_from_source(fuente, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!lectura.z) {
        if (fuente)
            zip_source_free(fuente);
        const QString motivo = MensajeZip(&error);
        zip_error_fini(&error);
        throw ErrorBD(u"No es un archivo ZIP válido (" + motivo + u").");
    }
    zip_error_fini(&error);
    ArchivosPaquete archivos;
    const zip_int64_t miembros = zip_get_num_entries(lectura.z, 0);
    for (zip_int64_t i = 0; i < miembros; ++i) {
        const char* crudo = zip_get_name(lectura.z, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!crudo)
            continue;
        // A package zipped with its folder keeps the files one level down.
        const QString ruta = QString::fromUtf8(crudo);
        const QString nombre = QString(ruta).replace(u'\\', u'/').section(u'/', -1);
        if (!nombres.contains(nombre))
            continue;
        if (archivos.count(nombre))
            throw ErrorBD(nombre + u": está dos veces en el archivo ZIP.");
        archivos[nombre] = LeerMiembro(lectura.z, zip_uint64_t(i), nombre, limite);
    }
    return archivos;
}

ArchivosPaquete LeerContenedor(const QString& ruta, const QStringList& nombres, qint64 limite) {
    const QFileInfo info(ruta);
    if (!info.exists())
        throw ErrorBD(u"No existe " + ruta);
    // One of the package's own files stands for the folder that holds it.
    const QString carpeta = info.isDir()                        ? ruta
                            : nombres.contains(info.fileName()) ? info.absolutePath()
                                                                : QString();
    if (carpeta.isEmpty())
        return LeerZip(LeerArchivoPaquete(ruta, limite * std::max<qint64>(1, nombres.size())), nombres,
                       limite);
    ArchivosPaquete archivos;
    for (const QString& nombre : nombres) {
        const QString archivo = carpeta + u'/' + nombre;
        if (QFileInfo(archivo).isFile())
            archivos[nombre] = LeerArchivoPaquete(archivo, limite);
    }
    return archivos;
}
