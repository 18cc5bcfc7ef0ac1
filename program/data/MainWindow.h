#pragma once
// The main window as rows, the way a person reads it: used only by the template writer,
// which turns the rows into template bytes. Texts in the rows are UTF-8; the writer stores
// them as GBK.
#include <cstdint>
#include <variant>
#include <vector>

#include "core/props/ButtonProps.h"
#include "core/props/EditBoxProps.h"
#include "core/props/LabelProps.h"
#include "core/props/PicBoxProps.h"
#include "core/props/ShapeBoxProps.h"
#include "core/props/WindowProps.h"

// No stored property data: the unit takes every default of its kind.
struct EmptyProps {};
// The diagram picture box: the writer puts the JPEG file's bytes into `picture`.
struct DiagramProps {
    PicBoxProps props;
};

using RowProps =
    std::variant<EmptyProps, WindowProps, EditBoxProps, LabelProps, ButtonProps, ShapeBoxProps, DiagramProps>;

struct UnitRow {
    uint32_t id;
    const char* name;  // UTF-8
    uint32_t kind;
    int32_t left, top, width, height;
    const char* text;  // UTF-8 caption of a window, label or button; null for others
    uint32_t flags;    // state flags
    int32_t event0;    // handler offset bound to event 0, or kNoHandler
    RowProps props;
    uint32_t parent = 0;
    std::vector<uint32_t> children = {};
};

struct WindowRows {
    uint32_t window_id;
    uint32_t words[2];
    std::vector<UnitRow> rows;  // row 0 is the window's own record
};

const WindowRows& MainWindowRows();
