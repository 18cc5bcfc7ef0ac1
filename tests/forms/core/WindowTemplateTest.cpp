// The template reader on damaged and unusual input: every failure is a refusal, never a read
// past the end, a huge allocation or a structure the runtime could not walk safely.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "program/data/MainWindowTemplate.h"
#include "core/template/WindowTemplate.h"

namespace {

UnitRecord Record(uint32_t id, uint32_t kind)
{
    UnitRecord r;
    r.id = id;
    r.kind = kind;
    r.name = "u";
    r.state_flags = kStateVisible;
    return r;
}

// A window with its own record and three units of two kinds.
WindowTemplateData Small()
{
    WindowData w;
    w.id = 0x52010001;
    w.records = {Record(0x06010000, 1), Record(0x16010001, 7), Record(0x16010002, 7), Record(0x16010003, 5)};
    return {{w}};
}

size_t Find(const std::vector<uint8_t>& bytes, uint32_t word)
{
    const uint8_t pattern[4] = {uint8_t(word), uint8_t(word >> 8), uint8_t(word >> 16), uint8_t(word >> 24)};
    auto it = std::search(bytes.begin(), bytes.end(), std::begin(pattern), std::end(pattern));
    return size_t(it - bytes.begin());
}

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + i) = uint8_t(value >> (8 * i));
}

TEST(WindowTemplate, EmbeddedTemplateCutShortAtAnyLengthIsRefused)
{
    std::span<const uint8_t> bytes(MainWindowTemplate, MainWindowTemplateSize);
    for (size_t n = 0; n < bytes.size(); ++n)
        ASSERT_FALSE(ReadWindowTemplate(bytes.first(n)).has_value()) << n;
    std::vector<uint8_t> longer(bytes.begin(), bytes.end());
    longer.push_back(0);
    EXPECT_FALSE(ReadWindowTemplate(longer).has_value());
}

