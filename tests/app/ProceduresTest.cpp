// The procedures' side of the service table, without a window: which boxes each one reads
// and writes and in what order, that every text it is handed goes back exactly once, and
// that an empty result is written as null. The boxes live in a map behind a test table.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "program/Notes.h"
#include "program/Procedures.h"
#include "program/data/MainWindowUnits.h"
#include "values/Blocks.h"
#include "values/Gbk.h"
#include "contract/ServiceTable.h"

namespace {

struct FakeWindow {
    std::map<uint32_t, std::string> boxes;
    bool warning_visible = false;
    std::set<void*> handed_out;  // texts read and not yet given back
    std::vector<std::string> calls;
};

FakeWindow g_window;

std::string Name(uint32_t unit)
{
    // clang-format off
    static const std::map<uint32_t, std::string> names = {
        {main_window::kArcSineOpposite, "edit1"},   {main_window::kArcSineHypotenuse, "edit9"},
        {main_window::kArcSineResult, "edit2"},     {main_window::kArcTangentOpposite, "edit4"},
        {main_window::kArcTangentAdjacent, "edit8"}, {main_window::kArcTangentResult, "edit3"},
        {main_window::kArcCosineAdjacent, "edit6"}, {main_window::kArcCosineHypotenuse, "edit7"},
        {main_window::kArcCosineResult, "edit5"},   {main_window::kExpression, "edit10"},
        {main_window::kExpressionResult, "edit11"}, {main_window::kAngle, "edit12"},
        {main_window::kKnownOpposite, "edit13"},    {main_window::kKnownAdjacent, "edit14"},
        {main_window::kKnownHypotenuse, "edit15"},  {main_window::kResultAdjacent, "edit16"},
        {main_window::kResultHypotenuse, "edit17"}, {main_window::kResultOpposite, "edit18"},
        {main_window::kAngleWarning, "label22"},
    };
    // clang-format on
    const auto found = names.find(unit);
    return found != names.end() ? found->second : "unit " + std::to_string(unit);
}

uint64_t FakeGet(uint32_t window, uint32_t unit, int32_t property, int32_t part)
{
    EXPECT_EQ(window, main_window::kWindow);
    EXPECT_EQ(property, main_window::kBoxText);
    EXPECT_EQ(part, kWholeValue);
    g_window.calls.push_back("get " + Name(unit));
    const std::string& text = g_window.boxes[unit];
    if (text.empty())
        return 0;
    void* block = AllocateBlock(uint32_t(text.size() + 1));
    std::memcpy(block, text.c_str(), text.size() + 1);
    g_window.handed_out.insert(block);
    return uint64_t(uintptr_t(block));
}

void FakeSet(uint32_t window, uint32_t unit, int32_t property, int32_t part, uint64_t value)
{
    EXPECT_EQ(window, main_window::kWindow);
    EXPECT_EQ(part, kWholeValue);
    if (property == kPropertyVisible) {
        g_window.calls.push_back("set " + Name(unit) + (value != 0 ? " shown" : " hidden"));
        g_window.warning_visible = value != 0;
        return;
    }
    const char* text = reinterpret_cast<const char*>(uintptr_t(value));
    EXPECT_TRUE(text == nullptr || text[0] != '\0') << "an empty text is written as null";
    g_window.boxes[unit] = text != nullptr ? text : "";
    g_window.calls.push_back("set " + Name(unit) + " '" + g_window.boxes[unit] + "'");
}

void FakeFree(void* block)
{
    if (block == nullptr)
        return;
    if (g_window.handed_out.erase(block) == 1)
        g_window.calls.push_back("free");
    FreeBlock(block);
}

class Procedures : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_table = {};
        m_table.GetUnitProperty = &FakeGet;
        m_table.SetUnitProperty = &FakeSet;
        m_table.FreeBlock = &FakeFree;
        m_table.AllocateBlock = &AllocateBlock;
        m_table.ResizeBlock = &ResizeBlock;
        m_table.CallCommand = &CallCommand;
        m_table.CallCommandAlt = &CallCommand;
        InstallServices(&m_table);
        g_window = {};
    }

    void TearDown() override
    {
        EXPECT_TRUE(g_window.handed_out.empty()) << g_window.handed_out.size() << " texts not given back";
        InstallServices(nullptr);
    }

    static std::string Calls()
    {
        std::string joined;
        for (const std::string& call : g_window.calls)
            joined += call + "; ";
        return joined;
    }

