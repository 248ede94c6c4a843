#include "TavroMerchantSDK/screens/ChangeCardTableViewController.h"

#include "TavroMerchantSDK/Common/CellView/ChangeCardTableViewCell.h"
#include "TavroMerchantSDK/Common/CellView/ChangeCardTableViewCellNib.h"
#include "TavroMerchantSDK/screens/ChangeCardTableViewControllerNib.h"
#include "TavroMerchantSDK/support/KUtilsClassBundle.h"
#include "TavroMerchantSDK/support/StringConstants.h"

#include <typeindex>

namespace tavro {

using platform::IndexPath;
using platform::UITableView;

namespace {

std::shared_ptr<platform::Bundle> frameworkBundle()
{
    return bundleForClass(std::type_index(typeid(ChangeCardTableViewCell)));
}

// The nib is registered before the base screen could ever load it.
std::string registeredControllerNib()
{
    ensureChangeCardsControllerNibRegistered();
    ensureChangeCardCellNibRegistered();
    return StringConstants::CHANGE_CARDS_CONTROLLER();
}

std::shared_ptr<ChangeCardTableViewCell> visibleCardCell(UITableView& table, long long row)
{
    if (row < 0)
        return nullptr;
    return std::dynamic_pointer_cast<ChangeCardTableViewCell>(
        table.cellForRow(IndexPath::forRow(static_cast<int>(row), 0)));
}

} // namespace

ChangeCardTableViewController::ChangeCardTableViewController(std::optional<std::string>,
                                                             std::shared_ptr<platform::Bundle>)
    : TavroBaseViewController(registeredControllerNib(), frameworkBundle())
{
}

void ChangeCardTableViewController::viewDidLoad()
{
    TavroBaseViewController::viewDidLoad();
    setTitle(StringConstants::CHANGE_CARD_TITLE());
    if (auto table = tableView.lock())
        table->registerNib(frameworkBundle(), StringConstants::LIST_ITEM_CHANGE_CARD_CELL(),
                           StringConstants::RID_CHANGE_CARD_CELL());
}

void ChangeCardTableViewController::viewWillAppear(bool animated)
{
    TavroBaseViewController::viewWillAppear(animated);
    view()->layoutIfNeeded();
}

int ChangeCardTableViewController::numberOfSections(UITableView&)
{
    return 1;
}

int ChangeCardTableViewController::numberOfRowsInSection(UITableView&, int)
{
    return static_cast<int>(m_transactionCardsList.size());
}

double ChangeCardTableViewController::heightForRowAt(UITableView&, const IndexPath&)
{
    return platform::UITableViewAutomaticDimension;
}

double ChangeCardTableViewController::estimatedHeightForRowAt(UITableView&, const IndexPath&)
{
    return platform::UITableViewAutomaticDimension;
}

std::shared_ptr<platform::UITableViewCell> ChangeCardTableViewController::cellForRowAt(UITableView& table,
                                                                                       const IndexPath& indexPath)
{
    auto dequeued = table.dequeueReusableCell(StringConstants::RID_CHANGE_CARD_CELL(), indexPath);
    auto cell = std::dynamic_pointer_cast<ChangeCardTableViewCell>(dequeued);
    const auto row = static_cast<std::size_t>(indexPath.row);
    if (!cell || row >= m_transactionCardsList.size())
        return dequeued;
    cell->setAccessibilityIdentifier("CardCell" + std::to_string(indexPath.row));
    const auto& card = m_transactionCardsList[row];
    cell->setCardTitle(card->cardType());
    cell->setLastFour(card->networkName() + " ..." + card->lastFourDigits());
    cell->setCardBackgroundColor(card->cardArtColor());
    if (auto art = cell->transactionCardView.lock())
        art->customizeCardArt(card);
    cell->setIsPrimaryTransactionCard(indexPath.row == m_primaryCardIndex);
    cell->setIsCurrentTransactionCard(indexPath.row == m_selectedCardIndex);
    return cell;
}

void ChangeCardTableViewController::didSelectRowAt(UITableView& table, const IndexPath& indexPath)
{
    table.scrollToRow(indexPath, platform::UITableViewScrollPosition::none, true);
    resetCardSelection(m_selectedCardIndex);
    m_selectedCardIndex = indexPath.row;
    if (auto cell = visibleCardCell(table, indexPath.row))
        cell->setIsCurrentTransactionCard(true);
    if (auto delegate = transactionCardDelegate())
        delegate->transactionCardChanged(indexPath.row);
}

void ChangeCardTableViewController::resetCardSelection(long long index)
{
    auto table = tableView.lock();
    if (index == -1 || !table)
        return;
    if (auto cell = visibleCardCell(*table, index))
        cell->setIsCurrentTransactionCard(false);
}

} // namespace tavro
