#pragma once
#include "shell/VentanaModulo.h"
