#include "core/template/UnitRecordLayout.h"

namespace {

std::vector<uint8_t> RecordBody(const UnitRecord& record)
{
    if (RecordClassOf(record.id) == RecordClass::MenuItem)
        return record.menu_item_body;
    ByteWriter writer;
    WriteIo io(writer);
    TransferUnitBody(io, record);
    return writer.Take();
}

// U ids, U offsets from the end of the offset array, then each record's length and body.
std::vector<uint8_t> UnitBlock(const std::vector<UnitRecord>& records)
{
    ByteWriter ids_and_offsets, bodies;
    for (const auto& record : records)
        ids_and_offsets.WriteU32(record.id);
    for (const auto& record : records) {
        ids_and_offsets.WriteU32(uint32_t(bodies.Size()));
        bodies.WriteBlock(RecordBody(record));
    }
    ids_and_offsets.WriteRaw(bodies.Bytes());
    return ids_and_offsets.Take();
}

}  // namespace

std::vector<uint8_t> WriteWindowTemplate(const WindowTemplateData& data)
{
    ByteWriter table;
    for (const auto& window : data.windows)
        table.WriteU32(window.id);
    for (const auto& window : data.windows)
        table.WriteU32(window.stored_slot);

    ByteWriter out;
    out.WriteBlock(table.Bytes());
    for (const auto& window : data.windows) {
        out.WriteU32(window.words[0]);
        out.WriteU32(window.words[1]);
        out.WriteText(window.texts[0]);
        out.WriteText(window.texts[1]);
        out.WriteU32(uint32_t(window.records.size()));
        out.WriteBlock(UnitBlock(window.records));
    }
    return out.Take();
}
