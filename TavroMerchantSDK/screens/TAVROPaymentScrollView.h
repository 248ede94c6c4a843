#pragma once
// TAVROPaymentScrollView: the vertical form of every payment screen. The owner hands it a list of
// row models; it makes one row per model (the kind chosen by the model's CellType and by the
// flow it serves), stacks the rows top to bottom with constraints frozen from their frames,
// sizes its content and becomes every row's owner. It then stands between the rows and the
// screen: it checks and stores the request's optional fields (at most 25 code points each, the
// additional-data template at most 99; a field switched off is let go whatever the limit), keeps
// the models' values, opens and closes switch rows, refreshes the summary, opens the currency
// picker and passes on to its owner (paymentDelegate) what the owner must hear.
//
// Before prepareView() the owner sets screenType and paymentDelegate (and, as its flow needs,
// viewController, additionalRequest, isCurrencyLocked, serviceFee, paymentHeaderHeight), adds
// the form to its view and gives it its frame: row widths come from that frame. Owners call
// prepareView() once; a later call adds its rows to those already there.
//
// The owner and the screen are held weakly (the owner holds the form), rows hold the form
// weakly. Make with NSObject::create<TAVROPaymentScrollView>(frame). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROCellViewProtocol.h"
#include "TavroMerchantSDK/Common/CellView/TAVRODropDownCellDelegate.h"
#include "TavroMerchantSDK/Common/CellView/TAVROPaymentCellModel.h"
#include "TavroMerchantSDK/Common/ConfirmPayment/View/TAVROCurrencySelectionViewDelegate.h"
#include "TavroMerchantSDK/core/TavroActiveFlow.h"
#include "TavroMerchantSDK/core/TavroPaymentRequest.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UIViewController.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tavro {

class KCheckboxWithText;
class TAVROFXAmountCellView;
class TAVROFXDropDownCellView;
class TAVROInputCellView;
class TAVROSummaryCellView;
class TAVROSwitchCellView;
class TAVROTipCellView;

