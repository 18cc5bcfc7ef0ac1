#include "faces/qt/app/ScreenNote.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kMostColumns = 60;
constexpr int kPadding = 4;
constexpr int kGap = 2;

class NoteWindow : public QWidget {
public:
    NoteWindow()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                               Qt::WindowDoesNotAcceptFocus)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setWindowTitle(QStringLiteral("Anglarix note"));
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
    }

    void Show(QWidget* box, NoteSide side, const QString& text)
    {
        m_text = text;
        const QFontMetrics metrics = fontMetrics();
        const QRect screen = box->screen()->availableGeometry();
        const int most = std::min(metrics.averageCharWidth() * kMostColumns, screen.width() / 2);
        const QRect needed = metrics.boundingRect(QRect(0, 0, most, screen.height()), Flags(), m_text);
        const QSize size(std::max(needed.width(), box->width()) + 2 * kPadding, needed.height() + 2 * kPadding);
        resize(std::min(size.width(), most + 2 * kPadding), size.height());
        const QRect at(box->mapToGlobal(QPoint(0, 0)), box->size());
        QPoint place;
        switch (side) {
        case NoteSide::Below: place = QPoint(at.left(), at.bottom() + 1 + kGap); break;
        case NoteSide::Above: place = QPoint(at.left(), at.top() - height() - kGap); break;
        case NoteSide::Right: place = QPoint(at.right() + 1 + kGap, at.top()); break;
        case NoteSide::Left: place = QPoint(at.left() - width() - kGap, at.top()); break;
        }
        move(std::clamp(place.x(), screen.left(), std::max(screen.left(), screen.right() - width())),
             std::clamp(place.y(), screen.top(), std::max(screen.top(), screen.bottom() - height())));
        show();
        raise();
        update();
    }

    const QString& Text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().toolTipBase());
        painter.setPen(palette().color(QPalette::ToolTipText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawText(rect().adjusted(kPadding, kPadding, -kPadding, -kPadding), Flags(), m_text);
    }

    void hideEvent(QHideEvent*) override { m_text.clear(); }

private:
    static int Flags() { return Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere; }

    QString m_text;
};

QPointer<NoteWindow> g_note;

}  // namespace

void ShowScreenNote(QWidget* box, NoteSide side, const QString& text)
{
    if (box == nullptr || text.isEmpty()) {
        HideScreenNote();
        return;
    }
    if (g_note == nullptr) {
        g_note = new NoteWindow;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { delete g_note; });
    }
    g_note->Show(box, side, text);
}

void HideScreenNote()
{
    if (g_note != nullptr)
        g_note->hide();
}

QString ScreenNoteText() { return g_note != nullptr && g_note->isVisible() ? g_note->Text() : QString(); }
