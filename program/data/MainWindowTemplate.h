#pragma once
// The main window's template bytes, generated at build time from program/data/MainWindow.cpp by
// anglarix-template-writer and embedded in the program.
#include <cstddef>
#include <cstdint>

#include "program/data/MainWindowUnits.h"

extern const uint8_t MainWindowTemplate[];
extern const size_t MainWindowTemplateSize;
