#include "forms/units/EditBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTextBlock>
#include <QValidator>

#include "forms/units/Borders.h"
#include "forms/units/Colours.h"
#include "forms/units/GbkText.h"
#include "forms/units/GuiFont.h"
#include "forms/units/BuiltInKinds.h"

namespace {

constexpr int kNoTextLimit = 0x7FFFFFFE;  // what a limit of 0 means: the system's maximum
constexpr const char* kPasswordProperty = "anglarixPasswordChar";

// The password character comes from a widget property, since Qt takes it from the style.
class PasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter && widget) {
            const QVariant c = widget->property(kPasswordProperty);
            if (c.isValid())
                return c.toInt();
        }
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

QStyle* SharedPasswordStyle()
{
    static QPointer<PasswordStyle> style;
    if (!style) {
        style = new PasswordStyle;
        style->setParent(qApp);
    }
    return style;
}

Qt::Alignment QtHorizontalAlignment(int32_t alignment)
{
    switch (HorizontalAlignment(alignment)) {
    case HorizontalAlignment::Centre: return Qt::AlignHCenter;
    case HorizontalAlignment::Right: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

QString Converted(const QString& text, int32_t conversion)
{
    switch (CaseConversion(conversion)) {
    case CaseConversion::Lower: return text.toLower();
    case CaseConversion::Upper: return text.toUpper();
    default: return text;
    }
}

class CaseValidator : public QValidator {
public:
    CaseValidator(int32_t conversion, QObject* parent) : QValidator(parent), m_case(conversion) {}
    State validate(QString& input, int&) const override
    {
        input = Converted(input, m_case);
        return Acceptable;
    }

private:
    int32_t m_case;
};

QString TextOf(const PropertyValue& value)
{
    if (!value.data || value.size == 0)
        return {};
    return FromGbk(std::string_view(static_cast<const char*>(value.data), value.size));
}

}  // namespace

QChar PasswordCharacter(const uint8_t (&stored)[2])
{
    if (stored[0] == 0)
        return QChar();
    return stored[0] < 0x80 ? QChar(stored[0]) : QChar(u'*');
}

void EditBoxBehaviour::OnTextChanged()
{
    if (!m_setting)
        RaiseUnitEvent(m_ids, kEventChange);
}

EditLine::EditLine(QWidget* parent, UnitIds ids) : QLineEdit(parent), EditBoxBehaviour(ids)
{
    setFrame(false);
    setStyle(SharedPasswordStyle());
    connect(this, &QLineEdit::textChanged, this, [this] { OnTextChanged(); });
}

void EditLine::SetBorder(int32_t border)
{
    m_border = border;
    const int w = BorderWidth(border);
    setTextMargins(w, w, w, w);
    update();
}

void EditLine::SetContent(const QString& text)
{
    m_setting = true;
    setText(text);
    setCursorPosition(0);  // a written text shows from its start
    m_setting = false;
    RaiseUnitEvent(m_ids, kEventChange);
}

void EditLine::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    DrawBorder(painter, rect(), m_border);
}

void EditLine::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    RaiseUnitEvent(m_ids, kEventFocusIn);
}

void EditLine::focusOutEvent(QFocusEvent* event)
{
    // QLineEdit drops the selection when the focus leaves; a box that shows its selection
    // without the focus puts it back.
    const int start = selectionStart();
    const int length = selectionLength();
    QLineEdit::focusOutEvent(event);
    if (!m_hide_selection && start >= 0 && length > 0)
        setSelection(start, length);
    RaiseUnitEvent(m_ids, kEventFocusOut);
}

EditArea::EditArea(QWidget* parent, UnitIds ids) : QPlainTextEdit(parent), EditBoxBehaviour(ids)
{
    setFrameShape(QFrame::NoFrame);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { OnAreaChanged(); });
}

void EditArea::SetBorder(int32_t border)
{
    m_border = border;
    const int w = BorderWidth(border);
    // A plain box frame of the border's width keeps the viewport and the scroll bars inside
    // the border, which is painted over the frame.
    if (w == 0) {
        setFrameStyle(QFrame::NoFrame);
    } else {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(w);
    }
    update();
}

void EditArea::SetContent(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_setting = true;
    setPlainText(plain);
    m_setting = false;
    RaiseUnitEvent(m_ids, kEventChange);
}

void EditArea::OnAreaChanged()
{
    if (m_setting)
        return;
    if (m_max_length > 0 && document()->characterCount() - 1 > m_max_length) {
        m_setting = true;
        QTextCursor cursor(document());
        cursor.setPosition(m_max_length);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        m_setting = false;
    }
    OnTextChanged();
}

bool EditArea::event(QEvent* event)
{
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint) {
        QPainter painter(this);
        DrawBorder(painter, rect(), m_border);
    }
    return handled;
}