private:
    ServiceTable m_table;
};

TEST_F(Procedures, AngleButtonsReadBothBoxesThenWriteTheResult)
{
    const struct {
        ProcedureResult (*procedure)(const uint32_t*, int32_t);
        uint32_t first, second;
        const char* first_text;
        const char* second_text;
        const char* calls;
    } cases[] = {
        {&ArcSineClick, main_window::kArcSineOpposite, main_window::kArcSineHypotenuse, "1", "2",
         "get edit1; free; get edit9; free; set edit2 '30.00000000086'; "},
        {&ArcTangentClick, main_window::kArcTangentOpposite, main_window::kArcTangentAdjacent, "1", "",
         "get edit4; free; get edit8; set edit3 '90.00000000257'; "},
        {&ArcCosineClick, main_window::kArcCosineAdjacent, main_window::kArcCosineHypotenuse, "1", "2",
         "get edit6; free; get edit7; free; set edit5 '59.99999999914'; "},
        {&ArcSineClick, main_window::kArcSineOpposite, main_window::kArcSineHypotenuse, "2", "1",
         "get edit1; free; get edit9; free; set edit2 ''; "},
    };
    for (const auto& c : cases) {
        g_window = {};
        g_window.boxes[c.first] = c.first_text;
        g_window.boxes[c.second] = c.second_text;
        c.procedure(nullptr, 0);
        EXPECT_EQ(Calls(), c.calls);
    }
}

TEST_F(Procedures, FunctionEvaluateReplacesTheResultEvenWithNothing)
{
    g_window.boxes[main_window::kExpression] = "2*sin(30)";
    FunctionEvaluateClick(nullptr, 0);
    EXPECT_EQ(Calls(), "get edit10; free; set edit11 '0.999999999974'; ");
    g_window = {};
    g_window.boxes[main_window::kExpression] = "1/0";
    g_window.boxes[main_window::kExpressionResult] = "2";
    FunctionEvaluateClick(nullptr, 0);
    EXPECT_EQ(Calls(), "get edit10; free; set edit11 ''; ");
    EXPECT_EQ(g_window.boxes[main_window::kExpression], "1/0");
}

TEST_F(Procedures, SideLengthsWritesInTheOrderOfTheKnownSide)
{
    // clang-format off
    const struct {
        const char* angle;
        const char* opposite;
        const char* adjacent;
        const char* hypotenuse;
        const char* writes;  // the calls after the reads
    } cases[] = {
        {"30", "1", "", "", "set label22 hidden; set edit16 '1.732050807629'; set edit17 '2.000000000052'; set edit18 '1'; "},
        {"30", "", "1", "", "set label22 hidden; set edit18 '0.5773502691697'; set edit17 '1.154700538369'; set edit16 '1'; "},
        {"30", "", "", "2", "set label22 hidden; set edit16 '1.732050807584'; set edit18 '0.999999999974'; set edit17 '2'; "},
        {"0", "1", "", "", "set label22 shown; "},
        {"30", "", "", "", "set label22 hidden; "},
    };
    // clang-format on
    for (const auto& c : cases) {
        g_window = {};
        g_window.boxes[main_window::kAngle] = c.angle;
        g_window.boxes[main_window::kKnownOpposite] = c.opposite;
        g_window.boxes[main_window::kKnownAdjacent] = c.adjacent;
        g_window.boxes[main_window::kKnownHypotenuse] = c.hypotenuse;
        SideLengthsClick(nullptr, 0);
        std::string writes;
        for (const std::string& call : g_window.calls) {
            if (call.rfind("set ", 0) == 0)
                writes += call + "; ";
        }
        EXPECT_EQ(writes, c.writes) << Calls();
        EXPECT_TRUE(g_window.handed_out.empty()) << c.angle;
    }
}

