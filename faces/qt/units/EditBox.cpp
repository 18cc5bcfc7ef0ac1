#include "faces/qt/units/EditBox.h"

#include <QKeyEvent>
#include <QTextOption>

#include "faces/qt/units/BuiltInKinds.h"
#include "faces/qt/units/Colours.h"
#include "faces/qt/units/EditArea.h"
#include "faces/qt/units/EditControls.h"
#include "faces/qt/units/EditLine.h"
#include "faces/qt/units/GbkText.h"
#include "faces/qt/units/GuiFont.h"

namespace {

QString TextOf(const PropertyValue& value)
{
    if (!value.data || value.size == 0)
        return {};
    return FromGbk(std::string_view(static_cast<const char*>(value.data), value.size));
}

// A multi-line box with the box's scroll bars, wrapping and alignment.
EditArea* NewArea(const CreateArgs& args, UnitIds ids, const EditBoxProps& props)
{
    auto* area = new EditArea(WidgetOf(args.parent), ids, props.case_conversion);
    const auto bars = ScrollBars(props.scroll_bars);
    const bool horizontal = bars == ScrollBars::Horizontal || bars == ScrollBars::Both;
    const bool vertical = bars == ScrollBars::Vertical || bars == ScrollBars::Both;
    area->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    QTextOption option = area->document()->defaultTextOption();
    option.setAlignment(QtHorizontalAlignment(props.alignment));
    area->document()->setDefaultTextOption(option);
    return area;
}

EditLine* NewLine(const CreateArgs& args, UnitIds ids, const EditBoxProps& props)
{
    auto* line = new EditLine(WidgetOf(args.parent), ids, props.case_conversion);
    line->setAlignment(Qt::AlignVCenter | QtHorizontalAlignment(props.alignment));
    return line;
}

}  // namespace

QChar PasswordCharacter(const uint8_t (&stored)[2])
{
    if (stored[0] == 0)
        return QChar();
    return stored[0] < 0x80 ? QChar(stored[0]) : QChar(u'*');
}

EditBoxUnit* EditBoxUnit::Create(const CreateArgs& args)
{
    std::optional<EditBoxProps> read = ReadProps<EditBoxProps>(args.property_data);
    if (!read)
        return nullptr;
    auto* unit = new EditBoxUnit(args, std::move(*read));
    const EditBoxProps& props = unit->m_props;
    EditLine* line = nullptr;
    if (props.multi_line)
        unit->m_control = NewArea(args, unit->Ids(), props);
    else
        unit->m_control = line = NewLine(args, unit->Ids(), props);
    unit->m_control->SetInitialContent(FromGbk(props.content));
    unit->Adopt(unit->m_control->Widget(), args, true);
    for (int32_t own : {EditBoxOwn::Border, EditBoxOwn::Background, EditBoxOwn::Font,
                        EditBoxOwn::HideSelection, EditBoxOwn::MaxLength, EditBoxOwn::InputMode})
        unit->Apply(own);
    if (line != nullptr)
        line->setCursorPosition(0);  // after the text limit, which moves the caret to the end
    return unit;
}

QString EditBoxUnit::Text() const
{
    if (EditControl* control = Control())
        return control->Text();
    return FromGbk(m_props.content);
}

void EditBoxUnit::RefreshContent()
{
    EditControl* control = Control();
    if (control != nullptr && !control->WritingContent())
        m_props.content = ToGbk(control->Text());
}

int EditBoxUnit::GetOwn(int32_t own, PropertyValue* result)
{
    if (own == EditBoxOwn::Content)
        RefreshContent();
    if (own == EditBoxOwn::Selection) {
        EditControl* control = Control();
        m_selection = ToGbk(control != nullptr ? control->SelectedText() : QString());
        *result = PropertyValue{};
        result->data = m_selection.data();
        result->size = static_cast<uint32_t>(m_selection.size());
        return 1;
    }
    return UnitBase::GetOwn(own, result);
}

int EditBoxUnit::SetOwn(int32_t own, const PropertyValue& value)
{
    EditControl* control = Control();
    if (own == EditBoxOwn::Selection) {
        if (control != nullptr)
            control->Insert(TextOf(value));
        return 0;
    }
    const SetOutcome outcome = SetOwnProperty(m_props, own, value);
    if (outcome.rebuild)
        return 1;
    if (own == EditBoxOwn::Content) {
        // Written even when unchanged; the runtime raises the one change event after it.
        if (control != nullptr)
            control->SetContent(FromGbk(m_props.content));
        return 0;
    }
    if (outcome.changed)
        Apply(own);
    return 0;
}

std::vector<uint8_t> EditBoxUnit::Save()
{
    RefreshContent();
    return UnitBase::Save();
}

bool EditBoxUnit::WantsKey(int key) const { return m_props.multi_line != 0 && key == kKeyEnter; }

void EditBoxUnit::ApplyColours()
{
    QWidget* widget = Widget();
    QPalette palette = widget->palette();
    const QColor background = ColourFromWin(m_props.background);
    const QColor text = ColourFromWin(m_props.text_colour);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Active, QPalette::Text, text);
    palette.setColor(QPalette::Inactive, QPalette::Text, text);
    widget->setPalette(palette);
}

void EditBoxUnit::Apply(int32_t own)
{
    EditControl* control = Control();
    if (control == nullptr)
        return;
    switch (own) {
    case EditBoxOwn::Border: control->SetBorder(m_props.border); break;
    case EditBoxOwn::TextColour:
    case EditBoxOwn::Background: ApplyColours(); break;
    case EditBoxOwn::Font: Widget()->setFont(FontFromLogFont(m_props.font)); break;
    case EditBoxOwn::HideSelection: control->SetHideSelection(m_props.hide_selection != 0); break;
    case EditBoxOwn::MaxLength: control->SetMaxLength(m_props.max_length); break;
    case EditBoxOwn::InputMode:
    case EditBoxOwn::PasswordChar: {
        const bool password = m_props.input_mode == int32_t(InputMode::Password);
        control->SetInputMode(m_props.input_mode == int32_t(InputMode::ReadOnly),
                              password ? PasswordCharacter(m_props.password_char) : QChar());
        break;
    }
    default: break;
    }
}

namespace {

int WantsKey(Unit* unit, int key)
{
    auto* box = dynamic_cast<EditBoxUnit*>(unit);
    return box && box->WantsKey(key) ? 1 : 0;
}

}  // namespace

AnyEntry EditBoxInterface(int32_t number)
{
    if (number == kEntryWantsKey)
        return reinterpret_cast<AnyEntry>(static_cast<WantsKeyEntry>(&WantsKey));
    return KindEntries<EditBoxUnit>::Entry(number);
}
