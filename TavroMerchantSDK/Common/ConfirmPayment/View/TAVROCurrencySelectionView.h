#pragma once
// TAVROCurrencySelectionView: the full-screen overlay in which the merchant picks a payment
// currency. A dimmed backdrop holds a white panel with a header ("Select Currency" and a close
// control), a search field and a table of currencies in up to two sections, "Recently Used" and
// "Currencies". Typing filters both sections by alphabetic code or English name; when neither
// section has a match a fixed message covers the table. Picking a row stores the record as the
// session's selectedCurrency and reports its numeric code; the close control reports the
// session's active currency code. Closing fades out in 0.2 s, removes the overlay from its
// superview, then tells the delegate once.
//
// The owner makes it with NSObject::create<TAVROCurrencySelectionView>(screen bounds), tags it,
// sets itself as the (weakly held) delegate, adds it to the framework's window and calls show().
// A closed overlay is not reused: its keyboard observers are gone and its lists are stale.
// Every subview gets a fixed frame when the overlay is built; nothing is laid out again.
// Main thread only.

#include "TavroMerchantSDK/Common/ConfirmPayment/View/CurrencySearchIndex.h"
#include "TavroMerchantSDK/Common/ConfirmPayment/View/TAVROCurrencySelectionViewDelegate.h"
#include "TavroMerchantSDK/support/KCurrencyData.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UITableView.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UIView.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavro {

class TAVROCurrencySelectionView : public platform::UIView,
                                   public platform::UITextFieldDelegate,
                                   public platform::UITableViewDelegate,
                                   public platform::UITableViewDataSource {
public:
    static constexpr double fadeDuration = 0.2;
    static constexpr double rowHeight = 60;
    static constexpr double headerHeight = 56;
    static constexpr double searchHeight = 44;

    // The whole overlay is built by the creation step (see didCreate), at alpha 0.
    explicit TAVROCurrencySelectionView(const platform::CGRect& frame);

    // --- lists ---
    // The "Currencies" list as KCurrencyData::getCurrencies() returned it when the overlay was built.
    const std::vector<KCurrencyDataPtr>& currenciesArr() const { return m_currenciesArr; }
    // What the "Currencies" section shows.
    const std::vector<KCurrencyDataPtr>& filteredCurrenciesArr() const { return m_filteredCurrenciesArr; }
    // The recently used list as returned; none only when getCurrencies() gave none.
    const std::optional<std::vector<KCurrencyDataPtr>>& recentCurrenciesArr() const { return m_recentCurrenciesArr; }
    // What the "Recently Used" section shows; the section is there only while this is not empty.
    const std::optional<std::vector<KCurrencyDataPtr>>& filteredRecentCurrenciesArr() const
    {
        return m_filteredRecentCurrenciesArr;
    }

    // --- views ---
    // The white panel, inset 24 points at the sides, 60 from the top and bottom.
    const platform::UIViewPtr& contentView() const { return m_contentView; }
    const std::shared_ptr<platform::UITableView>& tableView() const { return m_tableView; }
    // Covers the table while neither section has a match.
    const platform::UIViewPtr& errorView() const { return m_errorView; }
    // Where the next part of the panel goes while it is built: 56 after the header, 100 after the
    // search field.
    double currentY() const { return m_currentY; }

    std::shared_ptr<TAVROCurrencySelectionViewDelegate> currencySelectionDelegate() const
    {
        return m_currencySelectionDelegate.lock();
    }
    void setCurrencySelectionDelegate(std::weak_ptr<TAVROCurrencySelectionViewDelegate> delegate)
    {
        m_currencySelectionDelegate = std::move(delegate);
    }

    // --- opening and closing ---
    // Fades the overlay in (alpha 0 to 1 in 0.2 s).
    void show();
    // Stops listening to the keyboard, fades out in 0.2 s, then leaves the superview and reports
    // `currency` to the delegate (if it is still there). Only the first close counts: a close or a
    // pick while the overlay fades out is ignored, so each opening makes one report.
    void hideView(const std::string& currency);
    // The header's close control: hideView() with the session's active currency code.
    void closeBtnAction();

    // --- search field ---
    // Editing-changed action: filters both lists by the field's text, reloads the table and shows
    // the empty-result view when neither section has a match.
    void textFieldDidChange(platform::UITextField& textField);
    // The field gives up the keyboard.
    bool textFieldShouldReturn(platform::UITextField& textField) override;

    // --- table ---
    int numberOfSections(platform::UITableView& tableView) override;
    int numberOfRowsInSection(platform::UITableView& tableView, int section) override;
    std::optional<std::string> titleForHeaderInSection(platform::UITableView& tableView, int section) override;
    double heightForRowAt(platform::UITableView& tableView, const platform::IndexPath& indexPath) override;
    // A new cell for every row ("CurrencyCell<row>"), highlighted when it is the active currency.
    std::shared_ptr<platform::UITableViewCell> cellForRowAt(platform::UITableView& tableView,
                                                            const platform::IndexPath& indexPath) override;
    // Picks the row's currency: closes with its numeric code and stores it in the session. Ignored
    // once the overlay is closing.
    void didSelectRowAt(platform::UITableView& tableView, const platform::IndexPath& indexPath) override;
    void didDeselectRowAt(platform::UITableView& tableView, const platform::IndexPath& indexPath) override;

protected:
    // Builds the overlay: backdrop, lists, then the steps below in order.
    void didCreate() override;
    // The white panel; the overlay's alpha becomes 0.
    virtual void setupView();
    virtual void setupHeaderView();
    virtual void setupSearchView();
    virtual void setupTableView();
    virtual void setupErrorView();
    // Follows the keyboard: the table's bottom inset is the keyboard's height while it is up.
    virtual void setupKeyboardNotifications();

private:
    // Whether the "Recently Used" section is showing.
    bool showsRecentSection() const;
    // The record a row shows; null for a row outside the lists.
    KCurrencyDataPtr recordAt(const platform::IndexPath& indexPath) const;
    // Shows the empty-result view exactly while both filtered sections are empty.
    void updateErrorView();
    void removeKeyboardObservers();
    // Fades out, then calls `finished` whether or not the fade ran its course.
    void hide(std::function<void()> finished);

    std::vector<KCurrencyDataPtr> m_currenciesArr;
    std::vector<KCurrencyDataPtr> m_filteredCurrenciesArr;
    std::optional<std::vector<KCurrencyDataPtr>> m_recentCurrenciesArr;
    std::optional<std::vector<KCurrencyDataPtr>> m_filteredRecentCurrenciesArr;
    platform::UIViewPtr m_contentView;
    std::shared_ptr<platform::UITableView> m_tableView;
    platform::UIViewPtr m_errorView;
    double m_currentY = 0;
    bool m_isClosing = false;
    std::weak_ptr<TAVROCurrencySelectionViewDelegate> m_currencySelectionDelegate;

    CurrencySearchIndex m_currencySearch;
    CurrencySearchIndex m_recentSearch;
    std::vector<std::shared_ptr<platform::NotificationObserverToken>> m_keyboardObservers;
};

} // namespace tavro
