#pragma once
// What the unit-kind tests share: one offscreen QApplication with the pinned font and the
// Fusion style, units created through their kinds' real entries from property structs, a
// runtime entry that records raised events, and pixel-exact golden images.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/KindInterface.h"
#include "faces/qt/units/GuiFont.h"
#include "faces/qt/units/UnitEvents.h"
#include "faces/qt/units/WidgetHandle.h"

namespace unit_test {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "units-test";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setFont(DefaultGuiFont());
    }
};

inline ::testing::Environment* const g_qt_environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Every event raised while installed, and the answer a test wants a procedure to give.
struct EventLog {
    std::vector<EventRecord> events;
    bool answer = false;
    uint32_t result = 0;
    std::function<void(const EventRecord&)> on_event;  // runs as a bound procedure would

    int Count(uint32_t unit_id, int32_t event) const
    {
        int n = 0;
        for (const EventRecord& r : events)
            n += r.unit_id == unit_id && r.event == event;
        return n;
    }
};

inline EventLog*& CurrentLog()
{
    static EventLog* log = nullptr;
    return log;
}

inline intptr_t RecordingEntry(int32_t number, intptr_t a, intptr_t)
{
    if (number != kNotifyRaiseEvent || !CurrentLog())
        return 0;
    auto* record = reinterpret_cast<EventRecord*>(a);
    CurrentLog()->events.push_back(*record);
    if (CurrentLog()->on_event)
        CurrentLog()->on_event(*record);
    if (CurrentLog()->answer) {
        record->has_result = 1;
        record->result = CurrentLog()->result;
    }
    return 1;
}

// Installs itself as the runtime entry for its lifetime.
class RecordEvents : public EventLog {
public:
    RecordEvents()
    {
        CurrentLog() = this;
        SetUnitRuntimeEntry(&RecordingEntry);
    }
    ~RecordEvents()
    {
        SetUnitRuntimeEntry(nullptr);
        CurrentLog() = nullptr;
    }
};

// Creates a unit through a kind's create entry.
inline std::unique_ptr<Unit> CreateUnit(InterfaceFn kind, std::span<const uint8_t> data, QWidget* parent,
                                        QRect geometry, uint32_t unit_id = 0x16010001,
                                        uint32_t style = kStyleTabStop)
{
    CreateArgs args;
    args.property_data = data;
    args.style = style;
    args.parent = HandleOf(parent);
    args.left = geometry.left();
    args.top = geometry.top();
    args.width = geometry.width();
    args.height = geometry.height();
    args.window_id = 0x52010001;
    args.unit_id = unit_id;
    auto create = reinterpret_cast<CreateEntry>(kind(kEntryCreate));
    return std::unique_ptr<Unit>(create(args));
}

inline int SetOwn(InterfaceFn kind, Unit* unit, int32_t own, uint32_t value)
{
    PropertyValue v;
    v.low = value;
    return reinterpret_cast<SetPropertyEntry>(kind(kEntrySetProperty))(unit, own, v);
}

inline int SetOwnText(InterfaceFn kind, Unit* unit, int32_t own, const std::string& gbk)
{
    PropertyValue v;
    v.data = gbk.empty() ? nullptr : gbk.data();
    v.size = static_cast<uint32_t>(gbk.size());
    return reinterpret_cast<SetPropertyEntry>(kind(kEntrySetProperty))(unit, own, v);
}

inline PropertyValue GetOwn(InterfaceFn kind, Unit* unit, int32_t own)
{
    PropertyValue v;
    EXPECT_EQ(reinterpret_cast<GetPropertyEntry>(kind(kEntryGetProperty))(unit, own, &v), 1) << "own " << own;
    return v;
}

inline std::string GetOwnText(InterfaceFn kind, Unit* unit, int32_t own)
{
    const PropertyValue v = GetOwn(kind, unit, own);
    return v.data ? std::string(static_cast<const char*>(v.data), v.size) : std::string();
}

