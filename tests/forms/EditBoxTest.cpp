#include "UnitTestSupport.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest/QTest>

#include "core/props/EditBoxProps.h"
#include "faces/qt/units/BuiltInKinds.h"
#include "values/Gbk.h"

namespace {

using namespace unit_test;

constexpr uint32_t kBox = 0x1601013A;

struct Box {
    explicit Box(const EditBoxProps& props = {}, bool empty_data = false)
        : data(empty_data ? std::vector<uint8_t>() : WriteProps(props))
    {
        window.resize(200, 100);
        unit = CreateUnit(EditBoxInterface, data, &window, QRect(10, 10, 112, 21), kBox);
        WidgetOf(unit)->show();
        window.show();
    }
    QLineEdit* Line() const { return qobject_cast<QLineEdit*>(WidgetOf(unit)); }

    std::vector<uint8_t> data;
    QWidget window;
    std::unique_ptr<Unit> unit;
};

TEST(EditBox, EmptyPropertyDataGivesTheDefaults)
{
    Box box({}, true);
    // clang-format off
    const struct { int32_t own; uint32_t value; } defaults[] = {
        {1, 1}, {2, 0x000000}, {3, 0xFFFFFF}, {5, 1}, {6, 0}, {7, 0}, {9, 0}, {10, 0},
    };
    // clang-format on
    for (const auto& d : defaults)
        EXPECT_EQ(GetOwn(EditBoxInterface, box.unit.get(), d.own).low, d.value) << "own " << d.own;
    QLineEdit* line = box.Line();
    ASSERT_TRUE(line);
    EXPECT_EQ(line->maxLength(), 0x7FFFFFFE);
    EXPECT_FALSE(line->isReadOnly());
    EXPECT_EQ(line->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(line->palette().color(QPalette::Text), QColor(Qt::black));
    // The sunken client edge: shadow and dark shadow over white and light.
    QImage image(line->size(), QImage::Format_RGB32);
    line->render(&image);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xA0, 0xA0, 0xA0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0x69, 0x69, 0x69));
    EXPECT_EQ(image.pixel(111, 20), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(image.pixel(110, 19), qRgb(0xE3, 0xE3, 0xE3));
    EXPECT_EQ(image.pixel(56, 10), qRgb(0xFF, 0xFF, 0xFF));
}

// The runtime raises the write's one change event; the control's own change is not one.
TEST(EditBox, AWriteShowsTheTextWithoutAnEventOfItsOwn)
{
    Box box;
    RecordEvents log;
    // clang-format off
    const struct { const char* text; const char* shown; } writes[] = {
        {"12", "12"}, {"12", "12"}, {"角度", "角度"}, {nullptr, ""},
    };
    // clang-format on
    for (const auto& w : writes) {
        SetOwnText(EditBoxInterface, box.unit.get(), 0, w.text ? Utf8ToGbk(w.text) : std::string());
        EXPECT_EQ(box.Line()->text(), QString::fromUtf8(w.shown));
        EXPECT_EQ(GetOwnText(EditBoxInterface, box.unit.get(), 0), Utf8ToGbk(w.shown));
    }
    EXPECT_TRUE(log.events.empty());
}

TEST(EditBox, TypingRaisesOneEventPerChangeAndReadsAsTyped)
{
    Box box;
    RecordEvents log;
    QTest::keyClicks(box.Line(), QStringLiteral("12"));
    EXPECT_EQ(log.Count(kBox, 0), 2);
    EXPECT_EQ(GetOwnText(EditBoxInterface, box.unit.get(), 0), "12");
    QTest::keyClick(box.Line(), Qt::Key_Backspace);
    EXPECT_EQ(log.Count(kBox, 0), 3);
    EXPECT_EQ(GetOwnText(EditBoxInterface, box.unit.get(), 0), "1");
    // The rebuild saves what the user typed, not the text stored at creation.
    const auto saved = reinterpret_cast<SavePropertiesEntry>(EditBoxInterface(kEntrySaveProperties))(
        box.unit.get());
    const std::optional<EditBoxProps> props = ReadProps<EditBoxProps>(saved);
    ASSERT_TRUE(props);
    EXPECT_EQ(props->content, "1");
}

TEST(EditBox, ReadOnlyBoxesRefuseTypingButCopy)
{
    EditBoxProps props;
    props.input_mode = 1;
    props.content = "30.00000000086";
    Box box(props);
    RecordEvents log;
    QTest::keyClicks(box.Line(), QStringLiteral("9"));
    EXPECT_EQ(box.Line()->text(), QStringLiteral("30.00000000086"));
    EXPECT_EQ(log.Count(kBox, 0), 0);
    box.Line()->selectAll();
    box.Line()->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("30.00000000086"));
}

