#pragma once
// TAVROConfirmPaymentViewController: the review-and-confirm screen. A collapsing card header at
// the top, the payment form (TAVROPaymentScrollView) below it and one large pay button at the
// bottom. It receives every row report the form passes on, keeps the focused row clear of the
// keyboard, collapses the header as the form scrolls, redraws the card when another card is
// chosen (it is the card list's TransactionCardDelegate) and can put a spinner on the pay button.
//
// Subclasses fill paymentCellObjects and override the pay action and the two row checks; the
// header's change buttons carry no action (a card list is pushed above the screen by its owner).
// Make with NSObject::create<T>(). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROCellViewProtocol.h"
#include "TavroMerchantSDK/Common/CellView/TAVROPaymentCellModel.h"
#include "TavroMerchantSDK/Common/CellView/TransactionCardDelegate.h"
#include "TavroMerchantSDK/controls/KActivityIndicator.h"
#include "TavroMerchantSDK/controls/KPrimaryButton.h"
#include "TavroMerchantSDK/controls/PaymentHeaderView.h"
#include "TavroMerchantSDK/core/TavroActiveFlow.h"
#include "TavroMerchantSDK/core/TavroCardDetails.h"
#include "TavroMerchantSDK/screens/TAVROPaymentScrollView.h"
#include "TavroMerchantSDK/screens/TavroBaseViewController.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITextField.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavro {

