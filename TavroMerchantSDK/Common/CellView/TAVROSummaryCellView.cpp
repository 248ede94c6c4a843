// The summary row's labels: the grid lines, the message label, the title observers and the
// layout chosen by the row's flow.

#include "TavroMerchantSDK/Common/CellView/TAVROSummaryCellView.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/LocalizedString.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/TextReplacing.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/DebugLog.h"
#include "platform/graphics/UIFont.h"

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;
using platform::UILabel;

namespace {

void showUnderlined(UILabel& label, const std::string& text)
{
    label.setAttributedText(Utilities::underLineAttributedString(text, 12));
}

} // namespace

std::shared_ptr<UILabel> TAVROSummaryCellView::makeLabel(std::shared_ptr<UILabel>& slot, const CGRect& frame,
                                                         const std::string& text)
{
    // A rebuilt label takes the place of the earlier one on the row.
    if (slot)
        slot->removeFromSuperview();
    slot = NSObject::create<UILabel>(frame);
    slot->setText(text);
    addSubview(slot);
    return slot;
}

void TAVROSummaryCellView::addTopLeftLabel()
{
    const auto w = frame().size.width;
    auto label = makeLabel(m_topLeftLabel, CGRect(margin, margin, (w - 2 * margin) / 2, labelHeight), m_topLeftTitle);
    Utilities::changeContentHorizontalAlignment(label);
    label->setFont(label->font()->withSize(12));
    label->setTextColor(colorWithHexString(lightTextColorHex));
    label->setTranslatesAutoresizingMaskIntoConstraints(false);
    addConstraintOn(label, NSLayoutAttribute::leading);
    addConstraintOn(label, NSLayoutAttribute::top);
    addConstraintOn(label, NSLayoutAttribute::height);
}

void TAVROSummaryCellView::addTopRightLabel()
{
    const auto w = frame().size.width;
    auto label =
        makeLabel(m_topRightLabel, CGRect(m_topLeftLabel->frame().maxX(), margin, (w - 2 * margin) / 2, labelHeight),
                  m_topRightTitle);
    label->setTextAlignment(platform::NSTextAlignment::right);
    label->setFont(label->font()->withSize(12));
    label->setTextColor(colorWithHexString(lightTextColorHex));
    label->setTranslatesAutoresizingMaskIntoConstraints(false);
    addConstraintOn(label, NSLayoutAttribute::leading, m_topLeftLabel);
    addConstraintOn(label, NSLayoutAttribute::trailing);
    addConstraintOn(label, NSLayoutAttribute::top);
    addConstraintOn(label, NSLayoutAttribute::height);
    addConstraintOn(label, NSLayoutAttribute::width);
}

void TAVROSummaryCellView::addMiddleLeftLabel()
{
    const auto w = frame().size.width;
    auto label =
        makeLabel(m_middleLeftLabel,
                  CGRect(margin, m_topLeftLabel->frame().maxY() + margin, (w - 2 * margin) / 2 + 20, labelHeight),
                  m_middleLeftTitle);
    Utilities::changeContentHorizontalAlignment(label);
    label->setFont(label->font()->withSize(12));
    label->setTextColor(colorWithHexString(lightTextColorHex));
    addConstraintOn(label, NSLayoutAttribute::leading);
    addConstraintOn(label, NSLayoutAttribute::top);
    addConstraintOn(label, NSLayoutAttribute::height);
    addConstraintOn(label, NSLayoutAttribute::width);
}

void TAVROSummaryCellView::addMiddleRightLabel()
{
    const auto w = frame().size.width;
    auto label = makeLabel(m_middleRightLabel,
                           CGRect(m_middleLeftLabel->frame().maxX(), m_topRightLabel->frame().maxY() + margin,
                                  (w - 2 * margin) / 2 - 20, labelHeight),
                           m_middleRightTitle);
    label->setTextAlignment(platform::NSTextAlignment::right);
    label->setFont(m_topRightLabel->font()->withSize(12));
    label->setTextColor(colorWithHexString(lightTextColorHex));
    label->setAdjustsFontSizeToFitWidth(true);
    label->setMinimumScaleFactor(0.5);
    addConstraintOn(label, NSLayoutAttribute::leading, m_middleLeftLabel);
    addConstraintOn(label, NSLayoutAttribute::trailing);
    addConstraintOn(label, NSLayoutAttribute::top);
    addConstraintOn(label, NSLayoutAttribute::height);
}