TEST_F(Procedures, TheAreaListsTheProceduresInTheTemplateOrder)
{
    const ProcedureArea area = ProgramProcedures();
    ASSERT_EQ(area.size(), size_t(kProcedureAreaSize));
    EXPECT_EQ(area[kArcTangentClickOffset], &ArcTangentClick);
    EXPECT_EQ(area[kArcSineClickOffset], &ArcSineClick);
    EXPECT_EQ(area[kArcCosineClickOffset], &ArcCosineClick);
    EXPECT_EQ(area[kFunctionEvaluateClickOffset], &FunctionEvaluateClick);
    EXPECT_EQ(area[kSideLengthsClickOffset], &SideLengthsClick);
    EXPECT_EQ(area[kWindowEventNoOpOffset], &WindowEventNoOp);
}

}  // namespace

// Each result box keeps how it got its text, with the numbers the procedure used.
TEST_F(Procedures, EachResultSaysHowItCameAbout)
{
    using namespace main_window;
    // A pasted ratio shows its two ends.
    const std::string long_three = "3." + std::string(200, '0');
    const std::string long_working = "arcsin(3." + std::string(58, '0') + "…" + std::string(60, '0') +
                                     " ÷ 5) = 36.8698976469°\n= 36°52′11.63″";
    // clang-format off
    const struct {
        ProcedureResult (*procedure)(const uint32_t*, int32_t);
        std::vector<std::pair<uint32_t, const char*>> boxes;
        uint32_t result;
        const char* working;
    } cases[] = {
        {&ArcSineClick, {{kArcSineOpposite, "3"}, {kArcSineHypotenuse, "5"}}, kArcSineResult,
         "arcsin(3 ÷ 5) = 36.8698976469°\n= 36°52′11.63″"},
        {&ArcSineClick, {{kArcSineOpposite, long_three.c_str()}, {kArcSineHypotenuse, "5"}}, kArcSineResult,
         long_working.c_str()},
        {&ArcTangentClick, {{kArcTangentOpposite, "1"}, {kArcTangentAdjacent, "1"}}, kArcTangentResult,
         "arctan(1 ÷ 1) = 45.00000000129°\n= 45°00′00.00″"},
        {&ArcCosineClick, {{kArcCosineAdjacent, "1"}, {kArcCosineHypotenuse, "2"}}, kArcCosineResult,
         "arccos(1 ÷ 2) = 59.99999999914°\n= 60°00′00.00″"},
        // No angle, no working: the box says what it takes.
        {&ArcSineClick, {{kArcSineOpposite, "2"}, {kArcSineHypotenuse, "1"}}, kArcSineResult, "角度，以度为单位"},
        {&SideLengthsClick, {{kAngle, "30"}, {kKnownOpposite, "1"}}, kResultAdjacent,
         "邻边 = 对边 ÷ tg(30) = 1 ÷ 0.5773502691697 = 1.732050807629\n"
         "π 取 3.1415926535，所以 sin(30) 是 0.499999999987 而非 0.5"},
        {&SideLengthsClick, {{kAngle, "30"}, {kKnownOpposite, "1"}}, kResultHypotenuse,
         "斜边 = 对边 ÷ sin(30) = 1 ÷ 0.499999999987 = 2.000000000052\n"
         "π 取 3.1415926535，所以 sin(30) 是 0.499999999987 而非 0.5"},
        {&SideLengthsClick, {{kAngle, "30"}, {kKnownOpposite, "1"}}, kResultOpposite, "已知边，照输入抄写"},
        {&SideLengthsClick, {{kAngle, "60"}, {kKnownHypotenuse, "2"}}, kResultOpposite,
         "对边 = 斜边 × sin(60) = 2 × 0.8660254037695 = 1.732050807539\n"
         "π 取 3.1415926535，所以 sin(30) 是 0.499999999987 而非 0.5"},
        {&FunctionEvaluateClick, {{kExpression, "1 苹果 + 2 梨"}}, kExpressionResult,
         "按 1+2 计算\n已忽略：苹果 梨（只认 sin cos tg ctg，角度以度为单位，运算符 ^ * / + -）"},
        {&FunctionEvaluateClick, {{kExpression, "３×２"}}, kExpressionResult, "按 3*2 计算"},
        {&FunctionEvaluateClick, {{kExpression, "3 * 2"}}, kExpressionResult, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        g_window = {};
        for (const auto& [box, text] : c.boxes)
            g_window.boxes[box] = Utf8ToGbk(text);
        c.procedure(nullptr, 0);
        EXPECT_EQ(NoteDescription(c.result), c.working);
    }
}
