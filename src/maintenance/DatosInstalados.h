#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// A per-user folder seeded from an installed package follows the package's upgrades: a newer data
// edition installed is brought into the user's ReferenceDb as the data builder's update does (both
// databases copied aside first, every note of the user kept), and the pictures and documents the
// package added are copied in. A file already in the user's folder is never overwritten.

struct PuestaAlDia {
    enum class Estado { SinCambios, Hecha, Rechazada };
    Estado estado = Estado::SinCambios;
    QString aviso; // one line for the user; empty with SinCambios
};

// usuario: the per-user folder; instalada: the installed data; excluir: relative names never copied
// (the executable). Call with the process's database handles closed, before the program opens them.
PuestaAlDia PonerAlDiaDesdeInstalada(const QString& usuario, const QString& instalada,
                                     const QStringList& excluir = {},
                                     const QDateTime& momento = QDateTime::currentDateTime());
