#pragma once

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <benchmark/benchmark.h>

// Keystrokes in a search window's filter box, each until the list is filled and painted.
struct Tecleo {
    QLineEdit* filtro = nullptr;
    QListWidget* lista = nullptr;
    char primera = 'k'; // narrows the list
    char segunda = 't'; // narrows it further

    void Tecla(Qt::Key tecla, char texto = 0) const {
        if (texto)
            QTest::keyClick(filtro, texto);
        else
            QTest::keyClick(filtro, tecla);
        QCoreApplication::processEvents();
    }

    // Backspace from the first letter to the empty filter: everything listed.
    void HastaListaCompleta(benchmark::State& estado) const {
        Tecla(Qt::Key_unknown, primera);
        for (auto _ : estado) {
            Tecla(Qt::Key_Backspace);
            estado.PauseTiming();
            Tecla(Qt::Key_unknown, primera);
            estado.ResumeTiming();
        }
        Tecla(Qt::Key_Backspace);
        estado.counters["filas"] = lista->count();
    }

    // Typing one more letter of a name.
    void QueFiltra(benchmark::State& estado) const {
        Tecla(Qt::Key_unknown, primera);
        for (auto _ : estado) {
            Tecla(Qt::Key_unknown, segunda);
            estado.PauseTiming();
            estado.counters["filas"] = lista->count();
            Tecla(Qt::Key_Backspace);
            estado.ResumeTiming();
        }
        Tecla(Qt::Key_Backspace);
    }
};
