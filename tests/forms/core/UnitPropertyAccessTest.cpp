// Property access by number without widgets: the main window's records with plain units that
// keep their property sets, and a live side that notes what it was asked to show. The same
// core serves the desktop's widgets and the page's elements.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "contract/ProcedureArea.h"
#include "tests/support/PlainUnits.h"
#include "contract/ServiceTable.h"
#include "program/data/MainWindowTemplate.h"
#include "program/data/MainWindowUnits.h"
#include "core/props/KindProps.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "core/runtime/UnitTypeTable.h"
#include "values/Blocks.h"

namespace {

using namespace main_window;

using namespace plain_units;

struct Applied {
    uint32_t unit;
    int32_t property;
};
std::vector<Applied> applied;
std::vector<uint32_t> rebuilt;
constexpr uint64_t kLiveWidth = 99;

// The live side answers only the width, and only for the expression box.
bool ReadCommon(const RuntimeRecord& record, int32_t property, uint64_t& value)
{
    if (record.id != kExpression || property != kPropertyWidth)
        return false;
    value = kLiveWidth;
    return true;
}
void ApplyCommon(RuntimeRecord& record, int32_t property) { applied.push_back({record.id, property}); }
bool PlaceOf(const RuntimeRecord&, UnitPlace& place)
{
    place.width = 40;
    return true;
}
void PutInPlace(RuntimeWindow&, RuntimeRecord& record, Unit* fresh, const UnitPlace&)
{
    rebuilt.push_back(record.id);
    record.object.reset(fresh);
}
const LiveUnitAccess kNotingAccess{&ReadCommon, &ApplyCommon, &PlaceOf, &PutInPlace};

int changes = 0;
ProcedureResult CountChange(const uint32_t*, int32_t)
{
    ++changes;
    return {};
}
ProcedureResult NoProcedure(const uint32_t*, int32_t) { return {}; }
const Procedure kProcedures[kProcedureAreaSize] = {&NoProcedure, &NoProcedure, &NoProcedure,
                                                   &NoProcedure, &NoProcedure, &CountChange};

class UnitPropertyAccess : public testing::Test {
protected:
    void SetUp() override
    {
        ClearWindows();
        UsePlainLibrary();
        SetLiveUnitAccess(&kNotingAccess);
        LoadProgramWindows({MainWindowTemplate, MainWindowTemplateSize}, kProcedures);
        RuntimeWindow& window = *FindWindow(main_window::kWindow);
        for (RuntimeRecord& record : window.records) {
            CreateArgs args;
            args.window_id = window.id;
            args.unit_id = record.id;
            record.object.reset(Create(args));
        }
        applied.clear();
        rebuilt.clear();
    }
    void TearDown() override
    {
        SetLiveUnitAccess(nullptr);
        ClearWindows();
    }
};

uint64_t Get(uint32_t unit, int32_t property)
{
    return GetUnitProperty(main_window::kWindow, unit, property, kWholeValue);
}
void Set(uint32_t unit, int32_t property, uint64_t value)
{
    SetUnitProperty(main_window::kWindow, unit, property, kWholeValue, value);
}
uint64_t Address(const char* text) { return uint64_t(reinterpret_cast<uintptr_t>(text)); }
std::string Take(uint64_t value)
{
    TextBlock block(reinterpret_cast<char*>(uintptr_t(value)));
    return block ? std::string(block.get()) : std::string();
}

TEST_F(UnitPropertyAccess, CommonWritesAreClampedIntoTheRecordAndShown)
{
    // clang-format off
    const struct {
        int32_t property;
        int64_t written;
        uint32_t read;
    } cases[] = {
        {kPropertyLeft, 40000, 32627},  {kPropertyTop, -40000, uint32_t(-32627)},
        {kPropertyWidth, -5, 0},        {kPropertyHeight, 70000, 32627},
        {kPropertyVisible, 7, 1},       {kPropertyDisabled, 1, 1},
        {kPropertyVisible, 0, 0},       {kPropertyLeft, -12, uint32_t(-12)},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "property " << c.property << " <- " << c.written);
        applied.clear();
        Set(kArcSineResult, c.property, uint64_t(c.written));
        EXPECT_EQ(Get(kArcSineResult, c.property), c.read);
        ASSERT_EQ(applied.size(), 1u);
        EXPECT_EQ(applied[0].unit, kArcSineResult);
        EXPECT_EQ(applied[0].property, c.property);
    }
}

TEST_F(UnitPropertyAccess, TheLiveSideAnswersWhatItShowsAndTheRecordTheRest)
{
    Set(kExpression, kPropertyWidth, 10);
    EXPECT_EQ(Get(kExpression, kPropertyWidth), kLiveWidth);
    EXPECT_EQ(Get(kExpressionResult, kPropertyWidth), Get(kExpressionResult, kPropertyWidth));
    Set(kExpression, kPropertyTag, Address("tag"));
    EXPECT_EQ(Take(Get(kExpression, kPropertyTag)), "tag");
    EXPECT_EQ(applied.size(), 1u);  // the width; nothing shows a tag

    SetLiveUnitAccess(nullptr);
    EXPECT_EQ(Get(kExpression, kPropertyWidth), 10u);
    Set(kExpression, kPropertyVisible, 0);
    EXPECT_EQ(Get(kExpression, kPropertyVisible), 0u);
    EXPECT_EQ(applied.size(), 1u);
}

TEST_F(UnitPropertyAccess, OwnPropertiesReachTheKindByNumberAndRebuildOnlyWhenItAsks)
{
    const struct {
        uint32_t unit;
        int32_t own;
        uint64_t written;  // a number, or the address of a text
        const char* text;  // the text read back, or null for a number
        bool rebuild;
        int changes;  // the box's change events: one for every written text, the same or not
    } cases[] = {
        {kExpression, EditBoxOwn::Content, Address("1+1"), "1+1", false, 1},
        {kExpression, EditBoxOwn::Content, Address("1+1"), "1+1", false, 1},
        {kExpression, EditBoxOwn::TextColour, 0x0000FF, nullptr, false, 0},
        {kExpression, EditBoxOwn::MultiLine, 1, nullptr, true, 0},
        {kExpression, EditBoxOwn::MultiLine, 1, nullptr, false, 0},
        {kAngleWarning, LabelOwn::Caption, Address("\xbd\xc7"), "\xbd\xc7", false, 0},
        {kArcSineButton, ButtonOwn::DefaultButton, 1, nullptr, false, 0},
    };
    // The expression box's change event counts.
    RuntimeRecord& box = *FindRecord(*FindWindow(main_window::kWindow), kExpression);
    box.bindings = {{kEventChange, 5}};
    box.procedures = {&CountChange};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.unit << " own " << std::dec << c.own);
        rebuilt.clear();
        changes = 0;
        Set(c.unit, kFirstOwnProperty + c.own, c.written);
        const uint64_t read = Get(c.unit, kFirstOwnProperty + c.own);
        if (c.text != nullptr)
            EXPECT_EQ(Take(read), c.text);
        else
            EXPECT_EQ(read, c.written);
        EXPECT_EQ(rebuilt, c.rebuild ? std::vector<uint32_t>{c.unit} : std::vector<uint32_t>{});
        EXPECT_EQ(changes, c.changes);
    }
    // A number the kind does not have reads 0 and takes nothing.
    Set(kExpression, kFirstOwnProperty + EditBoxOwn::Count + 5, 1);
    EXPECT_EQ(Get(kExpression, kFirstOwnProperty + EditBoxOwn::Count + 5), 0u);
    EXPECT_TRUE(rebuilt.empty());
}

}  // namespace