TEST(WindowTemplate, RefusesWhatTheRuntimeCannotUse)
{
    // clang-format off
    const struct {
        const char* what;
        std::function<void(WindowTemplateData&)> change;
        bool readable;
    } cases[] = {
        {"as built", [](auto&) {}, true},
        {"window id without low bits", [](auto& d) { d.windows[0].id = 0x52000000; }, false},
        {"window id without bits 24-27", [](auto& d) { d.windows[0].id = 0x50010001; }, false},
        {"two windows, one id", [](auto& d) { d.windows.push_back(d.windows[0]); }, false},
        {"two windows", [](auto& d) { d.windows.push_back(d.windows[0]); d.windows[1].id = 0x52010002; }, true},
        {"no records", [](auto& d) { d.windows[0].records.clear(); }, false},
        {"record 0 an ordinary unit", [](auto& d) { d.windows[0].records[0].id = 0x16010009; }, false},
        {"a second window record", [](auto& d) { d.windows[0].records[2].id = 0x06010009; }, false},
        {"record class 3", [](auto& d) { d.windows[0].records[2].id = 0x36010009; }, false},
        {"class 2 that is no menu item", [](auto& d) { d.windows[0].records[2].id = 0x25010009; }, false},
        {"repeated unit id", [](auto& d) { d.windows[0].records[2].id = 0x16010001; }, false},
        {"parent unknown", [](auto& d) { d.windows[0].records[1].parent_id = 0x16010099; }, false},
        {"parent the window record", [](auto& d) { d.windows[0].records[1].parent_id = 0x06010000; }, false},
        {"parent itself", [](auto& d) { d.windows[0].records[1].parent_id = 0x16010001; }, false},
        {"parents in a cycle", [](auto& d) {
             d.windows[0].records[1].parent_id = 0x16010002;
             d.windows[0].records[2].parent_id = 0x16010003;
             d.windows[0].records[3].parent_id = 0x16010001;
         }, false},
        {"parent chain", [](auto& d) {
             d.windows[0].records[1].parent_id = 0x16010002;
             d.windows[0].records[2].parent_id = 0x16010003;
         }, true},
        {"event owners in a cycle", [](auto& d) {
             d.windows[0].records[1].event_owner = 0x16010002;
             d.windows[0].records[2].event_owner = 0x16010001;
         }, false},
        {"event owner of another kind ends the chain", [](auto& d) {
             d.windows[0].records[1].event_owner = 0x16010003;
             d.windows[0].records[3].event_owner = 0x16010001;
         }, true},
        {"event owner unknown ends the chain", [](auto& d) { d.windows[0].records[1].event_owner = 0x16010099; }, true},
        {"menu item", [](auto& d) {
             UnitRecord m;
             m.id = 0x26010001;
             m.menu_item_body.assign(12, 0);
             d.windows[0].records.push_back(m);
         }, true},
        {"menu item too short for its handler", [](auto& d) {
             UnitRecord m;
             m.id = 0x26010001;
             m.menu_item_body.assign(8, 0);
             d.windows[0].records.push_back(m);
         }, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        WindowTemplateData data = Small();
        c.change(data);
        auto bytes = WriteWindowTemplate(data);
        auto back = ReadWindowTemplate(bytes);
        EXPECT_EQ(back.has_value(), c.readable) << c.what;
        if (back) {
            EXPECT_EQ(WriteWindowTemplate(*back), bytes) << c.what;
        }
    }
}

TEST(WindowTemplate, RecordFieldsSurviveTheRoundTrip)
{
    WindowTemplateData data = Small();
    UnitRecord& r = data.windows[0].records[1];
    r.event_owner = 0x16010002;
    r.reserved1[3] = 7;
    r.second_text = "second";
    r.object_slot = 0x1234;
    r.left = -5;
    r.height = 70000;
    r.reserved2 = 9;
    r.children = {0x16010002, 0, 0x16010003};
    r.mouse_pointer = {1, 2, 3, 4, 5};
    r.tag = "tag";
    r.reserved3 = 11;
    r.focus_rank = 3;
    r.bindings = {{0, 0}, {-7, 12}, {1, kNoHandler}};
    r.reserved4[4] = 13;
    r.property_data = {9, 8, 7};
    data.windows[0].words[1] = 0xABCDEF01;
    data.windows[0].texts[1] = "text";
    data.windows[0].stored_slot = 0xDEAD;
    auto bytes = WriteWindowTemplate(data);
    auto back = ReadWindowTemplate(bytes);
    ASSERT_TRUE(back.has_value());
    const UnitRecord& b = back->windows[0].records[1];
    EXPECT_EQ(b.children, r.children);
    EXPECT_EQ(b.bindings.size(), 3u);
    EXPECT_EQ(b.bindings[1].event, -7);
    EXPECT_EQ(b.bindings[2].handler, kNoHandler);
    EXPECT_EQ(b.property_data, r.property_data);
    EXPECT_EQ(b.left, -5);
    EXPECT_EQ(WriteWindowTemplate(*back), bytes);
}

TEST(WindowTemplate, MenuItemHandlerIsTheLastWord)
{
    UnitRecord m;
    m.menu_item_body = {0, 0, 0, 0, 1, 0, 0, 0, 0x05, 0, 0, 0};
    EXPECT_EQ(MenuItemHandler(m), 5);
    m.menu_item_body = {};
    EXPECT_EQ(MenuItemHandler(m), kNoHandler);
}

// Lengths and counts far beyond the bytes that follow are refused before anything is reserved.
TEST(WindowTemplate, HugeLengthsAndCountsAreRefused)
{
    WindowTemplateData data = Small();
    data.windows[0].records[1].children = {0xC0FFEE01};
    data.windows[0].records[1].bindings = {{0x0BADBEEF, 0}};
    data.windows[0].records[1].mouse_pointer = {0x78, 0x56, 0x34, 0x12};
    const auto bytes = WriteWindowTemplate(data);
    ASSERT_TRUE(ReadWindowTemplate(bytes).has_value());
    const size_t unit_count_at = 4 + 8 + 8 + 4 + 4;
    // clang-format off
    const struct { const char* what; size_t at; } fields[] = {
        {"window table length", 0},
        {"unit count", unit_count_at},
        {"unit block length", unit_count_at + 4},
        {"first record offset", unit_count_at + 8 + 4 * 4},
        {"first record length", unit_count_at + 8 + 8 * 4},
        {"child count", Find(bytes, 0xC0FFEE01) - 4},
        {"binding count", Find(bytes, 0x0BADBEEF) - 4},
        {"mouse pointer length", Find(bytes, 0x12345678) - 4},
    };
    // clang-format on
    for (const auto& f : fields) {
        for (uint32_t value : {0xFFFFFFFFu, 0x7FFFFFFFu, 0x20000000u, uint32_t(bytes.size())}) {
            auto damaged = bytes;
            PutU32(damaged, f.at, value);
            EXPECT_FALSE(ReadWindowTemplate(damaged).has_value()) << f.what << " " << value;
        }
    }
}

// Two records that share their bytes would let a few bytes stand for any number of copies.
TEST(WindowTemplate, RecordsMayNotShareBytes)
{
    auto bytes = WriteWindowTemplate(Small());
    const size_t offsets_at = 4 + 8 + 8 + 4 + 4 + 4 + 4 + 4 * 4;  // after the four ids
    for (size_t k = 1; k < 4; ++k) {
        auto shared = bytes;
        PutU32(shared, offsets_at + 4 * k, 0);
        EXPECT_FALSE(ReadWindowTemplate(shared).has_value()) << k;
    }
}

TEST(WindowTemplate, IdRule)
{
    // clang-format off
    const struct { uint32_t id; bool valid; RecordClass c; } cases[] = {
        {0x06010000, true, RecordClass::Window}, {0x1601013A, true, RecordClass::Unit},
        {0x26010001, true, RecordClass::MenuItem}, {0x27010001, true, RecordClass::Invalid},
        {0x16000000, false, RecordClass::Invalid}, {0x10010001, false, RecordClass::Invalid},
        {0x52010001, true, RecordClass::Invalid}, {0, false, RecordClass::Invalid},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidId(c.id), c.valid) << std::hex << c.id;
        EXPECT_EQ(RecordClassOf(c.id), c.c) << std::hex << c.id;
    }
}

}  // namespace