void EditArea::keyPressEvent(QKeyEvent* event)
{
    if (m_case != 0 && !event->text().isEmpty()) {
        QKeyEvent converted(event->type(), event->key(), event->modifiers(), Converted(event->text(), m_case),
                            event->isAutoRepeat(), event->count());
        QPlainTextEdit::keyPressEvent(&converted);
        event->setAccepted(converted.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditArea::insertFromMimeData(const QMimeData* source)
{
    if (m_case != 0 && source && source->hasText()) {
        insertPlainText(Converted(source->text(), m_case));
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void EditArea::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    RaiseUnitEvent(m_ids, kEventFocusIn);
}

void EditArea::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    RaiseUnitEvent(m_ids, kEventFocusOut);
}

EditBoxUnit* EditBoxUnit::Create(const CreateArgs& args)
{
    std::optional<EditBoxProps> read = ReadProps<EditBoxProps>(args.property_data);
    if (!read)
        return nullptr;
    auto* unit = new EditBoxUnit(args, std::move(*read));
    const EditBoxProps& props = unit->m_props;
    const QString content = FromGbk(props.content);
    if (props.multi_line) {
        auto* area = new EditArea(args.parent, unit->Ids());
        unit->m_area = area;
        const auto bars = ScrollBars(props.scroll_bars);
        const bool horizontal = bars == ScrollBars::Horizontal || bars == ScrollBars::Both;
        const bool vertical = bars == ScrollBars::Vertical || bars == ScrollBars::Both;
        area->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        area->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        area->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        QTextOption option = area->document()->defaultTextOption();
        option.setAlignment(QtHorizontalAlignment(props.alignment));
        area->document()->setDefaultTextOption(option);
        area->SetCaseConversion(props.case_conversion);
        area->blockSignals(true);
        area->setPlainText(QString(content).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        area->blockSignals(false);
        unit->Adopt(area, args, true);
    } else {
        auto* line = new EditLine(args.parent, unit->Ids());
        unit->m_line = line;
        line->setAlignment(Qt::AlignVCenter | QtHorizontalAlignment(props.alignment));
        if (props.case_conversion != 0)
            line->setValidator(new CaseValidator(props.case_conversion, line));
        line->blockSignals(true);
        line->setText(content);
        line->blockSignals(false);
        unit->Adopt(line, args, true);
    }
    for (int32_t own : {EditBoxOwn::Border, EditBoxOwn::Background, EditBoxOwn::Font, EditBoxOwn::HideSelection, EditBoxOwn::MaxLength, EditBoxOwn::InputMode})
        unit->Apply(own);
    if (unit->m_line)
        unit->m_line->setCursorPosition(0);  // after the text limit, which moves the caret to the end
    return unit;
}

QString EditBoxUnit::Text() const
{
    if (m_line)
        return m_line->text();
    if (m_area)
        return m_area->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return FromGbk(m_props.content);
}

void EditBoxUnit::RefreshContent()
{
    const bool setting = (m_line && m_line->Setting()) || (m_area && m_area->Setting());
    if (!setting && (m_line || m_area))
        m_props.content = ToGbk(Text());
}

int EditBoxUnit::GetOwn(int32_t own, PropertyValue* result)
{
    if (own == EditBoxOwn::Content)
        RefreshContent();
    if (own == EditBoxOwn::Selection) {
        QString selected;
        if (m_line)
            selected = m_line->selectedText();
        else if (m_area)
            selected = m_area->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
        m_selection = ToGbk(selected);
        *result = PropertyValue{};
        result->data = m_selection.data();
        result->size = static_cast<uint32_t>(m_selection.size());
        return 1;
    }
    return UnitBase::GetOwn(own, result);
}

int EditBoxUnit::SetOwn(int32_t own, const PropertyValue& value)
{
    if (own == EditBoxOwn::Selection) {
        // Replaces the selection (or inserts at the caret) as the user would type it.
        if (m_line)
            m_line->insert(TextOf(value));
        else if (m_area)
            m_area->insertPlainText(TextOf(value));
        return 0;
    }
    const SetOutcome outcome = SetOwnProperty(m_props, own, value);
    if (outcome.rebuild)
        return 1;
    if (own == EditBoxOwn::Content) {
        // Written even when unchanged: the write always ends with exactly one event 0.
        const QString text = FromGbk(m_props.content);
        if (m_line)
            m_line->SetContent(text);
        else if (m_area)
            m_area->SetContent(text);
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

bool EditBoxUnit::WantsKey(int key) const
{
    return m_props.multi_line != 0 && (key == Qt::Key_Return || key == Qt::Key_Enter);
}

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

void EditBoxUnit::ApplyInputMode()
{
    const bool read_only = m_props.input_mode == int32_t(InputMode::ReadOnly);
    const QChar password = PasswordCharacter(m_props.password_char);
    if (m_line) {
        m_line->setReadOnly(read_only);
        if (m_props.input_mode == int32_t(InputMode::Password) && !password.isNull()) {
            // QLineEdit asks the style for the character only when told the style changed.
            m_line->setProperty(kPasswordProperty, int(password.unicode()));
            QEvent style_change(QEvent::StyleChange);
            QApplication::sendEvent(m_line, &style_change);
            m_line->setEchoMode(QLineEdit::Password);
        } else {
            m_line->setEchoMode(QLineEdit::Normal);
        }
        m_line->update();
    } else if (m_area) {
        m_area->setReadOnly(read_only);
    }
}

void EditBoxUnit::Apply(int32_t own)
{
    if (!Widget())
        return;
    switch (own) {
    case EditBoxOwn::Border:
        if (m_line)
            m_line->SetBorder(m_props.border);
        else
            m_area->SetBorder(m_props.border);
        break;
    case EditBoxOwn::TextColour:
    case EditBoxOwn::Background:
        ApplyColours();
        break;
    case EditBoxOwn::Font:
        Widget()->setFont(FontFromLogFont(m_props.font));
        break;
    case EditBoxOwn::HideSelection:
        if (m_line)
            m_line->SetHideSelection(m_props.hide_selection != 0);
        break;
    case EditBoxOwn::MaxLength: {
        const int limit = m_props.max_length > 0 ? m_props.max_length : kNoTextLimit;
        if (m_line)
            m_line->setMaxLength(limit);
        else
            m_area->SetMaxLength(m_props.max_length > 0 ? m_props.max_length : 0);
        break;
    }
    case EditBoxOwn::InputMode:
    case EditBoxOwn::PasswordChar:
        ApplyInputMode();
        break;
    default:
        break;
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