TEST(EditBox, PasswordModeMasksWithItsCharacter)
{
    EditBoxProps props;
    props.input_mode = 2;
    props.password_char[0] = '#';
    props.content = "abc";
    Box box(props);
    EXPECT_EQ(box.Line()->displayText(), QStringLiteral("###"));
    SetOwnText(EditBoxInterface, box.unit.get(), 11, "$");
    EXPECT_EQ(box.Line()->displayText(), QStringLiteral("$$$"));
    SetOwn(EditBoxInterface, box.unit.get(), 10, 0);
    EXPECT_EQ(box.Line()->displayText(), QStringLiteral("abc"));
    SetOwn(EditBoxInterface, box.unit.get(), 10, 1);
    EXPECT_TRUE(box.Line()->isReadOnly());
}

TEST(EditBox, StyleChangesAskForARebuild)
{
    Box box;
    // clang-format off
    const struct { int32_t own; uint32_t value; int rebuild; } cases[] = {
        {13, 1, 1}, {7, 1, 1}, {8, 2, 1}, {9, 2, 1}, {12, 1, 1},
        {9, 2, 0},  // unchanged
        {1, 3, 0}, {2, 0xFF, 0}, {6, 5, 0}, {10, 1, 0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(SetOwn(EditBoxInterface, box.unit.get(), c.own, c.value), c.rebuild) << "own " << c.own;
    EXPECT_EQ(box.Line()->maxLength(), 5);
}

TEST(EditBox, MultiLineBoxKeepsCrLfAndWantsEnter)
{
    EditBoxProps props;
    props.multi_line = 1;
    props.scroll_bars = 2;
    Box box(props);
    auto* area = qobject_cast<QPlainTextEdit*>(WidgetOf(box.unit));
    ASSERT_TRUE(area);
    SetOwnText(EditBoxInterface, box.unit.get(), 0, "a\r\nb");
    EXPECT_EQ(area->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_EQ(GetOwnText(EditBoxInterface, box.unit.get(), 0), "a\r\nb");

    const auto wants = reinterpret_cast<WantsKeyEntry>(EditBoxInterface(kEntryWantsKey));
    EXPECT_EQ(wants(box.unit.get(), kKeyEnter), 1);
    EXPECT_EQ(wants(box.unit.get(), kKeyTab), 0);
    Box single;
    EXPECT_EQ(wants(single.unit.get(), kKeyEnter), 0);
}

TEST(EditBox, FocusRaisesGainedAndLost)
{
    QWidget window;
    window.resize(200, 100);
    const std::vector<uint8_t> data;
    auto first = CreateUnit(EditBoxInterface, data, &window, QRect(0, 0, 80, 21), 0x16010001);
    auto second = CreateUnit(EditBoxInterface, data, &window, QRect(0, 30, 80, 21), 0x16010002);
    WidgetOf(first)->show();
    WidgetOf(second)->show();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    RecordEvents log;
    WidgetOf(first)->setFocus();
    WidgetOf(second)->setFocus();
    ASSERT_EQ(log.events.size(), 3u);
    EXPECT_EQ(log.events[0].unit_id, 0x16010001u);
    EXPECT_EQ(log.events[0].event, -7);
    EXPECT_EQ(log.events[1].unit_id, 0x16010001u);
    EXPECT_EQ(log.events[1].event, -8);
    EXPECT_EQ(log.events[2].unit_id, 0x16010002u);
    EXPECT_EQ(log.events[2].event, -7);
}

// Whether the box's selection highlight colour shows anywhere in it.
bool ShowsHighlight(QWidget* widget)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb active = widget->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    const QRgb inactive = widget->palette().color(QPalette::Inactive, QPalette::Highlight).rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == active || image.pixel(x, y) == inactive)
                return true;
    return false;
}

// A box that hides its selection shows none once another box has the focus, single- or
// multi-line; one that does not keeps it, highlighted.
TEST(EditBox, HideSelectionLetsTheSelectionGoWithTheFocus)
{
    // clang-format off
    const struct { int32_t multi_line, hide; bool kept; } cases[] = {
        {0, 1, false}, {1, 1, false}, {0, 0, true}, {1, 0, true},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "multi-line " << c.multi_line << ", hide " << c.hide);
        EditBoxProps props;
        props.multi_line = c.multi_line;
        props.hide_selection = c.hide;
        props.content = "sin(30)";
        const std::vector<uint8_t> data = WriteProps(props);
        const std::vector<uint8_t> other_data;
        QWidget window;
        window.resize(200, 100);
        auto box = CreateUnit(EditBoxInterface, data, &window, QRect(0, 0, 112, 42), kBox);
        auto other = CreateUnit(EditBoxInterface, other_data, &window, QRect(0, 50, 112, 21), 0x16010002);
        WidgetOf(box)->show();
        WidgetOf(other)->show();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

        WidgetOf(box)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(WidgetOf(box), Qt::Key_A, Qt::ControlModifier);
        ASSERT_EQ(GetOwnText(EditBoxInterface, box.get(), EditBoxOwn::Selection), "sin(30)");
        ASSERT_TRUE(ShowsHighlight(WidgetOf(box)));

        WidgetOf(other)->setFocus(Qt::MouseFocusReason);
        ASSERT_FALSE(WidgetOf(box)->hasFocus());
        EXPECT_EQ(GetOwnText(EditBoxInterface, box.get(), EditBoxOwn::Selection), c.kept ? "sin(30)" : "");
        EXPECT_EQ(ShowsHighlight(WidgetOf(box)), c.kept);
    }
}

