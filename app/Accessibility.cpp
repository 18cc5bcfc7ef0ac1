#include "app/Accessibility.h"

#include <QAccessible>
#include <QEvent>
#include <QWidget>

#include "forms/runtime/LiveUnits.h"
#include "forms/runtime/WindowList.h"

namespace {

struct AccessibleText {
    uint32_t unit_id;
    const char* name;  // UTF-8
    const char* description = nullptr;
};

constexpr uint32_t kMainWindowId = 0x52010001;
constexpr uint32_t kWarningLabelId = 0x16011DF4;

const AccessibleText kMainWindowTexts[] = {
    {0x1601013A, "反正弦 对边长度"},
    {0x16011DCC, "反正弦 斜边长度"},
    {0x16010148, "反正弦 计算角度"},
    {0x16010150, "反正切 对边长度"},
    {0x16011DCA, "反正切 邻边长度"},
    {0x1601014E, "反正切 计算角度"},
    {0x1601015A, "反余弦 邻边长度"},
    {0x16011DC8, "反余弦 斜边长度"},
    {0x16010158, "反余弦 计算角度"},
    {0x16011DCE, "函数计算 输入三角函数"},
    {0x16011DD1, "函数计算 函数计算结果"},
    {0x16011DD4, "已知数据 角度"},
    {0x16011DE6, "已知数据 对边长度"},
    {0x16011DEA, "已知数据 斜边长度"},
    {0x16011DE8, "已知数据 邻边长度"},
    {0x16011DED, "计算结果 对边长度"},
    {0x16011DEC, "计算结果 斜边长度"},
    {0x16011DEB, "计算结果 邻边长度"},
    {0x16010164, "三角形示意图",
     "直角三角形：直角在右下角，所求的角在左下角；底边是邻边，右侧竖边是对边，"
     "从左下角升到竖边顶端的是斜边。"},
    {kWarningLabelId, "角度必须输入"},
};

std::function<void(QObject*)> g_alert_observer;

// Raises an alert each time the widget it watches is shown.
class AlertOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleEvent alert(watched, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
            if (g_alert_observer)
                g_alert_observer(watched);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void DescribeForAccessibility(uint32_t window_id)
{
    if (window_id != kMainWindowId)
        return;
    RuntimeWindow* window = FindWindow(window_id);
    if (window == nullptr)
        return;
    for (const AccessibleText& text : kMainWindowTexts) {
        const RuntimeRecord* record = FindRecord(*window, text.unit_id);
        QWidget* widget = record != nullptr ? LiveWidget(*record) : nullptr;
        if (widget == nullptr)
            continue;
        widget->setAccessibleName(QString::fromUtf8(text.name));
        if (text.description != nullptr)
            widget->setAccessibleDescription(QString::fromUtf8(text.description));
        if (text.unit_id == kWarningLabelId)
            widget->installEventFilter(new AlertOnShow(widget));
    }
}

void SetAlertObserver(std::function<void(QObject* source)> observer) { g_alert_observer = std::move(observer); }
