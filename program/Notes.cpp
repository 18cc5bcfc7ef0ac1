#include "program/Notes.h"

#include <map>
#include <memory>
#include <string_view>

#include "program/data/AccessibleTexts.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "program/Groups.h"
#include "values/Blocks.h"
#include "values/Gbk.h"

namespace {

// The reasons now standing, by box.
std::map<uint32_t, std::string>& Reasons()
{
    static std::map<uint32_t, std::string> reasons;
    return reasons;
}

// How each result box got its text.
std::map<uint32_t, std::string>& Workings()
{
    static std::map<uint32_t, std::string> workings;
    return workings;
}

// What a box takes, as its accessible texts say; empty for most boxes.
std::string InputNote(uint32_t unit_id)
{
    const AccessibleText* text = MainWindowAccessibleText(unit_id);
    return text != nullptr && text->description != nullptr ? text->description : std::string();
}

// The box's text, lines ending in LF.
std::string BoxText(uint32_t unit_id)
{
    const uint64_t value = GetUnitProperty(main_window::kWindow, unit_id, main_window::kBoxText, -1);
    std::unique_ptr<char, void (*)(char*)> text(reinterpret_cast<char*>(uintptr_t(value)),
                                                [](char* block) { FreeBlock(block); });
    std::string utf8 = text != nullptr ? GbkToUtf8(text.get()) : std::string();
    std::erase(utf8, '\r');
    return utf8;
}

// The bytes of the text's first characters, up to about `wanted` bytes, cut before a
// character's continuation bytes.
size_t PrefixBytes(std::string_view line, size_t wanted)
{
    if (wanted >= line.size())
        return line.size();
    while (wanted > 0 && (static_cast<unsigned char>(line[wanted]) & 0xC0) == 0x80)
        --wanted;
    return wanted;
}

// Whether a line is wider than the room, measuring only as much of it as that takes: a prefix
// twice as long each time, so a line of megabytes costs about what the box shows of it.
bool LineWiderThan(uint32_t unit_id, std::string_view line, int room, const NoteMeasure& measure)
{
    for (size_t wanted = 64;; wanted *= 2) {
        const size_t bytes = PrefixBytes(line, wanted);
        if (measure.line_width(unit_id, std::string(line.substr(0, bytes))) > room)
            return true;
        if (bytes == line.size())
            return false;
    }
}

// A hover text holds at most this much of a box's text: the whole of it is in the box, and a
// note of megabytes takes a toolkit minutes to lay out.
constexpr size_t kMostShownBytes = 65536;

// The text shortened in the middle to the most a note shows, cut between characters.
std::string ShortenedInTheMiddle(const std::string& text)
{
    if (text.size() <= kMostShownBytes)
        return text;
    static constexpr std::string_view kEllipsis = " … ";
    const size_t half = (kMostShownBytes - kEllipsis.size()) / 2;
    size_t tail = text.size() - half;
    while (tail < text.size() && (static_cast<unsigned char>(text[tail]) & 0xC0) == 0x80)
        ++tail;
    return text.substr(0, PrefixBytes(text, half)) + std::string(kEllipsis) + text.substr(tail);
}

bool WiderThanBox(uint32_t unit_id, const std::string& text, const NoteMeasure& measure)
{
    const int room = measure.room(unit_id);
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        if (LineWiderThan(unit_id, std::string_view(text).substr(start, end - start), room, measure))
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

bool HasNotes(uint32_t unit_id) { return GroupOfBox(unit_id).has_value(); }

namespace {
NoteMeasure g_measure;
}  // namespace

void SetNoteMeasure(const NoteMeasure& measure) { g_measure = measure; }

std::string NoteHoverText(uint32_t unit_id)
{
    if (g_measure.line_width == nullptr || g_measure.room == nullptr)
        return NoteDescription(unit_id);
    return NoteHoverText(unit_id, g_measure);
}

bool SetNoteReason(uint32_t unit_id, const char* gbk)
{
    if (!HasNotes(unit_id))
        return false;
    const std::string reason = gbk != nullptr ? GbkToUtf8(gbk) : std::string();
    if (reason.empty())
        Reasons().erase(unit_id);
    else
        Reasons()[unit_id] = reason;
    return !reason.empty();
}

void SetNoteWorking(uint32_t unit_id, std::string utf8)
{
    if (utf8.empty() || !HasNotes(unit_id))
        Workings().erase(unit_id);
    else
        Workings()[unit_id] = std::move(utf8);
}

std::string NoteDescription(uint32_t unit_id)
{
    if (const auto reason = Reasons().find(unit_id); reason != Reasons().end())
        return reason->second;
    if (const auto working = Workings().find(unit_id); working != Workings().end())
        return working->second;
    return InputNote(unit_id);
}

std::string NoteHoverText(uint32_t unit_id, const NoteMeasure& measure)
{
    std::string note = NoteDescription(unit_id);
    const std::string text = BoxText(unit_id);
    // A working that holds the whole value already says it.
    if (!text.empty() && note.find(text) == std::string::npos && WiderThanBox(unit_id, text, measure)) {
        const std::string shown = ShortenedInTheMiddle(text);
        note = note.empty() ? shown : note + '\n' + shown;
    }
    return note;
}

std::string NoteOnKeyboardFocus(uint32_t unit_id)
{
    const std::optional<BoxInGroup> box = GroupOfBox(unit_id);
    if (!box || box->is_input)
        return {};
    // What hovering shows, so that a value the box cuts shows whole; without a reason or a
    // working the rest is only what the box takes.
    const std::string hover = NoteHoverText(unit_id);
    if (Reasons().contains(unit_id) || Workings().contains(unit_id))
        return hover;
    return hover != InputNote(unit_id) ? hover : std::string();
}

std::vector<uint32_t> UserChangedBox(uint32_t unit_id)
{
    std::vector<uint32_t> gone;
    const std::optional<BoxInGroup> changed = GroupOfBox(unit_id);
    if (!changed || !changed->is_input)
        return gone;
    changed->group->ForEachBox([&](uint32_t box, bool) {
        if (Reasons().erase(box) + Workings().erase(box) != 0)
            gone.push_back(box);
    });
    return gone;
}
