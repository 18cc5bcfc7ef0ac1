#include <algorithm>

#include "core/template/LittleEndian.h"
#include "core/template/UnitRecordLayout.h"

bool IsValidId(uint32_t id) { return (id & 0x0F000000) != 0 && (id & 0x00FFFFFF) != 0; }

RecordClass RecordClassOf(uint32_t id)
{
    if (!IsValidId(id))
        return RecordClass::Invalid;
    switch (id >> 28) {
    case 0: return RecordClass::Window;
    case 1: return RecordClass::Unit;
    case 2: return ((id >> 24) & 0xF) == 6 ? RecordClass::MenuItem : RecordClass::Invalid;
    default: return RecordClass::Invalid;
    }
}

int32_t MenuItemHandler(const UnitRecord& record)
{
    const auto& body = record.menu_item_body;
    if (body.size() < 4)
        return kNoHandler;
    size_t at = body.size() - 4;
    return int32_t(ReadLe32(body.data() + at));
}

int StoredRecordIndex(const WindowData& window, uint32_t unit_id)
{
    for (size_t k = 0; k < window.records.size(); ++k)
        if (window.records[k].id == unit_id)
            return int(k);
    return -1;
}

namespace {

bool ReadRecordBody(std::span<const uint8_t> body, UnitRecord& record)
{
    if (RecordClassOf(record.id) == RecordClass::MenuItem) {
        // Only its end (text, flags, handler) is known, so the body is kept whole.
        record.menu_item_body.assign(body.begin(), body.end());
        return body.size() >= kMinMenuItemBody;
    }
    ByteReader reader(body);
    ReadIo io(reader);
    TransferUnitBody(io, record);
    return reader.Ok();
}

// Each element names at most one next element (-1 = none); true when no path comes back on
// itself. Linear: a path is walked once, then marked done.
bool HasNoCycle(const std::vector<int>& next)
{
    enum : uint8_t { Unseen, OnPath, Done };
    std::vector<uint8_t> state(next.size(), Unseen);
    for (size_t start = 0; start < next.size(); ++start) {
        int k = int(start);
        while (k >= 0 && state[k] == Unseen) {
            state[k] = OnPath;
            k = next[k];
        }
        if (k >= 0 && state[k] == OnPath)
            return false;
        for (k = int(start); k >= 0 && state[k] == OnPath; k = next[k])
            state[k] = Done;
    }
    return true;
}

// What the runtime relies on beyond the byte layout: record 0 is the window's own, the others
// are units or menu items, ids are unique, parents are units of this window without cycles,
// and event-owner chains end.
bool RecordsAreSound(const WindowData& window)
{
    const auto& records = window.records;
    if (records.empty() || RecordClassOf(records[0].id) != RecordClass::Window)
        return false;
    std::vector<std::pair<uint32_t, int>> by_id;
    for (size_t k = 0; k < records.size(); ++k) {
        RecordClass c = RecordClassOf(records[k].id);
        if (k > 0 && c != RecordClass::Unit && c != RecordClass::MenuItem)
            return false;
        by_id.emplace_back(records[k].id, int(k));
    }
    std::sort(by_id.begin(), by_id.end());
    for (size_t k = 1; k < by_id.size(); ++k)
        if (by_id[k].first == by_id[k - 1].first)
            return false;
    auto index_of = [&](uint32_t id) {
        auto it = std::lower_bound(by_id.begin(), by_id.end(), std::pair<uint32_t, int>(id, -1));
        return it != by_id.end() && it->first == id ? it->second : -1;
    };

    std::vector<int> parent(records.size(), -1), owner(records.size(), -1);
    for (size_t k = 0; k < records.size(); ++k) {
        const auto& r = records[k];
        if (RecordClassOf(r.id) == RecordClass::MenuItem)
            continue;
        if (k > 0 && r.parent_id != 0) {
            parent[k] = index_of(r.parent_id);
            if (parent[k] <= 0 || RecordClassOf(records[parent[k]].id) != RecordClass::Unit)
                return false;
        }
        int o = r.event_owner == 0 ? -1 : index_of(r.event_owner);
        if (o >= 0 && RecordClassOf(records[o].id) != RecordClass::MenuItem && records[o].kind == r.kind)
            owner[k] = o;
    }
    return HasNoCycle(parent) && HasNoCycle(owner);
}

// Records may lie anywhere after the offset array but may not share bytes: shared bodies
// would let a small template stand for an enormous one.
bool ReadUnitBlock(std::span<const uint8_t> block, uint32_t count, std::vector<UnitRecord>& records)
{
    if (count > block.size() / (8 + 4 + kMinMenuItemBody))
        return false;
    const size_t base = size_t(count) * 8;
    const std::span<const uint8_t> area = block.subspan(base);
    ByteReader reader(block);
    records.resize(count);
    for (auto& record : records)
        reader.ReadU32(record.id);
    struct Span {
        size_t begin, end;
    };
    std::vector<Span> spans(count);
    for (auto& span : spans) {
        uint32_t offset = 0, length = 0;
        if (!reader.ReadU32(offset) || offset > area.size())
            return false;
        ByteReader at(area.subspan(offset));
        if (!at.ReadU32(length) || length > at.Remaining())
            return false;
        span = {offset, offset + 4 + size_t(length)};
    }
    std::vector<Span> sorted = spans;
    std::sort(sorted.begin(), sorted.end(), [](Span a, Span b) { return a.begin < b.begin; });
    for (size_t k = 1; k < sorted.size(); ++k)
        if (sorted[k].begin < sorted[k - 1].end)
            return false;
    for (size_t k = 0; k < count; ++k) {
        auto body = area.subspan(spans[k].begin + 4, spans[k].end - spans[k].begin - 4);
        if (!ReadRecordBody(body, records[k]))
            return false;
    }
    return true;
}

bool ReadWindow(ByteReader& reader, WindowData& window)
{
    uint32_t count = 0;
    std::span<const uint8_t> block;
    reader.ReadU32(window.words[0]);
    reader.ReadU32(window.words[1]);
    reader.ReadText(window.texts[0]);
    reader.ReadText(window.texts[1]);
    reader.ReadU32(count);
    return reader.ReadBlockSpan(block) && ReadUnitBlock(block, count, window.records) &&
           RecordsAreSound(window);
}

}  // namespace

std::optional<WindowTemplateData> ReadWindowTemplate(std::span<const uint8_t> bytes)
{
    ByteReader reader(bytes);
    std::span<const uint8_t> table;
    if (!reader.ReadBlockSpan(table) || table.size() % 8 != 0)
        return std::nullopt;
    // Every window record takes at least six words after the table.
    if (table.size() / 8 > reader.Remaining() / 24)
        return std::nullopt;
    WindowTemplateData data;
    data.windows.resize(table.size() / 8);
    ByteReader table_reader(table);
    std::vector<uint32_t> ids;
    for (auto& window : data.windows) {
        table_reader.ReadU32(window.id);
        if (!IsValidId(window.id))
            return std::nullopt;
        ids.push_back(window.id);
    }
    for (auto& window : data.windows)
        table_reader.ReadU32(window.stored_slot);
    std::sort(ids.begin(), ids.end());
    if (std::adjacent_find(ids.begin(), ids.end()) != ids.end())
        return std::nullopt;

    for (auto& window : data.windows)
        if (!ReadWindow(reader, window))
            return std::nullopt;
    if (!reader.AtEnd())
        return std::nullopt;
    return data;
}
