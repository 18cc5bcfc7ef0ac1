// The reference for the start-up benchmark: a minimal Qt 6 Widgets window of the same size
// as the calculator, with a few line edits and buttons, measured by the same probe.
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "app/FirstFrameProbe.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    FirstFrameProbe::InstallIfAsked();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    auto* layout = new QGridLayout(&window);
    for (int row = 0; row < 4; ++row) {
        layout->addWidget(new QLineEdit(&window), row, 0);
        layout->addWidget(new QLineEdit(&window), row, 1);
        layout->addWidget(new QPushButton(QStringLiteral("OK"), &window), row, 2);
    }
    window.setFixedSize(482, 395);
    window.show();
    return application.exec();
}