// Tab into a read-only result box shows the same caret as in a box one types into, and
// nothing once the focus has gone.
TEST(EditBox, AFocusedReadOnlyBoxShowsACaret)
{
    for (const char* content : {"", "0.5"}) {
        SCOPED_TRACE(content);
        auto grab = [&](int32_t input_mode, bool focused) {
            EditBoxProps props;
            props.input_mode = input_mode;
            props.content = content;
            Box box(props);
            box.window.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&box.window));
            if (focused)
                box.Line()->setFocus(Qt::OtherFocusReason);  // a Tab would select the text
            else
                box.Line()->clearFocus();
            EXPECT_EQ(box.Line()->hasFocus(), focused);
            return box.Line()->grab().toImage();
        };
        const QImage read_only = grab(int32_t(InputMode::ReadOnly), true);
        EXPECT_EQ(read_only, grab(int32_t(InputMode::Normal), true));
        EXPECT_NE(read_only, grab(int32_t(InputMode::ReadOnly), false));
    }
}

// An edit of megabytes is not kept for undo, so that clearing the box returns its memory; a
// small one still is. Either way the text is the user's edit and raises its one event.
TEST(EditBox, ALargeEditIsNotKeptForUndo)
{
    const QString large(70000, QLatin1Char('7'));
    const struct {
        bool multi_line;
        QString pasted;
        bool undoable;
    } pastes[] = {{false, QStringLiteral("12"), true}, {false, large, false}, {true, large, false}};
    for (const auto& p : pastes) {
        SCOPED_TRACE(p.pasted.size());
        EditBoxProps props;
        props.multi_line = p.multi_line;
        Box box(props);
        RecordEvents log;
        QWidget* widget = WidgetOf(box.unit);
        auto undoable = [&] {
            auto* area = qobject_cast<QPlainTextEdit*>(widget);
            return area != nullptr ? area->document()->isUndoAvailable() : box.Line()->isUndoAvailable();
        };
        QApplication::clipboard()->setText(p.pasted);
        QTest::keySequence(widget, QKeySequence::Paste);
        EXPECT_EQ(GetOwnText(EditBoxInterface, box.unit.get(), 0).size(), size_t(p.pasted.size()));
        EXPECT_EQ(log.Count(kBox, 0), 1);
        EXPECT_EQ(undoable(), p.undoable);
        QTest::keySequence(widget, QKeySequence::SelectAll);
        QTest::keyClick(widget, Qt::Key_Delete);
        EXPECT_EQ(GetOwnText(EditBoxInterface, box.unit.get(), 0), "");
        EXPECT_EQ(undoable(), p.undoable) << "cleared";
    }
    // What goes past the limit is left out of the paste, as for a small one.
    EditBoxProps limited;
    limited.max_length = 70002;
    limited.content = "ab";
    Box box(limited);
    box.Line()->setCursorPosition(1);
    QApplication::clipboard()->setText(large + large);
    QTest::keySequence(box.Line(), QKeySequence::Paste);
    EXPECT_EQ(box.Line()->text(), QLatin1Char('a') + large + QLatin1Char('b'));
    EXPECT_EQ(box.Line()->cursorPosition(), 70001);

    // The menu's Paste goes the same way.
    box.Line()->clear();
    QApplication::clipboard()->setText(large);
    QContextMenuEvent menu_event(QContextMenuEvent::Mouse, QPoint(2, 2), box.Line()->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box.Line(), &menu_event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLatin1String("&Paste")))
            action->trigger();
    }
    menu->close();
    EXPECT_EQ(box.Line()->text(), large);
    EXPECT_FALSE(box.Line()->isUndoAvailable());
    QApplication::clipboard()->clear();
}

