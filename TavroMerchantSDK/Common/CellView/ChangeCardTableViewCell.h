#pragma once
// ChangeCardTableViewCell: one row of the card chooser list: a small card-art picture, the card's
// type, a line with the network name and the last four digits, a mark for the user's primary card
// and a selection mark for the card chosen for the transaction.
//
// Its views come from the nib "ChangeCardTableViewCell" (see ChangeCardTableViewCellNib.h); the
// class keeps weak outlets to them and turns its properties into what they show. A cell made in
// code has no outlets: the properties then only store their values. Main thread only.

#include "TavroMerchantSDK/controls/TavroCardAnatomy.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITableViewCell.h"

#include <memory>
#include <optional>
#include <string>

namespace tavro {

class ChangeCardTableViewCell : public platform::UITableViewCell {
public:
    explicit ChangeCardTableViewCell(platform::UITableViewCellStyle style = platform::UITableViewCellStyle::default_,
                                     std::optional<std::string> reuseIdentifier = std::nullopt);

    // --- outlets, connected by the nib ---
    std::weak_ptr<TavroCardAnatomy> transactionCardView;
    std::weak_ptr<platform::UIView> cardBaseView;
    std::weak_ptr<platform::UIView> dividerView;
    std::weak_ptr<platform::UILabel> cardType;
    std::weak_ptr<platform::UILabel> cardLastFourDigits;
    std::weak_ptr<platform::UIImageView> primaryCardImageView;
    std::weak_ptr<platform::UIImageView> selectedCardAccessoryImageView;
    // Width of the last-four label; whatever follows the label in the nib follows its text.
    std::weak_ptr<platform::NSLayoutConstraint> lastFourWidthConstraint;

    // The primary card: the primary mark shows exactly while set. Applied on every assignment.
    bool isPrimaryTransactionCard() const { return m_isPrimaryTransactionCard; }
    void setIsPrimaryTransactionCard(bool primary);
    // The card chosen for this transaction: the selection mark shows exactly while set, and the
    // plate stays white when the row is highlighted. Applied on every assignment.
    bool isCurrentTransactionCard() const { return m_isCurrentTransactionCard; }
    void setIsCurrentTransactionCard(bool current);
    // Network name and last digits as shown ("Visa ...1234"); the label becomes exactly as wide
    // as the text on one line.
    const std::string& lastFour() const { return m_lastFour; }
    void setLastFour(std::string text);
    // The card's type text, as shown.
    const std::string& cardTitle() const { return m_cardTitle; }
    void setCardTitle(std::string title);
    // Colour of the card art's inner card; clear at first.
    const platform::UIColorPtr& cardBackgroundColor() const { return m_cardBackgroundColor; }
    void setCardBackgroundColor(platform::UIColorPtr color);

    // After the nib connected the outlets: no selection style, clear background, both marks hidden.
    void awakeFromNib() override;
    // Repaints the plate after every highlight change: white for the chosen card, else "#F2F4F8".
    void setHighlighted(bool highlighted, bool animated) override;

private:
    bool m_isPrimaryTransactionCard = false;
    bool m_isCurrentTransactionCard = false;
    std::string m_lastFour;
    std::string m_cardTitle;
    platform::UIColorPtr m_cardBackgroundColor = platform::UIColor::clear();
};

} // namespace tavro