// A sheet: a plain parent on which a test places several units, rendered at pixel ratio 1.
class Sheet {
public:
    Sheet(int width, int height, QColor background = QColor(0xC0, 0xC0, 0xC0))
    {
        m_parent.resize(width, height);
        m_parent.setAutoFillBackground(true);
        QPalette palette = m_parent.palette();
        palette.setColor(QPalette::Window, background);
        m_parent.setPalette(palette);
    }

    QWidget* Parent() { return &m_parent; }

    Unit* Add(InterfaceFn kind, const std::vector<uint8_t>& data, QRect geometry)
    {
        m_units.push_back(CreateUnit(kind, data, &m_parent, geometry));
        Unit* unit = m_units.back().get();
        if (unit)
            WidgetOf(unit)->show();
        return unit;
    }

    QImage Render()
    {
        QImage image(m_parent.size(), QImage::Format_RGB32);
        image.setDevicePixelRatio(1);
        image.fill(Qt::magenta);
        m_parent.render(&image);
        return image;
    }

private:
    QWidget m_parent;
    std::vector<std::unique_ptr<Unit>> m_units;
};

// Compares with tests/forms/golden/<name>.png. On a mismatch the actual picture and a diff
// (differing pixels red over a faded copy) go to golden-out/ in the working directory.
// ANGLARIX_REGENERATE_GOLDEN=1 writes the golden picture instead.
inline ::testing::AssertionResult MatchesGolden(const QImage& actual, const std::string& name)
{
    const std::filesystem::path golden_dir = std::filesystem::path(__FILE__).parent_path() / "golden";
    const QString golden_path = QString::fromStdString((golden_dir / (name + ".png")).string());
    const QImage image = actual.convertToFormat(QImage::Format_RGB32);
    const char* regenerate = std::getenv("ANGLARIX_REGENERATE_GOLDEN");
    if (regenerate && std::string(regenerate) == "1") {
        if (!image.save(golden_path))
            return ::testing::AssertionFailure() << "cannot write " << golden_path.toStdString();
        return ::testing::AssertionSuccess() << "regenerated";
    }
    const QImage expected = QImage(golden_path).convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    QImage diff;
    if (expected.size() == image.size()) {
        diff = QImage(image.size(), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb a = image.pixel(x, y), e = expected.pixel(x, y);
                if (a != e)
                    ++differing;
                const int grey = 192 + qGray(e) / 4;
                diff.setPixel(x, y, a != e ? qRgb(255, 0, 0) : qRgb(grey, grey, grey));
            }
        if (differing == 0)
            return ::testing::AssertionSuccess();
    }
    QDir().mkpath(QStringLiteral("golden-out"));
    image.save(QString::fromStdString("golden-out/" + name + ".actual.png"));
    if (!diff.isNull())
        diff.save(QString::fromStdString("golden-out/" + name + ".diff.png"));
    auto failure = ::testing::AssertionFailure() << name << ": ";
    if (expected.isNull())
        return failure << "no golden picture at " << golden_path.toStdString();
    if (expected.size() != image.size())
        return failure << "size " << image.width() << "x" << image.height() << ", golden " << expected.width()
                       << "x" << expected.height();
    return failure << differing << " pixels differ; see golden-out/" << name << ".diff.png";
}

// Compares a text (the display lists of a sheet, one a line) with tests/forms/golden/<name>,
// which the page's test compares its own lists with too. ANGLARIX_REGENERATE_GOLDEN=1 writes it.
inline ::testing::AssertionResult MatchesGoldenText(const std::string& actual, const std::string& name)
{
    const std::filesystem::path path = std::filesystem::path(__FILE__).parent_path() / "golden" / name;
    const char* regenerate = std::getenv("ANGLARIX_REGENERATE_GOLDEN");
    if (regenerate && std::string(regenerate) == "1") {
        std::ofstream(path, std::ios::binary) << actual;
        return ::testing::AssertionSuccess() << "regenerated";
    }
    std::ifstream in(path, std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(in)), {});
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << name << " differs:\n" << actual;
}

}  // namespace unit_test
