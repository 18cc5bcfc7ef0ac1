// The window template reader on any bytes: no crash, no read past the end, no hang; and what
// it accepts writes back into bytes that read to the same thing.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/template/WindowTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto read = ReadWindowTemplate(std::span(data, size));
    if (!read)
        return 0;
    auto written = WriteWindowTemplate(*read);
    auto again = ReadWindowTemplate(written);
    if (!again || WriteWindowTemplate(*again) != written)
        __builtin_trap();
    for (const auto& window : read->windows) {
        for (const auto& record : window.records) {
            if (StoredRecordIndex(window, record.id) < 0)
                __builtin_trap();
            (void)MenuItemHandler(record);
        }
    }
    return 0;
}
