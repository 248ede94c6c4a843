#include "TavroMerchantSDK/Common/CellView/ChangeCardTableViewCell.h"

#include "TavroMerchantSDK/support/UIColorExtensions.h"

#include <limits>

namespace tavro {

ChangeCardTableViewCell::ChangeCardTableViewCell(platform::UITableViewCellStyle style,
                                                 std::optional<std::string> reuseIdentifier)
    : UITableViewCell(style, std::move(reuseIdentifier))
{
}

void ChangeCardTableViewCell::awakeFromNib()
{
    UITableViewCell::awakeFromNib();
    setSelectionStyle(platform::UITableViewCellSelectionStyle::none);
    setBackgroundColor(platform::UIColor::clear());
    setIsPrimaryTransactionCard(false);
    setIsCurrentTransactionCard(false);
}

void ChangeCardTableViewCell::setHighlighted(bool highlighted, bool animated)
{
    UITableViewCell::setHighlighted(highlighted, animated);
    if (auto plate = cardBaseView.lock())
        plate->setBackgroundColor(m_isCurrentTransactionCard ? platform::UIColor::white()
                                                             : colorWithRGBA(242, 244, 248, 1));
}

void ChangeCardTableViewCell::setIsPrimaryTransactionCard(bool primary)
{
    m_isPrimaryTransactionCard = primary;
    if (auto mark = primaryCardImageView.lock())
        mark->setHidden(!primary);
}

void ChangeCardTableViewCell::setIsCurrentTransactionCard(bool current)
{
    m_isCurrentTransactionCard = current;
    if (auto mark = selectedCardAccessoryImageView.lock())
        mark->setHidden(!current);
}

void ChangeCardTableViewCell::setLastFour(std::string text)
{
    if (text == m_lastFour)
        return;
    m_lastFour = std::move(text);
    auto label = cardLastFourDigits.lock();
    if (!label)
        return;
    label->setText(m_lastFour);
    const auto fitting =
        label->sizeThatFits(platform::CGSize{std::numeric_limits<double>::max(), label->frame().size.height});
    if (auto width = lastFourWidthConstraint.lock())
        width->setConstant(fitting.width);
    setNeedsDisplay();
}

void ChangeCardTableViewCell::setCardTitle(std::string title)
{
    if (title == m_cardTitle)
        return;
    m_cardTitle = std::move(title);
    if (auto label = cardType.lock())
        label->setText(m_cardTitle);
}

void ChangeCardTableViewCell::setCardBackgroundColor(platform::UIColorPtr color)
{
    m_cardBackgroundColor = std::move(color);
    if (auto view = transactionCardView.lock()) {
        if (auto card = view->cardAnatomy.lock())
            card->setBackgroundColor(m_cardBackgroundColor);
    }
}

} // namespace tavro
