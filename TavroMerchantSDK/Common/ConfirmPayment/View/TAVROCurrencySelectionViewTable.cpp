// The currency picker's search and its table: sections, rows, the active currency's highlight,
// picking and the empty-result view.
#include "TavroMerchantSDK/Common/ConfirmPayment/View/TAVROCurrencySelectionView.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"

#include "platform/foundation/Text.h"
#include "platform/graphics/UIFont.h"

namespace tavro {

using platform::IndexPath;
using platform::UITableView;

void TAVROCurrencySelectionView::textFieldDidChange(platform::UITextField& textField)
{
    const std::string& text = textField.text();
    m_filteredCurrenciesArr = m_currencySearch.filter(text);
    if (m_recentCurrenciesArr)
        m_filteredRecentCurrenciesArr = m_recentSearch.filter(text);
    m_tableView->reloadData();
    updateErrorView();
}

bool TAVROCurrencySelectionView::textFieldShouldReturn(platform::UITextField& textField)
{
    textField.resignFirstResponder();
    return true;
}

bool TAVROCurrencySelectionView::showsRecentSection() const
{
    return m_filteredRecentCurrenciesArr && !m_filteredRecentCurrenciesArr->empty();
}

void TAVROCurrencySelectionView::updateErrorView()
{
    // A match in either section keeps the table visible.
    m_errorView->setHidden(showsRecentSection() || !m_filteredCurrenciesArr.empty());
}

KCurrencyDataPtr TAVROCurrencySelectionView::recordAt(const IndexPath& indexPath) const
{
    const bool recentSection = showsRecentSection() && indexPath.section == 0;
    const auto& list = recentSection ? *m_filteredRecentCurrenciesArr : m_filteredCurrenciesArr;
    if (indexPath.row < 0 || static_cast<std::size_t>(indexPath.row) >= list.size())
        return nullptr;
    return list[static_cast<std::size_t>(indexPath.row)];
}

int TAVROCurrencySelectionView::numberOfSections(UITableView&)
{
    return showsRecentSection() ? 2 : 1;
}

int TAVROCurrencySelectionView::numberOfRowsInSection(UITableView&, int section)
{
    if (showsRecentSection() && section == 0)
        return static_cast<int>(m_filteredRecentCurrenciesArr->size());
    return static_cast<int>(m_filteredCurrenciesArr.size());
}

std::optional<std::string> TAVROCurrencySelectionView::titleForHeaderInSection(UITableView&, int section)
{
    if (section == 1)
        return "Currencies";
    return showsRecentSection() ? "Recently Used" : "";
}

double TAVROCurrencySelectionView::heightForRowAt(UITableView&, const IndexPath&)
{
    return rowHeight;
}

std::shared_ptr<platform::UITableViewCell> TAVROCurrencySelectionView::cellForRowAt(UITableView&,
                                                                                    const IndexPath& indexPath)
{
    auto cell = platform::NSObject::create<platform::UITableViewCell>(platform::UITableViewCellStyle::default_,
                                                                      std::optional<std::string>("cell"));
    cell->setAccessibilityIdentifier("CurrencyCell" + std::to_string(indexPath.row));
    cell->setSelectionStyle(platform::UITableViewCellSelectionStyle::none);
    auto record = recordAt(indexPath);
    if (!record)
        return cell;

    auto label = cell->textLabel();
    label->setText(record->currencyId() + " - " + record->currencyDescription());
    label->setFont(platform::UIFont::systemFont(14));
    label->setTextColor(colorWithHexString("#1D2A59"));

    // The highlight follows the active currency, not the last pick.
    const bool active = platform::text::toLower(record->currencyCode()) ==
                        platform::text::toLower(TavroSession::sharedSession()->activeCurrencyCode());
    cell->setSelected(active, false);
    cell->contentView()->setBackgroundColor(active ? colorWithHexString("#F2F4F8") : platform::UIColor::white());
    return cell;
}

void TAVROCurrencySelectionView::didSelectRowAt(UITableView& tableView, const IndexPath& indexPath)
{
    if (m_isClosing)
        return;
    if (auto cell = tableView.cellForRow(indexPath))
        cell->contentView()->setBackgroundColor(colorWithHexString("#F2F4F8"));
    auto record = recordAt(indexPath);
    if (!record)
        return;
    hideView(record->currencyCode());
    // The session holds the choice before the delegate hears of it.
    TavroSession::sharedSession()->setSelectedCurrency(record);
}

void TAVROCurrencySelectionView::didDeselectRowAt(UITableView& tableView, const IndexPath& indexPath)
{
    if (auto cell = tableView.cellForRow(indexPath))
        cell->contentView()->setBackgroundColor(platform::UIColor::white());
}

} // namespace tavro
