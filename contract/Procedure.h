#pragma once
// A procedure of the program, as the template's event bindings name it. Plain C++ so the
// calculator and the frame can include it without Qt.
//
// A procedure takes up to five 32-bit arguments and may hand back one 32-bit value; the
// program's own procedures take none and return none:
//   ProcedureResult ArcSineClick(const uint32_t*, int32_t) { ...; return {}; }
#include <cstdint>
#include <span>

struct ProcedureResult {
    bool has_value = false;
    uint32_t value = 0;
};

using Procedure = ProcedureResult (*)(const uint32_t* args, int32_t count);

// The program's procedure area: a stored handler offset k names entry k (offset 0 the first
// procedure); −1 names none.
using ProcedureArea = std::span<const Procedure>;
