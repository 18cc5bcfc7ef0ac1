#include "faces/qt/units/Button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "faces/qt/units/GbkText.h"
#include "faces/qt/units/GuiFont.h"
#include "faces/qt/units/JpegPicture.h"
#include "faces/qt/units/BuiltInKinds.h"

namespace {

QString CaptionText(const std::string& gbk)
{
    QString text = FromGbk(gbk);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

}  // namespace

Qt::Alignment ButtonAlignment(int32_t horizontal, int32_t vertical)
{
    const auto h_choice = HorizontalAlignment(horizontal);
    const auto v_choice = VerticalAlignment(vertical);
    const Qt::Alignment h = h_choice == HorizontalAlignment::Left    ? Qt::AlignLeft
                            : h_choice == HorizontalAlignment::Right ? Qt::AlignRight
                                                                     : Qt::AlignHCenter;
    const Qt::Alignment v = v_choice == VerticalAlignment::Top      ? Qt::AlignTop
                            : v_choice == VerticalAlignment::Bottom ? Qt::AlignBottom
                                                                    : Qt::AlignVCenter;
    return h | v;
}

ButtonWidget::ButtonWidget(QWidget* parent, UnitIds ids) : RaisesFocusEvents(parent, ids)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { RaiseUnitEvent(Ids(), kEventClick); });
}

void ButtonWidget::SetPicture(QImage picture)
{
    m_picture = std::move(picture);
    update();
}

void ButtonWidget::SetAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

// The style's bevel and focus frame, with the caption placed by the unit's alignment.
void ButtonWidget::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    if (!m_picture.isNull()) {
        painter.save();
        painter.setClipRect(contents);
        const QRect target(QPoint(contents.left() + (contents.width() - m_picture.width()) / 2,
                                  contents.top() + (contents.height() - m_picture.height()) / 2),
                           m_picture.size());
        painter.drawImage(target.topLeft(), m_picture);
        painter.restore();
    }
    if (!text().isEmpty())
        style()->drawItemText(&painter, contents, int(m_alignment) | Qt::TextShowMnemonic, option.palette,
                              isEnabled(), text(), QPalette::ButtonText);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void ButtonWidget::keyPressEvent(QKeyEvent* event)
{
    // Enter belongs to the window's keyboard handling, which knows the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

ButtonUnit* ButtonUnit::Create(const CreateArgs& args)
{
    std::optional<ButtonProps> props = ReadProps<ButtonProps>(args.property_data);
    if (!props)
        return nullptr;
    auto* unit = new ButtonUnit(args, std::move(*props));
    unit->m_button = new ButtonWidget(WidgetOf(args.parent), unit->Ids());
    unit->Adopt(unit->m_button, args, true);
    for (int32_t own : {ButtonOwn::Picture, ButtonOwn::DefaultButton, ButtonOwn::Caption,
                        ButtonOwn::HorizontalAlignment, ButtonOwn::Font})
        unit->Apply(own);
    return unit;
}

void ButtonUnit::Apply(int32_t own)
{
    if (!m_button)
        return;
    switch (own) {
    case ButtonOwn::Picture: m_button->SetPicture(DecodePicture(m_props.picture)); break;
    case ButtonOwn::DefaultButton: m_button->setDefault(m_props.default_button != 0); break;
    case ButtonOwn::Caption: m_button->setText(CaptionText(m_props.caption)); break;
    case ButtonOwn::HorizontalAlignment:
    case ButtonOwn::VerticalAlignment:
        m_button->SetAlignment(ButtonAlignment(m_props.horizontal_alignment, m_props.vertical_alignment));
        break;
    case ButtonOwn::Font: m_button->setFont(FontFromLogFont(m_props.font)); break;
    default: break;
    }
}

AnyEntry ButtonInterface(int32_t number) { return KindEntries<ButtonUnit>::Entry(number); }
