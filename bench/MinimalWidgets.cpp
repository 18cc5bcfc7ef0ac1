// The floor for the start-up benchmark: a plain Qt Widgets window with the calculator's
// content, built the plainest way Qt allows. Same client size, the same 21 Chinese labels,
// 18 line edits and 5 buttons at their places from program/data/'s rows, a white box where the
// diagram goes, the same pinned 12-pixel CJK font; no template, no runtime, no picture.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "faces/qt/app/FirstFrameProbe.h"
#include "program/data/MainWindow.h"
#include "core/template/WindowTemplate.h"

namespace {

constexpr QSize kClientSize(482, 395);
constexpr const char* kFontFamily = "WenQuanYi Zen Hei";
constexpr int kFontPixels = 12;

QWidget* UnitWidget(const UnitRow& row, QWidget* window)
{
    const QString text = row.text != nullptr ? QString::fromUtf8(row.text) : QString();
    switch (row.kind) {
    case KIND_LABEL: return (row.flags & kStateVisible) != 0 ? new QLabel(text, window) : nullptr;
    case KIND_EDIT_BOX: return new QLineEdit(window);
    case KIND_BUTTON: return new QPushButton(text, window);
    case KIND_PIC_BOX: {
        auto* box = new QWidget(window);
        box->setAutoFillBackground(true);
        box->setPalette(QPalette(Qt::white));
        return box;
    }
    default: return nullptr;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    FirstFrameProbe::InstallIfAsked();
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(kFontPixels);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferNoHinting);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Anglarix"));
    window.setFont(font);
    window.setFixedSize(kClientSize);
    const WindowRows& rows = MainWindowRows();
    for (size_t i = 1; i < rows.rows.size(); ++i) {
        const UnitRow& row = rows.rows[i];
        if (QWidget* widget = UnitWidget(row, &window))
            widget->setGeometry(row.left, row.top, row.width, row.height);
    }
    window.show();
    return application.exec();
}
