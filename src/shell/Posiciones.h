#pragma once

#include <QString>

class QWidget;
class QTableView;

// Window places and grid column widths remembered per user, application "Garvola", in twips.
// A module window's place is that of its sub-window frame (VentanaModulo::Marco).
void GuardarPosicionVentana(const QString& clave, QWidget* ventana);
// State 2 maximises; state 1 counts as 0; a width under 1001 twips leaves the window as it is.
void RestaurarPosicionVentana(const QString& clave, QWidget* ventana);
// "Col0", "Col1", ... under the grid's key.
void GuardarAnchosColumnas(const QString& clave, QTableView* grid);
// Only widths over 100 twips are applied.
void RestaurarAnchosColumnas(const QString& clave, QTableView* grid);

// The same under another application name (the main window keeps its place under "Tintaluz").
void GuardarPosicionVentana(const QString& aplicacion, const QString& clave, QWidget* ventana);
void RestaurarPosicionVentana(const QString& aplicacion, const QString& clave, QWidget* ventana);
