#pragma once
// ChangeCardTableViewController: the card chooser. A one-section list of the user's cards (one
// ChangeCardTableViewCell per card) marking the primary card and the card chosen for the current
// transaction; every tap moves the selection mark to the tapped row and tells the delegate its
// index. The host fills the cards, the two indexes and the delegate before the view loads, shows
// the screen and closes it; the screen itself changes nothing but its own marks and indexes.
//
// Its view comes from the nib StringConstants::CHANGE_CARDS_CONTROLLER() of the framework bundle
// (see ChangeCardTableViewControllerNib.h). Make with
// NSObject::create<ChangeCardTableViewController>(). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TransactionCardDelegate.h"
#include "TavroMerchantSDK/core/TavroCardDetails.h"
#include "TavroMerchantSDK/screens/TavroBaseViewController.h"
#include "platform/ui/UITableView.h"
#include "platform/ui/UITableViewDataSource.h"
#include "platform/ui/UITableViewDelegate.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavro {

class ChangeCardTableViewController : public TavroBaseViewController,
                                      public platform::UITableViewDelegate,
                                      public platform::UITableViewDataSource {
public:
    // Both arguments are ignored: the screen always loads its own nib from the framework bundle.
    explicit ChangeCardTableViewController(std::optional<std::string> nibName = std::nullopt,
                                           std::shared_ptr<platform::Bundle> nibBundle = nullptr);

    // The list; connected by the nib, which also makes the screen its data source and delegate.
    std::weak_ptr<platform::UITableView> tableView;

    // The cards in display order (row n shows element n). Setting it does not reload the table.
    const std::vector<std::shared_ptr<TavroCardDetails>>& transactionCardsList() const
    {
        return m_transactionCardsList;
    }
    void setTransactionCardsList(std::vector<std::shared_ptr<TavroCardDetails>> cards)
    {
        m_transactionCardsList = std::move(cards);
    }
    // Row of the user's primary card; 0 at first.
    long long primaryCardIndex() const { return m_primaryCardIndex; }
    void setPrimaryCardIndex(long long index) { m_primaryCardIndex = index; }
    // Row of the card chosen for the transaction; -1 (none) at first.
    long long selectedCardIndex() const { return m_selectedCardIndex; }
    void setSelectedCardIndex(long long index) { m_selectedCardIndex = index; }
    // Hears each new choice; held weakly.
    std::shared_ptr<TransactionCardDelegate> transactionCardDelegate() const
    {
        return m_transactionCardDelegate.lock();
    }
    void setTransactionCardDelegate(std::weak_ptr<TransactionCardDelegate> delegate)
    {
        m_transactionCardDelegate = std::move(delegate);
    }

    // Title, and the card cell's nib registered with the table.
    void viewDidLoad() override;
    // Lays the root view out at once.
    void viewWillAppear(bool animated) override;

    // Clears the selection mark of row `index` when its cell is on screen; -1 does nothing. A row
    // off screen gets its marks from the indexes when it comes back.
    void resetCardSelection(long long index);

    // --- table data source and delegate ---
    int numberOfSections(platform::UITableView& tableView) override;
    int numberOfRowsInSection(platform::UITableView& tableView, int section) override;
    std::shared_ptr<platform::UITableViewCell> cellForRowAt(platform::UITableView& tableView,
                                                            const platform::IndexPath& indexPath) override;
    // Automatic: each row is as high as the card cell's constraints make it (72 points).
    double heightForRowAt(platform::UITableView& tableView, const platform::IndexPath& indexPath) override;
    double estimatedHeightForRowAt(platform::UITableView& tableView, const platform::IndexPath& indexPath) override;
    void didSelectRowAt(platform::UITableView& tableView, const platform::IndexPath& indexPath) override;

private:
    std::vector<std::shared_ptr<TavroCardDetails>> m_transactionCardsList;
    long long m_primaryCardIndex = 0;
    long long m_selectedCardIndex = -1;
    std::weak_ptr<TransactionCardDelegate> m_transactionCardDelegate;
};

} // namespace tavro
