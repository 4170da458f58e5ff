#pragma once

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

// A scratch home and runtime folder for a copy of the real program started by a test, so that it
// neither reads nor writes the settings, data or locks of whoever runs the tests.
class EntornoAislado {
public:
    EntornoAislado() {
        QDir().mkpath(Casa());
        QDir().mkpath(Runtime());
        QFile::setPermissions(Runtime(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QString Casa() const { return dir_.path() + QStringLiteral("/casa"); }
    QString Runtime() const { return dir_.path() + QStringLiteral("/runtime"); }

    // conPantalla false: no window system at all, so a copy that tried to open a window would fail.
    QProcessEnvironment Entorno(bool conPantalla = true) const {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("HOME"), Casa());
        e.insert(QStringLiteral("XDG_RUNTIME_DIR"), Runtime());
        for (const char* v :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "DISPLAY", "WAYLAND_DISPLAY"})
            e.remove(QString::fromLatin1(v));
        if (conPantalla)
            e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        else
            e.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return e;
    }

private:
    QTemporaryDir dir_;
};
