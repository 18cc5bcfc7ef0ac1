#pragma once
// The stored layout of an ordinary unit record body (and of the window's own record), shared
// by the template reader and writer. Rec is UnitRecord or const UnitRecord.
#include "core/template/ByteIo.h"
#include "core/template/WindowTemplate.h"

// Fixed size of a body with empty texts, lists and blocks: the least a record can take.
constexpr size_t kMinUnitRecordBody = 94;
constexpr size_t kMinMenuItemBody = 12;

template <class Io, class Rec>
void TransferUnitBody(Io& io, Rec& r)
{
    io.U32(r.kind);
    io.U32(r.event_owner);
    io.Words(r.reserved1);
    io.CString(r.name);
    io.CString(r.second_text);
    io.U32(r.object_slot);
    io.I32(r.left);
    io.I32(r.top);
    io.I32(r.width);
    io.I32(r.height);
    io.U32(r.reserved2);
    io.U32(r.parent_id);
    io.Array(r.children, 4, [](auto& io2, auto& child) { io2.U32(child); });
    io.Block(r.mouse_pointer);
    io.CString(r.tag);
    io.U32(r.reserved3);
    io.U32(r.state_flags);
    io.U32(r.focus_rank);
    io.Array(r.bindings, 8, [](auto& io2, auto& b) {
        io2.I32(b.event);
        io2.I32(b.handler);
    });
    io.Words(r.reserved4);
    io.Rest(r.property_data);
}
