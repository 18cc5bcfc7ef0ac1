#pragma once
// The program header: how the runtime finds the program's procedures, its constants, its
// window template and its unit library. The words that held addresses hold pointers here.
#include <cstdint>
#include <span>

#include "contract/Procedure.h"

struct LibraryDescriptor;

struct ProgramHeader {
    uint32_t build_kind = 0;          // word 0
    uint32_t word1 = 0;               // word 1
    uint32_t word2 = 0;               // word 2; the runtime keeps it plus one
    ProcedureArea procedures;         // word 3: stored handler offset k names entry k
    const void* constants = nullptr;  // words 4, 5
    uint32_t constants_size = 0;
    const uint8_t* window_template = nullptr;  // words 6, 7
    uint32_t window_template_size = 0;
    uint32_t library_count = 0;  // words 8, 9
    const LibraryDescriptor* const* libraries = nullptr;
    uint32_t external_command_count = 0;  // words 10, 11, 12: none in this program
    const char* const* external_command_libraries = nullptr;
    const char* const* external_command_names = nullptr;
};

// This program's header: build kind 3, 0, 88348, the procedure area, the 126-byte constants
// block, the main window's template and the built-in unit library.
const ProgramHeader& TheProgramHeader();
