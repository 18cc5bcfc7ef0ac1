#include "faces/qt/units/EditLine.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPaintEngine>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QTextBlock>
#include <QStyle>
#include <QTimerEvent>
#include <QValidator>

#include <algorithm>
#include <cstdlib>

#include "core/props/EditBoxProps.h"
#include "core/paint/Borders.h"
#include "faces/qt/units/PaintReplay.h"

namespace {

constexpr int kNoTextLimit = 0x7FFFFFFE;  // what a limit of 0 means: the system's maximum
constexpr const char* kPasswordProperty = "anglarixPasswordChar";

// QLineEdit's caret rectangle pads the caret by this many pixels on the left.
constexpr int kCaretPadLeft = 5;

// Holds back the blink of QLineEdit's own caret while its text is long: a password box draws
// its whole line for each blink, which for megabytes keeps a core busy, and the long-line view
// draws a steady caret. The caret's timer is
// its line control's, the one child object that receives timer events; a key press or the
// focus coming back shows the caret again.
class SteadyCaret : public QObject {
public:
    explicit SteadyCaret(QLineEdit* line) : QObject(line), m_line(line)
    {
        for (QObject* child : line->children()) {
            if (child->inherits("QWidgetLineControl"))
                child->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::Timer && LongLineView::Wanted(m_line->text().size());
    }

private:
    QLineEdit* m_line;
};

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

}  // namespace

EditLine::EditLine(QWidget* parent, UnitIds ids, int32_t case_conversion) : RaisesFocusEvents(parent, ids)
{
    setFrame(false);
    setStyle(SharedPasswordStyle());
    new SteadyCaret(this);
    if (CaseConversion(case_conversion) != CaseConversion::None)
        setValidator(new CaseValidator(case_conversion, this));
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!m_undoing)
            m_redo_steps = 0;
        ShowFor(text().size());
        update();
        if (!m_writing_content)
            RaiseUnitEvent(Ids(), kEventChange);
    });
}

void EditLine::SetBorder(int32_t border)
{
    m_border = border;
    const int w = paint::BorderWidth(border);
    setTextMargins(w, w, w, w);
    update();
}

void EditLine::SetMaxLength(int32_t max_length) { setMaxLength(max_length > 0 ? max_length : kNoTextLimit); }

void EditLine::ShowFor(qsizetype length)
{
    const QLineEdit::EchoMode mode = m_echo == QLineEdit::Normal && LongLineView::Wanted(length)
                                         ? QLineEdit::NoEcho
                                         : m_echo;
    if (echoMode() != mode)
        setEchoMode(mode);
}

// In its no-echo mode QLineEdit redoes nothing and undoes only by clearing the line, so a long
// line goes back to the normal mode for an undo or a redo, at the cost of laying it out once.
// QLineEdit says no redo is left in that mode, so the steps left are counted here.
void EditLine::UndoOrRedo(bool redo)
{
    if (isReadOnly() || (redo ? m_redo_steps == 0 : !isUndoAvailable()))
        return;
    m_redo_steps += redo ? -1 : 1;
    m_undoing = true;
    setEchoMode(m_echo);
    if (redo)
        this->redo();
    else
        undo();
    ShowFor(text().size());
    m_undoing = false;
}

void EditLine::CopySelection() const
{
    if (m_echo == QLineEdit::Normal)
        m_long.Copy();
}

void EditLine::SetInitialContent(const QString& text)
{
    ShowFor(text.size());
    blockSignals(true);
    setText(text);
    blockSignals(false);
}

void EditLine::SetContent(const QString& text)
{
    m_writing_content = true;
    ShowFor(text.size());
    setText(text);
    setCursorPosition(0);  // a written text shows from its start
    m_writing_content = false;
}

void EditLine::Insert(const QString& text)
{
    if (!EditWithoutUndo(text, false))
        insert(text);
}

bool EditLine::EditWithoutUndo(const QString& inserted, bool by_user)
{
    const int removed = selectionLength();
    if (isReadOnly() || inserted.size() + removed <= kUndoableEdit)
        return false;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    QString edited = text();
    // As QLineEdit inserts: what goes past the limit is left out of the inserted text.
    const QString fitting = inserted.left(std::max<qsizetype>(maxLength() - (edited.size() - removed), 0));
    edited.replace(start, removed, fitting);
    ShowFor(edited.size());
    setText(edited);  // a new text, with a new undo history
    setCursorPosition(start + int(fitting.size()));
    if (by_user)
        emit textEdited(text());
    return true;
}

