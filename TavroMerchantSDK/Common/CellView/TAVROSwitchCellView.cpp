// Building and titles of the switchable optional-field row.

#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"

#include "TavroMerchantSDK/support/LocalizedString.h"
#include "TavroMerchantSDK/support/TextReplacing.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "platform/graphics/UIFont.h"

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;

namespace {

constexpr std::string_view kHintTemplate =
    "If [Default Label] is not set, customer will have to enter it when they are paying from their app.";

std::string filledTemplate(std::string_view key, std::string_view label)
{
    return replacingOccurrences(localizedString(key, ""), "[Default Label]", label);
}

} // namespace

TAVROSwitchCellView::TAVROSwitchCellView(const CGRect& frame) : UIView(frame) {}

void TAVROSwitchCellView::didCreate()
{
    UIView::didCreate();
    setBackgroundColor(colorWithHexString("#F2F4F8"));
    addTitle();
    addSwitch();
    addHBar();
    addInputCell();
    addMessageLabel();
}

void TAVROSwitchCellView::addTitle()
{
    const auto width = frame().size.width;
    m_leftLabel =
        NSObject::create<platform::UILabel>(CGRect(marginX, marginY, width - 2 * marginX - switchWidth, labelHeight));
    m_leftLabel->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_leftLabel->setFont(platform::UIFont::systemFont(16));
    m_leftLabel->setTextColor(colorWithHexString(darkTextColorHex));
    addSubview(m_leftLabel);
    addConstraintOn(m_leftLabel, NSLayoutAttribute::top);
    addConstraintOn(m_leftLabel, NSLayoutAttribute::leading);
    addConstraintOn(m_leftLabel, NSLayoutAttribute::height);
}

void TAVROSwitchCellView::addSwitch()
{
    const auto title = m_leftLabel->frame();
    m_rightSwitch = NSObject::create<platform::UISwitch>(CGRect(title.maxX(), title.minY(), 0, 0));
    m_rightSwitch->setTranslatesAutoresizingMaskIntoConstraints(false);
    // Level with the title's middle; its horizontal place is kept.
    m_rightSwitch->setCenter({m_rightSwitch->center().x, title.midY()});
    // The switch keeps its own size; the title takes the rest of the header.
    m_rightSwitch->setContentHuggingPriority(platform::UILayoutPriorityDefaultHigh,
                                             platform::UILayoutConstraintAxis::horizontal);
    m_rightSwitch->setOn(false, false);
    m_rightSwitch->setTransform(platform::CGAffineTransform::makeScale(switchScale, switchScale));
    m_rightSwitch->addTarget(sharedFromThis<TAVROSwitchCellView>(), &TAVROSwitchCellView::switchDidToggle,
                             platform::UIControlEvents::valueChanged);
    addSubview(m_rightSwitch);
    addConstraintOn(m_rightSwitch, NSLayoutAttribute::trailing);
    addConstraintOn(m_rightSwitch, NSLayoutAttribute::top);
    addConstraintOn(m_rightSwitch, NSLayoutAttribute::leading, m_leftLabel);
}

void TAVROSwitchCellView::addHBar()
{
    m_hBar = NSObject::create<platform::UIView>(CGRect(0, switchCellHeight, frame().size.width, hBarHeight));
    m_hBar->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_hBar->setBackgroundColor(platform::UIColor::white());
    addSubview(m_hBar);
    addConstraintOn(m_hBar, NSLayoutAttribute::leading);
    addConstraintOn(m_hBar, NSLayoutAttribute::trailing);
    addConstraintOn(m_hBar, NSLayoutAttribute::top);
    addConstraintOn(m_hBar, NSLayoutAttribute::height);
}

void TAVROSwitchCellView::addInputCell()
{
    m_inputCell = NSObject::create<TAVROInputCellView>(
        CGRect(0, switchCellHeight + hBarHeight, frame().size.width, inputCellHeight));
    m_inputCell->setTranslatesAutoresizingMaskIntoConstraints(false);
    addSubview(m_inputCell);
    m_inputCell->setCellType(m_cellType);
    m_inputCell->setCellViewDelegate(weakFromThis<TAVROSwitchCellView>());
    m_inputCell->setTitleString(filledTemplate("Set [Default Label]", localizedString(m_topLeftTitle, "")));
    addConstraintOn(m_inputCell, NSLayoutAttribute::leading);
    addConstraintOn(m_inputCell, NSLayoutAttribute::top);
    addConstraintOn(m_inputCell, NSLayoutAttribute::trailing);
    addConstraintOn(m_inputCell, NSLayoutAttribute::height);
}

void TAVROSwitchCellView::addMessageLabel()
{
    const auto width = frame().size.width;
    m_msgBG = NSObject::create<platform::UIView>(CGRect(0, m_inputCell->frame().maxY(), width, msgLabelHeight));
    m_msgBG->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_msgBG->setBackgroundColor(platform::UIColor::white());
    addSubview(m_msgBG);
    addConstraintOn(m_msgBG, NSLayoutAttribute::top);
    addConstraintOn(m_msgBG, NSLayoutAttribute::height);
    addConstraintOn(m_msgBG, NSLayoutAttribute::leading);
    addConstraintOn(m_msgBG, NSLayoutAttribute::trailing);

    m_msgLabel = NSObject::create<platform::UILabel>(CGRect(marginX, 0, width - 2 * marginX, msgLabelHeight));
    m_msgLabel->setFont(platform::UIFont::systemFont(msgLableFontSize));
    m_msgLabel->setTextColor(colorWithHexString(lightTextColorHex));
    m_msgLabel->setTextAlignment(platform::NSTextAlignment::left);
    m_msgLabel->setNumberOfLines(0);
    m_msgLabel->setLineBreakMode(platform::NSLineBreakMode::byWordWrapping);
    m_msgLabel->setText(m_msgLabelText);
    m_msgBG->addSubview(m_msgLabel);
    addConstraintOn(m_msgLabel, NSLayoutAttribute::top);
    addConstraintOn(m_msgLabel, NSLayoutAttribute::bottom);
    addConstraintOn(m_msgLabel, NSLayoutAttribute::leading);
    addConstraintOn(m_msgLabel, NSLayoutAttribute::trailing);
}

void TAVROSwitchCellView::updateConstraints()
{
    UIView::updateConstraints();
    m_didSetConstraints = true;
}

void TAVROSwitchCellView::setTopLeftTitle(std::string title)
{
    m_topLeftTitle = std::move(title);
    const auto localized = localizedString(m_topLeftTitle, "");
    m_leftLabel->setText(localized);
    if (m_inputCell) {
        m_inputCell->setTitleString(m_topLeftTitle);
        m_inputCell->setTitle(filledTemplate("Set [Default Label]", localized), false);
    }
    setMsgLabelText(filledTemplate(kHintTemplate, localized));
}

void TAVROSwitchCellView::setInputString(std::string value)
{
    m_inputString = std::move(value);
    if (auto field = m_inputCell->inputTextField())
        field->setText(m_inputString);
}

void TAVROSwitchCellView::setMsgLabelText(std::string text)
{
    m_msgLabelText = std::move(text);
    m_msgLabel->setText(m_msgLabelText);
}

void TAVROSwitchCellView::disableSwitch(bool shouldDisable)
{
    if (m_rightSwitch->isOn())
        return;
    m_leftLabel->setAlpha(shouldDisable ? 0.4 : 1);
    m_rightSwitch->setThumbTintColor(shouldDisable ? colorWithHexString("#BEBFD1") : nullptr);
    m_rightSwitch->setUserInteractionEnabled(!shouldDisable);
}

} // namespace tavro
