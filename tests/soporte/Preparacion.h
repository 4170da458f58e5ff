#pragma once

// Runs every test of the program once its application object exists: settings in a folder of
// their own, the scripted dialogs installed and cleared before each test.
int CorrerPruebas(int argc, char** argv);