void EditLine::keyPressEvent(QKeyEvent* event)
{
    bool done = false;
    if (event == QKeySequence::Paste) {
        done = EditWithoutUndo(QApplication::clipboard()->text(), true);
    } else if (event == QKeySequence::Cut && m_echo == QLineEdit::Normal && selectionLength() > kUndoableEdit) {
        CopySelection();
        done = EditWithoutUndo({}, true);
    } else if (hasSelectedText() && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)) {
        done = EditWithoutUndo({}, true);
    } else if (hasSelectedText() && !event->text().isEmpty() && event->text().front().isPrint()) {
        done = EditWithoutUndo(event->text(), true);
    }
    if (!done && (event == QKeySequence::Undo || event == QKeySequence::Redo)) {
        UndoOrRedo(event == QKeySequence::Redo);
        done = true;
    }
    if (!done && Long())
        done = m_long.KeyPress(event);
    if (done)
        event->accept();
    else
        RaisesFocusEvents::keyPressEvent(event);
}

void EditLine::mousePressEvent(QMouseEvent* event)
{
    if (!Long() || !m_long.MousePress(event))
        RaisesFocusEvents::mousePressEvent(event);
}

void EditLine::mouseMoveEvent(QMouseEvent* event)
{
    if (!Long() || !m_long.MouseMove(event))
        RaisesFocusEvents::mouseMoveEvent(event);
}

void EditLine::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!Long() || !m_long.MouseDoubleClick(event))
        RaisesFocusEvents::mouseDoubleClickEvent(event);
}

// X11's middle button pastes the primary selection at the pointer.
void EditLine::mouseReleaseEvent(QMouseEvent* event)
{
    QClipboard* clipboard = QApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        const QString pasted = clipboard->text(QClipboard::Selection);
        if (pasted.size() > kUndoableEdit) {
            deselect();
            setCursorPosition(PositionAt(event->position().toPoint()));
            EditWithoutUndo(pasted, true);
            event->accept();
            return;
        }
    }
    if (Long() && event->button() == Qt::LeftButton) {
        m_long.MouseRelease();
        if (clipboard->supportsSelection() && hasSelectedText())
            clipboard->setText(selectedText(), QClipboard::Selection);
        event->accept();
        return;
    }
    RaisesFocusEvents::mouseReleaseEvent(event);
}

QVariant EditLine::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (Long() && (query == Qt::ImCursorRectangle || query == Qt::ImAnchorRectangle))
        return m_long.CaretRect();
    return QLineEdit::inputMethodQuery(query);
}

// The menu's Paste, Cut and Delete make a large edit as the keys do; Undo, Copy and Cut work
// on a long line, which QLineEdit's own entries do not in its no-echo mode.
void EditLine::contextMenuEvent(QContextMenuEvent* event)
{
    enum class Edit { Undo, Redo, Cut, Copy, Paste, Delete };
    // Found by the words Qt gives them, without their shortcut.
    struct Entry {
        const char* words;
        Edit edit;
    };
    static constexpr Entry kEntries[] = {
        {"&Undo", Edit::Undo}, {"&Redo", Edit::Redo},   {"Cu&t", Edit::Cut},
        {"&Copy", Edit::Copy}, {"&Paste", Edit::Paste}, {"Delete", Edit::Delete},
    };
    QMenu* menu = createStandardContextMenu();
    if (menu == nullptr)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        for (const Entry& entry : kEntries) {
            if (action->text().section(QLatin1Char('\t'), 0, 0) != QLineEdit::tr(entry.words))
                continue;
            if (entry.edit == Edit::Redo)
                action->setEnabled(m_redo_steps > 0 && !isReadOnly());
            if (entry.edit == Edit::Copy || entry.edit == Edit::Cut)
                action->setEnabled(hasSelectedText() && m_echo == QLineEdit::Normal &&
                                   (entry.edit == Edit::Copy || !isReadOnly()));
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this, edit = entry.edit] {
                switch (edit) {
                case Edit::Undo: UndoOrRedo(false); return;
                case Edit::Redo: UndoOrRedo(true); return;
                case Edit::Copy: CopySelection(); return;
                case Edit::Cut: CopySelection(); [[fallthrough]];
                case Edit::Delete:
                    if (!EditWithoutUndo({}, true))
                        del();
                    return;
                case Edit::Paste:
                    if (!EditWithoutUndo(QApplication::clipboard()->text(), true))
                        paste();
                    return;
                }
            });
        }
    }
    menu->popup(event->globalPos());
}

