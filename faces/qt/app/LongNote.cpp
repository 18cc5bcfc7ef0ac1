#include "faces/qt/app/LongNote.h"

#include <QApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace {

// Past these, a tool tip would run off the screen: one line of this many characters, or this
// many lines.
constexpr qsizetype kLongNoteLine = 160;
constexpr qsizetype kManyLines = 40;

class LongNoteView : public QPlainTextEdit {
public:
    LongNoteView() : QPlainTextEdit(nullptr)
    {
        setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setObjectName(QStringLiteral("anglarixLongNote"));
        setReadOnly(true);
        setFocusPolicy(Qt::NoFocus);
        setUndoRedoEnabled(false);
        setLineWrapMode(QPlainTextEdit::WidgetWidth);
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { hide(); });
        qApp->installEventFilter(this);
    }

    void Show(const QPoint& at, const QString& text, QWidget* widget, int msecs)
    {
        m_widget = widget;
        m_text = text;
        setPlainText(text);
        const QRect screen =
            (widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen())->availableGeometry();
        const int width = std::min(fontMetrics().averageCharWidth() * 60, screen.width() / 2);
        const int height = std::min(fontMetrics().lineSpacing() * 24, screen.height() / 2);
        resize(width, height);
        // Beside the pointer, as a tool tip goes, so that the box stays clickable.
        const QPoint place = at + QPoint(2, 16);
        move(std::clamp(place.x(), screen.left(), screen.right() - width),
             std::clamp(place.y(), screen.top(), screen.bottom() - height));
        show();
        if (msecs > 0)
            m_timer.start(msecs);
        else
            m_timer.stop();
    }

    const QString& Text() const { return m_text; }

protected:
    // A note of megabytes gives its memory back once it has gone.
    void hideEvent(QHideEvent* event) override
    {
        m_text.clear();
        clear();
        QPlainTextEdit::hideEvent(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!isVisible())
            return false;
        const bool inside = watched == this || watched == viewport() || watched == verticalScrollBar();
        switch (event->type()) {
        case QEvent::Leave:
            if (watched == m_widget || inside) {
                // Leaving the box for the note keeps it; leaving both takes it away.
                QTimer::singleShot(0, this, [this] {
                    if (!underMouse() && (m_widget == nullptr || !m_widget->underMouse()))
                        hide();
                });
            }
            break;
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::WindowDeactivate:
            if (!inside)
                hide();
            break;
        default: break;
        }
        return false;
    }

private:
    QPointer<QWidget> m_widget;
    QString m_text;
    QTimer m_timer;
};

LongNoteView* g_view = nullptr;

LongNoteView& View()
{
    if (g_view == nullptr) {
        g_view = new LongNoteView;
        QObject::connect(qApp, &QObject::destroyed, [] { g_view = nullptr; });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
            delete g_view;
            g_view = nullptr;
        });
    }
    return *g_view;
}

}  // namespace

bool IsLongNote(const QString& text)
{
    qsizetype lines = 1;
    qsizetype line_start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] != QLatin1Char('\n'))
            continue;
        if (at - line_start > kLongNoteLine || ++lines > kManyLines)
            return true;
        line_start = at + 1;
    }
    return text.size() - line_start > kLongNoteLine;
}

void ShowNote(const QPoint& at, const QString& text, QWidget* widget, int msecs)
{
    if (!IsLongNote(text)) {
        if (g_view != nullptr)
            g_view->hide();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(at, text, widget, {}, msecs > 0 ? msecs : -1);
        return;
    }
    QToolTip::hideText();
    View().Show(at, text, widget, msecs);
}

void HideNote()
{
    QToolTip::hideText();
    if (g_view != nullptr)
        g_view->hide();
}

QString ShownNote()
{
    if (g_view != nullptr && g_view->isVisible())
        return g_view->Text();
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