// Past 16,384 characters the box lays out only what is in sight, and answers the keys QLineEdit
// answers through its layout itself: each row of keys, from the end of the text, must edit
// the tail of a long text as QLineEdit edits the same text alone.
TEST(EditBox, ALongLineEditsAsAShortOne)
{
    const QString tail = QStringLiteral("12 sin(30)+4");
    const QString head = QString(20000, QLatin1Char('7')) + QLatin1Char(' ');
    const auto ctrl = Qt::ControlModifier;
    const auto shift = Qt::ShiftModifier;
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    };
    // clang-format off
    const std::vector<std::vector<Key>> rows = {
        {{Qt::Key_Left}, {Qt::Key_Left}, {Qt::Key_Backspace}},
        {{Qt::Key_Left}, {Qt::Key_Left}, {Qt::Key_Delete}},
        {{Qt::Key_Left, shift}, {Qt::Key_Left, shift}, {Qt::Key_Left, shift}, {Qt::Key_Delete}},
        {{Qt::Key_Left, shift}, {Qt::Key_Left, shift}, {Qt::Key_Right}, {Qt::Key_Backspace}},
        {{Qt::Key_Left, shift}, {Qt::Key_Left, shift}, {Qt::Key_Left}, {Qt::Key_Backspace}},
        {{Qt::Key_Left, ctrl}, {Qt::Key_Left, ctrl}, {Qt::Key_Backspace}},
        {{Qt::Key_Left, ctrl | shift}, {Qt::Key_Left, ctrl | shift}, {Qt::Key_Left, ctrl | shift}, {Qt::Key_C, ctrl}},
        {{Qt::Key_Left, ctrl}, {Qt::Key_Left, ctrl}, {Qt::Key_Left, ctrl}, {Qt::Key_Right, ctrl}, {Qt::Key_Delete}},
        {{Qt::Key_Backspace, ctrl}, {Qt::Key_Backspace, ctrl}},
        {{Qt::Key_Left}, {Qt::Key_Left}, {Qt::Key_Left}, {Qt::Key_Left}, {Qt::Key_Delete, ctrl}},
        {{Qt::Key_Left, shift}, {Qt::Key_Left, shift}, {Qt::Key_Left, shift}, {Qt::Key_X, ctrl}},
        {{Qt::Key_Left}, {Qt::Key_8}, {Qt::Key_Z, ctrl}, {Qt::Key_Left}, {Qt::Key_9}},
        {{Qt::Key_Left}, {Qt::Key_8}, {Qt::Key_9}, {Qt::Key_Z, ctrl}, {Qt::Key_Z, ctrl | shift}},
    };
    // clang-format on
    struct Outcome {
        QString tail;
        int from_end;
        QString selected;
        QString copied;
    };
    auto edit = [&](const QString& text, const std::vector<Key>& keys) {
        Box box;
        QLineEdit* line = box.Line();
        line->setText(text);
        QApplication::clipboard()->clear();
        for (const Key& key : keys)
            QTest::keyClick(line, key.key, key.modifiers);
        const QString edited = line->text();
        EXPECT_TRUE(edited.startsWith(text.chopped(tail.size())));
        return Outcome{edited.mid(text.size() - tail.size()), int(edited.size()) - line->cursorPosition(),
                       line->selectedText(), QApplication::clipboard()->text()};
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        const Outcome alone = edit(tail, rows[i]);
        const Outcome long_line = edit(head + tail, rows[i]);
        EXPECT_EQ(long_line.tail.toStdString(), alone.tail.toStdString());
        EXPECT_EQ(long_line.from_end, alone.from_end);
        EXPECT_EQ(long_line.selected.toStdString(), alone.selected.toStdString());
        EXPECT_EQ(long_line.copied.toStdString(), alone.copied.toStdString());
    }
}

TEST(EditBox, DamagedPropertyDataFailsTheCreate)
{
    std::vector<uint8_t> data = WriteProps(EditBoxProps{});
    data[0] = 3;  // a version above the kind's maximum
    EXPECT_FALSE(CreateUnit(EditBoxInterface, data, nullptr, QRect(0, 0, 10, 10)));
    data = WriteProps(EditBoxProps{});
    data.resize(data.size() - 1);
    EXPECT_FALSE(CreateUnit(EditBoxInterface, data, nullptr, QRect(0, 0, 10, 10)));
}

}  // namespace