class TAVROPaymentScrollView : public platform::UIScrollView,
                               public TAVROCellViewProtocol,
                               public TAVRODropDownCellDelegate,
                               public TAVROCurrencySelectionViewDelegate {
public:
    // One slot per CellType raw value (0...18), with room to spare.
    static constexpr std::size_t slotCount = 20;
    // Heights of a switch row that is off and on.
    static constexpr platform::CGFloat switchCellClosedHeight = 72;
    static constexpr platform::CGFloat switchCellOpenHeight = 212;
    // The tag the currency picker carries in the framework's window.
    static constexpr int currencyPickerTag = 10029;
    // Length of a switch row's opening or closing.
    static constexpr double switchAnimationDuration = 0.25;
    // Code points an optional field takes at most.
    static constexpr std::size_t maximumOptionalFieldLength = 25;

    explicit TAVROPaymentScrollView(const platform::CGRect& frame = {});

    // --- what the owner sets before building ---
    std::shared_ptr<platform::UIViewController> viewController() const { return m_viewController.lock(); }
    void setViewController(std::weak_ptr<platform::UIViewController> controller)
    {
        m_viewController = std::move(controller);
    }
    const std::vector<TAVROPaymentCellModelPtr>& paymentCellObjects() const { return m_paymentCellObjects; }
    void setPaymentCellObjects(std::vector<TAVROPaymentCellModelPtr> models)
    {
        m_paymentCellObjects = std::move(models);
    }
    // The flow the form serves; picks row kinds and sizes.
    TavroActiveFlow screenType() const { return m_screenType; }
    void setScreenType(TavroActiveFlow type) { m_screenType = type; }
    // Room above the form for a header: outside the request flow the first row starts at half of
    // it plus 10.
    platform::CGFloat paymentHeaderHeight() const { return m_paymentHeaderHeight; }
    void setPaymentHeaderHeight(platform::CGFloat height) { m_paymentHeaderHeight = height; }
    std::shared_ptr<TAVROCellViewProtocol> paymentDelegate() const { return m_paymentDelegate.lock(); }
    void setPaymentDelegate(std::weak_ptr<TAVROCellViewProtocol> delegate) { m_paymentDelegate = std::move(delegate); }
    // The request whose optional fields the form checks and writes (never null).
    const std::shared_ptr<TavroPaymentRequest>& additionalRequest() const { return m_additionalRequest; }
    void setAdditionalRequest(std::shared_ptr<TavroPaymentRequest> request);
    // The withdraw-cash flow's fee; "0" leaves out that flow's summary row.
    const std::string& serviceFee() const { return m_serviceFee; }
    void setServiceFee(std::string fee) { m_serviceFee = std::move(fee); }
    // Locks the amount row's currency drop-down; also picks its width (90 locked, 110 open).
    bool isCurrencyLocked() const { return m_isCurrencyLocked; }
    void setIsCurrencyLocked(bool locked) { m_isCurrencyLocked = locked; }

    // --- what building made ---
    const std::shared_ptr<TAVROTipCellView>& cellView() const { return m_tipCellView; }
    const std::shared_ptr<TAVROTipCellView>& tipCellView() const { return m_tipCellView; }
    const platform::UIViewPtr& lastView() const { return m_lastView; }
    // The content size last computed; owners re-apply it after each layout pass.
    platform::CGSize sContentSize() const { return m_sContentSize; }
    const std::shared_ptr<TAVROFXAmountCellView>& amountCellView() const { return m_amountCellView; }
    const std::shared_ptr<TAVROSummaryCellView>& summaryCellView() const { return m_summaryCellView; }
    const std::shared_ptr<TAVROInputCellView>& cardCellView() const { return m_cardCellView; }
    const std::shared_ptr<TAVROFXDropDownCellView>& currencyDropDownCell() const { return m_currencyDropDownCell; }
    const std::shared_ptr<KCheckboxWithText>& saveLaterCellView() const { return m_saveLaterCellView; }
    // The switch row of a kind, and its height constraint; null when there is none.
    std::shared_ptr<TAVROSwitchCellView> switchCell(CellType type) const;
    platform::NSLayoutConstraintPtr switchHeightConstraint(CellType type) const;

    // --- building ---
    // Builds one row per model (an absent list does nothing), closes the chain at the bottom,
    // sizes the content, paints white and runs the additional-data limit check.
    virtual void prepareView(const std::optional<std::vector<TAVROPaymentCellModelPtr>>& paymentCellObjects);
    // Recomputes the content size (the union of the subviews' frames), applies and stores it.
    virtual void setScrollContentSize();
    // Scrolls by `distance` (animated) to clear the keyboard, `room` being the screen's part above
    // it in window coordinates. Where that would take `field` above the form's top and the room
    // between the form's top and the band can hold the field, the field's top goes to the form's
    // top. The form never goes past its top (a row left above the view by a scroll made for another
    // screen size); a distance of zero stops a scroll still running.
    void scrollClearOfKeyboard(platform::CGFloat distance, const platform::UIViewPtr& field,
                               const platform::CGRect& room);
    // Ties a just-added row into the chain: top to lastView's bottom (or the form's top),
    // leading, trailing and a fixed height, each frozen from the frames. The height is kept as
    // the tip row's (addTip) or, in the request flow, as the switch slot of `cellType`.
    void addConstraintFor(const platform::UIViewPtr& view, CellType cellType);
    // Asks the request whether its additional data fits: over 99 characters the owner shows the
    // limit message and disables its button, else enables it; at 99 and over, switch rows that
    // are off are dimmed and cannot be switched on.
    void checkAdditionalDataLimit();
    // Whether the request's additional data is over the limit now.
    bool isOverAdditionalDataLimit() const;
    // Whether `text` passes the rule of the row of `type`, the additional-data limit aside: the
    // amount row's digit limit, an optional field's length and its switch row's own rule.
    bool passesFieldRule(CellType type, const std::optional<std::string>& text) const;

    // --- callbacks and their effects ---
    // Opens (isOn) or closes a switch row in 0.25 s, then scrolls it into view, unless a text field
    // of the form took the focus meanwhile (it keeps the place the keyboard gave it).
    virtual void updateSwitchHeight(CellType cellType, bool isOn);
    // By the session's flow: nothing (refund); every switch row emptied and closed (request);
    // the totals of the pay flows otherwise.
    virtual void updateSummary();
    // Closes the currency picker showing in the framework's window, or opens a new one.
    virtual void toggleCurrencyListView();

    bool isVaildData(TAVROCellView& inputCellView, const std::optional<std::string>& text) override;
    void cellViewType(CellType cellType, const std::optional<std::string>& dataString, bool isVaild) override;
    void touchedTextField(CellType cellType, const std::shared_ptr<platform::UITextField>& textField) override;
    // Rows' own messages and button requests stay here; the owner hears the form's decisions.
    void didChangeTipsAmount(TAVROCellView& inputCellView, double tipsAmount) override;
    void didChangeCurrency(const std::string& currency) override;
    void didSelectDropDownBtnAction() override;
    void didCloseSelectionView(const std::string& currency) override;

private:
    struct RowPlacement {
        platform::CGFloat y = 0;
        platform::CGFloat width = 0;
    };
    // One row per kind; each places its row at `place.y` and moves it down by what it used.
    void addRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place);
    void addMerchantDetailRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place);
    void addMessageRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place);
    void addPaymentAmountRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place);
    void addTipRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place);
    void addSummaryRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place);
    void addSwitchRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place);
    void addInputRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place);
    void addSaveLaterRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place);
    void addResetRow(RowPlacement& place);
    // Adds `row`, ties it in and makes it lastView.
    void placeRow(const platform::UIViewPtr& row, CellType constraintType);
    bool isRequestForm() const { return m_screenType == TavroActiveFlow::requestPayment; }
    // The union of the subviews' frames.
    platform::CGSize computedContentSize() const;
    // Hands the tip row its height constraint.
    void keepTipHeightConstraint(platform::NSLayoutConstraintPtr constraint);
    // The pay flows' totals from the fourth to sixth models.
    void updateConsumerSummary();
    // After an amount change outside the request flow: the tip again, then the summary.
    void refreshTipAndSummary(CellType cellType);
    // The amount row's drop-down back to its closed look.
    void resetCurrencyDropDown();
    // The model of position `index`, null past the end.
    TAVROPaymentCellModelPtr modelAt(std::size_t index) const;
    // The request flow's reset: every switch row emptied, valid, at rest and closed.
    void resetSwitchRows();

    std::weak_ptr<platform::UIViewController> m_viewController;
    std::vector<TAVROPaymentCellModelPtr> m_paymentCellObjects;
    TavroActiveFlow m_screenType = TavroActiveFlow::none;
    platform::CGFloat m_paymentHeaderHeight = 130;
    std::weak_ptr<TAVROCellViewProtocol> m_paymentDelegate;
    std::shared_ptr<TavroPaymentRequest> m_additionalRequest;
    std::string m_serviceFee = "0.0";
    bool m_isCurrencyLocked = true;
    platform::UIViewPtr m_lastView;
    platform::CGSize m_sContentSize;
    std::shared_ptr<TAVROFXAmountCellView> m_amountCellView;
    std::shared_ptr<TAVROSummaryCellView> m_summaryCellView;
    std::shared_ptr<TAVROTipCellView> m_tipCellView;
    std::shared_ptr<TAVROInputCellView> m_cardCellView;
    std::shared_ptr<TAVROFXDropDownCellView> m_currencyDropDownCell;
    std::array<std::shared_ptr<TAVROSwitchCellView>, slotCount> m_switchCells;
    std::array<platform::NSLayoutConstraintPtr, slotCount> m_switchHeightConstraints;
    std::shared_ptr<KCheckboxWithText> m_saveLaterCellView;
};

} // namespace tavro
