#pragma once
// A card list as the card chooser fills it: a table of ChangeCardTableViewCell from the nib, one
// cell per card, filled in the list screen's order.

#include "TavroMerchantSDK/Common/CellView/ChangeCardTableViewCell.h"
#include "TavroMerchantSDK/Common/CellView/ChangeCardTableViewCellNib.h"
#include "TavroMerchantSDK/support/KUtilsClassBundle.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "platform/ui/UITableView.h"
#include "platform/ui/UITableViewDataSource.h"

#include <typeindex>
#include <vector>

namespace celltest {

inline void fillCardCell(tavro::ChangeCardTableViewCell& cell, const std::shared_ptr<tavro::TavroCardDetails>& card,
                         bool primary, bool current)
{
    cell.setCardTitle(card->cardType());
    cell.setLastFour(card->networkName() + " ..." + card->lastFourDigits());
    cell.setCardBackgroundColor(card->cardArtColor());
    if (auto art = cell.transactionCardView.lock())
        art->customizeCardArt(card);
    cell.setIsPrimaryTransactionCard(primary);
    cell.setIsCurrentTransactionCard(current);
}

class CardListSource : public platform::UITableViewDataSource {
public:
    std::vector<std::shared_ptr<tavro::TavroCardDetails>> cards;
    int primaryIndex = 0;
    int currentIndex = 0;

    int numberOfRowsInSection(platform::UITableView&, int) override { return static_cast<int>(cards.size()); }
    std::shared_ptr<platform::UITableViewCell> cellForRowAt(platform::UITableView& table,
                                                            const platform::IndexPath& path) override
    {
        auto cell = std::dynamic_pointer_cast<tavro::ChangeCardTableViewCell>(
            table.dequeueReusableCell(tavro::StringConstants::RID_CHANGE_CARD_CELL(), path));
        if (cell)
            fillCardCell(*cell, cards[path.row], path.row == primaryIndex, path.row == currentIndex);
        return cell;
    }
};

// A table that makes its cells from the card cell's nib.
inline std::shared_ptr<platform::UITableView> makeCardTable(const std::shared_ptr<CardListSource>& source)
{
    tavro::ensureChangeCardCellNibRegistered();
    auto table = platform::NSObject::create<platform::UITableView>(platform::CGRect(0, 0, 375, 300));
    table->registerNib(tavro::bundleForClass(std::type_index(typeid(tavro::ChangeCardTableViewCell))),
                       tavro::StringConstants::LIST_ITEM_CHANGE_CARD_CELL(),
                       tavro::StringConstants::RID_CHANGE_CARD_CELL());
    // Self-sizing, as the card list has it: each row measures its cell's constraints.
    table->setRowHeight(platform::UITableViewAutomaticDimension);
    table->setDataSource(source);
    return table;
}

inline std::shared_ptr<tavro::TavroCardDetails> card(std::string lastFour, std::string type, std::string network,
                                                     const char* colour)
{
    return platform::NSObject::create<tavro::TavroCardDetails>(
        std::move(lastFour), std::move(type), nullptr, tavro::colorWithHexString(colour), nullptr, std::move(network));
}

} // namespace celltest