class TAVROConfirmPaymentViewController : public TavroBaseViewController,
                                          public TAVROCellViewProtocol,
                                          public TransactionCardDelegate,
                                          public platform::UIScrollViewDelegate {
public:
    // Extra scroll for a focused amount row, whose field is taller than it looks.
    static constexpr platform::CGFloat amountRowExtraScroll = 50;
    // Side of the spinner shown on the pay button.
    static constexpr platform::CGFloat payActivityIndicatorSide = 40;

    explicit TAVROConfirmPaymentViewController(std::optional<std::string> nibName = std::nullopt,
                                               std::shared_ptr<platform::Bundle> nibBundle = nullptr);
    ~TAVROConfirmPaymentViewController() override;

    // --- what createViews() made (null before the view loads) ---
    const std::shared_ptr<TAVROPaymentScrollView>& scrollView() const { return m_scrollView; }
    const std::shared_ptr<KPrimaryButton>& payButton() const { return m_payButton; }
    const std::shared_ptr<PaymentHeaderView>& paymentHeader() const { return m_paymentHeader; }
    const platform::NSLayoutConstraintPtr& headerHeightConstraint() const { return m_headerHeightConstraint; }
    const platform::NSLayoutConstraintPtr& scrollViewTopConstraint() const { return m_scrollViewTopConstraint; }
    // Made on first showPendingOnPayButton().
    const std::shared_ptr<KActivityIndicator>& payActivityIndicator() const { return m_payActivityIndicator; }

    // The flow the screen stands for; copied into the form when it is made.
    TavroActiveFlow screenType() const { return m_screenType; }
    void setScreenType(TavroActiveFlow type) { m_screenType = type; }
    platform::CGFloat payButtonHeight() const { return m_payButtonHeight; }
    // Expanded height of the header (130).
    platform::CGFloat paymentHeaderHeight() const { return m_paymentHeaderHeight; }
    // Scroll distance over which the header collapses (set when the views are made).
    platform::CGFloat headerHeight() const { return m_headerHeight; }
    // The text field of the row that last reported a touch, and that row's kind.
    const std::shared_ptr<platform::UITextField>& touchedTextFieldView() const { return m_touchedTextField; }
    const std::optional<CellType>& touchedCellType() const { return m_touchedCellType; }
    platform::CGPoint initialContentOffset() const { return m_initialContentOffset; }
    void setInitialContentOffset(platform::CGPoint offset) { m_initialContentOffset = offset; }
    // The form's rows; filled by the subclass.
    const std::optional<std::vector<TAVROPaymentCellModelPtr>>& paymentCellObjects() const
    {
        return m_paymentCellObjects;
    }
    void setPaymentCellObjects(std::optional<std::vector<TAVROPaymentCellModelPtr>> models)
    {
        m_paymentCellObjects = std::move(models);
    }
    // Cards the header can show.
    const std::vector<std::shared_ptr<TavroCardDetails>>& cards() const { return m_cards; }
    void setCards(std::vector<std::shared_ptr<TavroCardDetails>> cards) { m_cards = std::move(cards); }
    // Index into cards() of the card shown; -1 at first. Assigning a valid index redraws the card
    // (updateTransactionCard); any other index is refused with one debug line.
    long long cardIndex() const { return m_cardIndex; }
    void setCardIndex(long long index);
    bool canChangeCard() const { return m_canChangeCard; }
    void setCanChangeCard(bool canChange) { m_canChangeCard = canChange; }

    // --- life cycle ---
    // The platform's view, then createViews().
    void loadView() override;
    // Title, keyboard observers, the expanded header; with fewer than two cards the header's
    // change buttons are hidden.
    void viewDidLoad() override;
    // Hooks the form to this screen and re-applies its content size.
    void viewDidLayoutSubviews() override;

    // --- overridable steps ---
    // Shows card `index` in the header: the localised card title with "[Bank Name]",
    // "[Network Name]" and "[Four Digit]" filled in, and the card art. An index outside cards()
    // is refused with one debug line.
    virtual void updateTransactionCard(long long index);
    // The pay button's action; here the pending state.
    virtual void payButtonPressed();
    // Ends editing first, then the spinner over the pay button (made once, reused), the button
    // disabled with an empty title, the view inert. Nothing here undoes it.
    virtual void showPendingOnPayButton();

    // --- row reports (through the form) ---
    bool isVaildData(TAVROCellView& inputCellView, const std::optional<std::string>& text) override;
    // An amount report with a text titles the pay button "PAY <text>"; nothing else changes.
    void cellViewType(CellType cellType, const std::optional<std::string>& dataString, bool isVaild) override;
    void touchedTextField(CellType cellType, const std::shared_ptr<platform::UITextField>& textField) override;

    // A card was chosen in the card list above this screen: show it, remember it in the session
    // and pop the list. An index outside cards() is ignored with one debug line.
    void transactionCardChanged(long long index) override;

    // --- building and layout (not meant to be overridden) ---
    void createViews();
    void addConstraintForPayButton(const std::shared_ptr<KPrimaryButton>& button);
    void addConstraintForScrollView(const std::shared_ptr<TAVROPaymentScrollView>& form);
    void addConstraintForPaymentHeader(const std::shared_ptr<PaymentHeaderView>& header);
    // Header height for a collapse progress from 0 (expanded) to 1 (ending at the form's top).
    void updateHeightForProgress(double progress);
    // Observes keyboard show and hide (any sender) for the screen's life.
    void registerNotificationsForKeyboard();
    // Scrolls the focused row clear of the keyboard. A notification without the keyboard's end
    // frame, or a focused field that is not inside a row of the form, is ignored with one debug
    // line; with no focused field nothing happens.
    void keyboardWillShow(const platform::Notification& notification);
    void keyboardWillHide(const platform::Notification& notification);
    // Collapses the header with the form's vertical offset.
    void scrollViewDidScroll(platform::UIScrollView& scrollView) override;

protected:
    void setPayButtonHeight(platform::CGFloat height) { m_payButtonHeight = height; }

private:
    void removeKeyboardObservers();
    bool isValidCardIndex(long long index) const;

    std::shared_ptr<TAVROPaymentScrollView> m_scrollView;
    TavroActiveFlow m_screenType = TavroActiveFlow::none;
    std::shared_ptr<KPrimaryButton> m_payButton;
    platform::CGFloat m_payButtonHeight = 60;
    std::shared_ptr<PaymentHeaderView> m_paymentHeader;
    platform::CGFloat m_paymentHeaderHeight = 130;
    platform::NSLayoutConstraintPtr m_headerHeightConstraint;
    platform::NSLayoutConstraintPtr m_scrollViewTopConstraint;
    platform::CGFloat m_headerHeight = 0;
    std::shared_ptr<platform::UITextField> m_touchedTextField;
    std::optional<CellType> m_touchedCellType;
    std::shared_ptr<KActivityIndicator> m_payActivityIndicator;
    platform::CGPoint m_initialContentOffset;
    std::optional<std::vector<TAVROPaymentCellModelPtr>> m_paymentCellObjects;
    std::vector<std::shared_ptr<TavroCardDetails>> m_cards;
    long long m_cardIndex = -1;
    bool m_canChangeCard = true;
    std::vector<std::shared_ptr<platform::NotificationObserverToken>> m_keyboardObservers;
};

} // namespace tavro