void EditLine::SetInputMode(bool read_only, QChar password)
{
    setReadOnly(read_only);
    if (!read_only)
        m_caret_blink.stop();
    else if (hasFocus() && QApplication::cursorFlashTime() > 0)
        m_caret_blink.start(QApplication::cursorFlashTime() / 2, this);
    if (!password.isNull()) {
        // QLineEdit asks the style for the character only when told the style changed.
        setProperty(kPasswordProperty, int(password.unicode()));
        QEvent style_change(QEvent::StyleChange);
        QApplication::sendEvent(this, &style_change);
    }
    m_echo = password.isNull() ? QLineEdit::Normal : QLineEdit::Password;
    ShowFor(text().size());
    update();
}

void EditLine::paintEvent(QPaintEvent* event)
{
    if (Long()) {
        QPainter painter(this);
        m_long.Paint(painter, hasFocus() && (!isReadOnly() || m_caret_shown));
        DrawBorder(painter, rect(), m_border);
        return;
    }
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    PaintReadOnlyCaret(painter);
    DrawBorder(painter, rect(), m_border);
}

QRect EditLine::CharacterRect(int offset)
{
    const QString shown = text();
    if (offset < 0 || offset >= shown.size())
        return {};
    if (Long())
        return m_long.CharacterRect(offset);
    // Measured from the caret, whose place QLineEdit gives with its scroll.
    const QFontMetricsF metrics(font());
    const QRect caret = cursorRect();
    const qreal x = caret.left() + kCaretPadLeft + metrics.horizontalAdvance(shown.left(offset)) -
                    metrics.horizontalAdvance(shown.left(cursorPosition()));
    return QRectF(x, caret.top(), metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height())
        .toAlignedRect();
}

// QLineEdit draws no caret in a read-only box, so Tab into an empty result box would show
// nothing; it gets the same blinking caret as the boxes one types into.
void EditLine::PaintReadOnlyCaret(QPainter& painter)
{
    if (!isReadOnly() || !hasFocus() || !m_caret_shown)
        return;
    // Drawn as QLineEdit draws its own: from the line's top, as tall as the font, inverting
    // what is under it.
    const QRect padded = cursorRect();
    const QFontMetricsF metrics(font());
    const int width = std::max(style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this), 1);
    painter.save();
    if (painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(QRectF(padded.left() + kCaretPadLeft, padded.top(), width,
                            metrics.ascent() + metrics.descent()),
                     palette().color(QPalette::Text));
    painter.restore();
}

void EditLine::focusInEvent(QFocusEvent* event)
{
    RaisesFocusEvents::focusInEvent(event);
    m_caret_shown = true;
    const int flash = QApplication::cursorFlashTime();
    if (isReadOnly() && flash > 0)
        m_caret_blink.start(flash / 2, this);
    update();
}

void EditLine::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_caret_blink.timerId()) {
        RaisesFocusEvents::timerEvent(event);
        return;
    }
    if (m_caret_shown && LongLineView::Wanted(text().size()))
        return;
    m_caret_shown = !m_caret_shown;
    update(cursorRect());
}

// QLineEdit drops the selection when the focus leaves; a box that shows its selection
// without the focus puts it back.
void EditLine::focusOutEvent(QFocusEvent* event)
{
    m_caret_blink.stop();
    m_kept_start = selectionStart();
    m_kept_length = selectionLength();
    RaisesFocusEvents::focusOutEvent(event);
}

void EditLine::AfterFocusOut()
{
    if (!m_hide_selection && m_kept_start >= 0 && m_kept_length > 0)
        setSelection(m_kept_start, m_kept_length);
}
