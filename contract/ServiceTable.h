#pragma once
// The ServiceTable: the fixed, ordered entry points through which the program's procedures
// reach the runtime. The frame fills one table at start-up and installs it; the procedures
// call only through Services(), so a test can interpose a table of its own.
//
// On this 64-bit build a property value crosses as one 64-bit word: its low half, or a whole
// address for texts and other blocks; only the 8-byte property types use the high half.
#include <cstdint>

#include "values/Commands.h"
#include "values/TypedValue.h"

struct ServiceTable {
    void (*RaiseRuntimeError)(int32_t code);  // 0; does not return
    TypedValue (*CallLibraryCommand)(int32_t index, int32_t count, const TypedValue* args);  // 1
    TypedValue (*CallCommandAlt)(CommandFn command, int32_t count, const TypedValue* args);  // 2
    TypedValue (*CallCommand)(CommandFn command, int32_t count, const TypedValue* args);     // 3
    // 4: a text comes back as a new block the caller frees, or 0 for the empty text.
    uint64_t (*GetUnitProperty)(uint32_t window_id, uint32_t unit_id, int32_t property, int32_t part);
    // 5: the runtime copies what it keeps; the caller still frees a text it passed.
    void (*SetUnitProperty)(uint32_t window_id, uint32_t unit_id, int32_t property, int32_t part,
                            uint64_t value);
    void* (*AllocateBlock)(uint32_t size);                           // 6
    void* (*ResizeBlock)(void* block, uint32_t size);                // 7
    void (*FreeBlock)(void* block);                                  // 8
    void (*EndProgram)(int32_t code);                                // 9; does not return
    void (*RunMessageLoop)();                                        // 10
    void (*LoadWindow)(uint32_t window_id);                          // 11; failure does not return
    intptr_t (*SystemCall)(int32_t number, intptr_t a, intptr_t b);  // 12
    // 13: a short note (GBK) at a unit saying why its text is what it is, shown for a few
    // seconds and again on hover until the inputs of its group change; an empty or null text
    // takes it away. May be null in a table that shows no notes.
    void (*ShowUnitNote)(uint32_t window_id, uint32_t unit_id, const char* text);
};

// The part argument of slots 4 and 5 for a whole value; 0 to 6 name one part of a font.
constexpr int32_t kWholeValue = -1;

// SystemCall numbers this program uses.
constexpr int32_t kSystemCallMakeArrayWritable = 2;  // a = array reference (void**), b = element size
constexpr int32_t kSystemCallSetExitProcedure = 3;   // a = procedure (void (*)()), or 0 to clear
constexpr int32_t kSystemCallInitializeRuntime = 6;

// The table in use; null until the frame installs one.
inline const ServiceTable* InstalledServices = nullptr;

inline void InstallServices(const ServiceTable* table) { InstalledServices = table; }
inline const ServiceTable& Services() { return *InstalledServices; }
