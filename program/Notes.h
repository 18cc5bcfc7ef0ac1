#pragma once
// The notes at the main window's boxes, the same on every face: why a result box shows what it
// shows (the reason a procedure sends through the service table), the whole text of a box too
// wide for it, and what an input box takes. A reason shows at once (for as long as the frame keeps
// notes), again on hover, and is the box's accessible description; it goes when the user changes an input of
// the box's group. Every edit box of a group has notes, single- or multi-line.
//   SetNoteReason(编辑框11, "除以 0 或过小的数")  -> shown at once; Description(编辑框11) is the reason
//   NoteHoverText(编辑框12) with an empty box      -> "角度，以度为单位；也可以写算式，例如 30+15"
//   NoteHoverText(编辑框2) holding a wide result   -> "角度，以度为单位\n30.00000000086"
//   UserChangedBox(编辑框9)                        -> the reasons of 编辑框1, 9 and 2 go
// Texts are UTF-8 here; the service's reasons arrive as GBK.
#include <cstdint>
#include <string>
#include <vector>

// How a face measures a box's text, in its own pixels.
struct NoteMeasure {
    // The width one line of text takes in the box's font.
    int (*line_width)(uint32_t unit_id, const std::string& utf8) = nullptr;
    // The width a line has in the box.
    int (*room)(uint32_t unit_id) = nullptr;
};

// How the face measures, set once before the window loads; the notes' hover texts use it.
void SetNoteMeasure(const NoteMeasure& measure);

// Whether the unit is a box that has notes.
bool HasNotes(uint32_t unit_id);

// The service: a reason (GBK) at a box; null or empty takes it away. True when a reason now
// stands, to be shown at once.
bool SetNoteReason(uint32_t unit_id, const char* gbk);

// How a result box got its text (UTF-8), as the procedure that wrote it says; empty takes it
// away. It stands until the box is written again or an input of its group changes.
void SetNoteWorking(uint32_t unit_id, std::string utf8);

// The box's standing reason, else its working, else what it takes; empty for none. Its
// accessible description.
std::string NoteDescription(uint32_t unit_id);

// What hovering the box shows: its description, and the box's whole text on a line after it
// when a line of that text is wider than the box. A line is measured only as far as it takes
// to tell (a prefix of 64 bytes, then twice as long each time), so a box of megabytes costs
// about what it shows; past 64 KB the text is shortened in the middle, the whole in the box.
// Reads the box through the property service, so the window must be loaded.
std::string NoteHoverText(uint32_t unit_id, const NoteMeasure& measure);
// The same with the measure the face set.
std::string NoteHoverText(uint32_t unit_id);

// What a box reached by the keyboard shows at once: a result box's reason or working and its
// whole value when the box cuts it, as hovering shows them; nothing for an input box, whose
// note says only what it takes, nor for a result box with none of these.
std::string NoteOnKeyboardFocus(uint32_t unit_id);

// The user changed a box: when it is an input of a group, the group's reasons go. The boxes
// whose reason went, for the face to take their notes down.
std::vector<uint32_t> UserChangedBox(uint32_t unit_id);