void TAVROSummaryCellView::addBottomLeftLabel()
{
    const auto w = frame().size.width;
    auto label =
        makeLabel(m_bottomLeftLabel,
                  CGRect(margin, m_middleLeftLabel->frame().maxY() + margin, (w - 2 * margin) / 2, labelHeight),
                  m_bottomLeftTitle);
    Utilities::changeContentHorizontalAlignment(label);
    label->setFont(platform::UIFont::boldSystemFont(12));
    label->setTextColor(colorWithHexString(darkTextColorHex));
    label->setAdjustsFontSizeToFitWidth(true);
    addConstraintOn(label, NSLayoutAttribute::leading);
    addConstraintOn(label, NSLayoutAttribute::top);
    addConstraintOn(label, NSLayoutAttribute::height);
    addConstraintOn(label, NSLayoutAttribute::width);
}

void TAVROSummaryCellView::addBottomRightLabel()
{
    const auto w = frame().size.width;
    auto label = makeLabel(m_bottomRightLabel,
                           CGRect(m_bottomLeftLabel->frame().maxX(), m_middleRightLabel->frame().maxY() + margin,
                                  (w - 2 * margin) / 2, labelHeight),
                           m_bottomRightTitle);
    label->setTextAlignment(platform::NSTextAlignment::right);
    label->setFont(platform::UIFont::boldSystemFont(12));
    label->setTextColor(colorWithHexString(darkTextColorHex));
    addConstraintOn(label, NSLayoutAttribute::leading, m_bottomLeftLabel);
    addConstraintOn(label, NSLayoutAttribute::trailing);
    addConstraintOn(label, NSLayoutAttribute::top);
    addConstraintOn(label, NSLayoutAttribute::height);
}

void TAVROSummaryCellView::addBottomMsgLabel(bool isOnlyMessage)
{
    if (!isOnlyMessage && !m_middleLeftLabel) {
        platform::debugLog("TAVROSummaryCellView::addBottomMsgLabel: no line 2 to place the message below");
        return;
    }
    const auto size = frame().size;
    const auto y = isOnlyMessage ? margin : m_middleLeftLabel->frame().maxY() + margin;
    auto label =
        makeLabel(m_bottomCenterMsgLabel, CGRect(margin, y, size.width - 2 * margin, size.height - y - margin), "");
    label->setText(std::nullopt);

    const auto flow = TavroSession::sharedSession()->activeSessionType();
    if (flow == TavroActiveFlow::payMerchant || flow == TavroActiveFlow::payMerchantAlias) {
        const auto data =
            localizedString("Address") + " " + localizedString("Mobile Number") + " " + localizedString("Email");
        const bool named = m_cellObject && m_cellObject->merchantName();
        const auto& templateText = named ? StringConstants::CONFIRM_PAYMENT_SUMMARY_DESCRIPTION()
                                         : StringConstants::CONFIRM_PAYMENT_SUMMARY_DESCRIPTION1();
        const auto name = named ? *m_cellObject->merchantName() : std::string();
        auto text = replacingOccurrences(templateText, "[data]", data);
        text = replacingOccurrences(text, "[merchant name]", name);
        // The merchant's name stands in for the network too.
        text = replacingOccurrences(text, "[network]", name);
        label->setText(text);
    }
    label->setTextAlignment(platform::NSTextAlignment::center);
    label->setFont(label->font()->withSize(12));
    label->setTextColor(colorWithHexString(lightTextColorHex));
    label->setNumberOfLines(0);
    label->setLineBreakMode(platform::NSLineBreakMode::byWordWrapping);
    if (isOnlyMessage)
        addConstraintOn(label, NSLayoutAttribute::top);
    else
        addConstraintOn(label, NSLayoutAttribute::top, m_middleLeftLabel);
    addConstraintOn(label, NSLayoutAttribute::leading);
    addConstraintOn(label, NSLayoutAttribute::trailing);
    addConstraintOn(label, NSLayoutAttribute::bottom);
}

void TAVROSummaryCellView::removeLabels()
{
    for (auto* slot : {&m_topLeftLabel, &m_topRightLabel, &m_middleLeftLabel, &m_middleRightLabel, &m_bottomLeftLabel,
                       &m_bottomRightLabel, &m_bottomCenterMsgLabel}) {
        if (*slot)
            (*slot)->removeFromSuperview();
        slot->reset();
    }
}

void TAVROSummaryCellView::emphasiseLine2()
{
    for (const auto& label : {m_middleLeftLabel, m_middleRightLabel}) {
        if (!label)
            continue;
        label->setFont(platform::UIFont::boldSystemFont(12));
        label->setTextColor(colorWithHexString(darkTextColorHex));
    }
    if (m_middleRightLabel && m_middleRightLabel->text() && !m_middleRightLabel->text()->empty())
        showUnderlined(*m_middleRightLabel, *m_middleRightLabel->text());
}

void TAVROSummaryCellView::prepareView()
{
    switch (m_cellType) {
    case TavroActiveFlow::payMerchant:
        addTopLeftLabel();
        addTopRightLabel();
        addMiddleLeftLabel();
        addMiddleRightLabel();
        emphasiseLine2();
        break;
    case TavroActiveFlow::payFriend:
    case TavroActiveFlow::refundPayment:
        addTopLeftLabel();
        addTopRightLabel();
        addMiddleLeftLabel();
        addMiddleRightLabel();
        addBottomLeftLabel();
        addBottomRightLabel();
        if (m_bottomRightLabel->text() && !m_bottomRightLabel->text()->empty())
            showUnderlined(*m_bottomRightLabel, *m_bottomRightLabel->text());
        break;
    case TavroActiveFlow::withdrawCash:
        addTopLeftLabel();
        addTopRightLabel();
        setMiddleLeftTitle(StringConstants::REVIEW_PAYMENT_TOTAL_AMOUNT());
        addMiddleLeftLabel();
        addMiddleRightLabel();
        m_middleLeftLabel->setFont(platform::UIFont::boldSystemFont(12));
        break;
    default: emphasiseLine2(); break;
    }
}

void TAVROSummaryCellView::updateConstraints()
{
    UIView::updateConstraints();
    m_didSetConstraints = true;
}

void TAVROSummaryCellView::setTopLeftTitle(std::string title)
{
    m_topLeftTitle = std::move(title);
    if (m_topLeftLabel)
        m_topLeftLabel->setText(localizedString(m_topLeftTitle));
}

void TAVROSummaryCellView::setTopRightTitle(std::string title)
{
    m_topRightTitle = std::move(title);
    if (m_topRightLabel)
        m_topRightLabel->setText(localizedString(m_topRightTitle));
}

void TAVROSummaryCellView::setMiddleLeftTitle(std::string title)
{
    m_middleLeftTitle = std::move(title);
    if (m_middleLeftLabel)
        m_middleLeftLabel->setText(localizedString(m_middleLeftTitle));
}

void TAVROSummaryCellView::setMiddleRightTitle(std::string title)
{
    m_middleRightTitle = std::move(title);
    if (m_middleRightLabel)
        m_middleRightLabel->setText(localizedString(m_middleRightTitle));
}

void TAVROSummaryCellView::setBottomLeftTitle(std::string title)
{
    m_bottomLeftTitle = std::move(title);
    if (m_bottomLeftLabel)
        m_bottomLeftLabel->setText(localizedString(m_bottomLeftTitle));
}

void TAVROSummaryCellView::setBottomRightTitle(std::string title)
{
    m_bottomRightTitle = std::move(title);
    if (m_bottomRightLabel)
        showUnderlined(*m_bottomRightLabel, localizedString(m_bottomRightTitle));
}

} // namespace tavro
