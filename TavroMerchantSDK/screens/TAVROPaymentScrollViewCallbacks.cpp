// What the payment form does with its rows' reports: field checks, model updates, switch rows
// opening and closing, the reset, the currency picker, and what it passes on to its owner.

#include "TavroMerchantSDK/screens/TAVROPaymentScrollView.h"

#include "TavroMerchantSDK/Common/CellView/CustomerEntersValue.h"
#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"
#include "TavroMerchantSDK/Common/ConfirmPayment/View/TAVROCurrencySelectionView.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/base/StringExtensions.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UITextField.h"

namespace tavro {

using platform::NSObject;
using OptionalText = std::optional<std::string>;

namespace {

// The request field an additional-data kind edits; null for other kinds.
void (TavroPaymentRequest::*fieldSetter(CellType type))(OptionalText)
{
    switch (type) {
    case CellType::billNumber: return &TavroPaymentRequest::setBillID;
    case CellType::mobileNumber: return &TavroPaymentRequest::setMobileNumber;
    case CellType::storeID: return &TavroPaymentRequest::setStoreID;
    case CellType::loyaltyNumber: return &TavroPaymentRequest::setLoyaltyNumber;
    case CellType::referenceID: return &TavroPaymentRequest::setReferenceID;
    case CellType::consumerID: return &TavroPaymentRequest::setConsumerID;
    case CellType::terminalID: return &TavroPaymentRequest::setTerminalID;
    case CellType::paymentPurpose: return &TavroPaymentRequest::setPurpose;
    default: return nullptr;
    }
}

bool fitsOptionalField(const OptionalText& text)
{
    return !text || lengthOf(*text, TextUnit::codePoints) <= TAVROPaymentScrollView::maximumOptionalFieldLength;
}

} // namespace

bool TAVROPaymentScrollView::isVaildData(TAVROCellView& inputCellView, const OptionalText& text)
{
    auto delegate = paymentDelegate();
    if (!delegate)
        return true;
    bool textValid = true;
    bool heldByLimit = true;
    if (auto setter = fieldSetter(inputCellView.cellType())) {
        textValid = fitsOptionalField(text);
        // No text is a row switched off: letting a value go is never refused, whatever the limit.
        heldByLimit = text.has_value();
        // Stored even when too long, so the limit check measures what the merchant sees; a switch
        // row left empty is measured as the "***" it is written as.
        const bool customerEnters = isRequestForm() && text && text->empty();
        ((*m_additionalRequest).*setter)(customerEnters ? OptionalText(kCustomerEntersValue) : text);
    }
    checkAdditionalDataLimit();
    if ((heldByLimit && isOverAdditionalDataLimit()) || !textValid)
        return false;
    return delegate->isVaildData(inputCellView, text);
}

bool TAVROPaymentScrollView::isOverAdditionalDataLimit() const
{
    return m_additionalRequest->getAdditionalTlvValidCount().first;
}

bool TAVROPaymentScrollView::passesFieldRule(CellType type, const OptionalText& text) const
{
    if (type == CellType::paymentAmount)
        return !m_amountCellView || m_amountCellView->isWithinDigitLimit(text);
    if (!fieldSetter(type))
        return true;
    const auto row = switchCell(type);
    return fitsOptionalField(text) && (!row || row->passesOwnRule(text));
}

void TAVROPaymentScrollView::cellViewType(CellType cellType, const OptionalText& dataString, bool isVaild)
{
    // The owner may drop the form from its callback.
    auto self = sharedFromThis<TAVROPaymentScrollView>();
    if (auto delegate = paymentDelegate())
        delegate->cellViewType(cellType, dataString, isVaild);

    for (const auto& model : m_paymentCellObjects) {
        if (model && model->cellType() == cellType) {
            model->setValue(dataString.value_or(""));
            break;
        }
    }

    if (isRequestForm()) {
        if (dataString == kCustomerEntersValue)
            updateSwitchHeight(cellType, isVaild);
    } else {
        refreshTipAndSummary(cellType);
    }

    if (auto delegate = paymentDelegate())
        delegate->updateTotalAmount(TavroSession::sharedSession()->totalPaymentAmount());
}

void TAVROPaymentScrollView::touchedTextField(CellType cellType,
                                              const std::shared_ptr<platform::UITextField>& textField)
{
    if (auto delegate = paymentDelegate())
        delegate->touchedTextField(cellType, textField);
}

void TAVROPaymentScrollView::didChangeTipsAmount(TAVROCellView& inputCellView, double tipsAmount)
{
    if (auto delegate = paymentDelegate())
        delegate->didChangeTipsAmount(inputCellView, tipsAmount);
}

void TAVROPaymentScrollView::didChangeCurrency(const std::string& currency)
{
    if (auto delegate = paymentDelegate())
        delegate->didChangeCurrency(currency);
}

void TAVROPaymentScrollView::updateSwitchHeight(CellType cellType, bool isOn)
{
    auto row = switchCell(cellType);
    auto constraint = switchHeightConstraint(cellType);
    if (!row || !constraint)
        return;
    constraint->setConstant(isOn ? switchCellOpenHeight : switchCellClosedHeight);
    row->inputCell()->setHidden(!isOn);
    row->msgBG()->setHidden(!isOn);

    std::weak_ptr<TAVROPaymentScrollView> weakSelf = sharedFromThis<TAVROPaymentScrollView>();
    std::weak_ptr<TAVROSwitchCellView> weakRow = row;
    std::weak_ptr<platform::UIResponder> focusedAtStart = platform::UIResponder::currentFirstResponder();
    platform::UIView::animate(
        switchAnimationDuration,
        [weakSelf] {
            if (auto self = weakSelf.lock())
                self->layoutIfNeeded();
        },
        [weakSelf, weakRow, focusedAtStart](bool) {
            auto self = weakSelf.lock();
            auto switched = weakRow.lock();
            if (!self || !switched)
                return;
            // A field of the form focused meanwhile keeps the place the keyboard gave it.
            const auto focused =
                std::dynamic_pointer_cast<platform::UITextField>(platform::UIResponder::currentFirstResponder());
            if (focused && focused != focusedAtStart.lock() && focused->isDescendant(*self))
                return;
            self->scrollRectToVisible(switched->frame(), true);
        });
    setScrollContentSize();
}

void TAVROPaymentScrollView::updateSummary()
{
    switch (TavroSession::sharedSession()->activeSessionType()) {
    case TavroActiveFlow::refundPayment: return;
    case TavroActiveFlow::requestPayment: resetSwitchRows(); return;
    default: updateConsumerSummary(); return;
    }
}

void TAVROPaymentScrollView::resetSwitchRows()
{
    // Closing a row re-lays the form out; keep the rows alive while walking them.
    const auto rows = m_switchCells;
    for (const auto& row : rows) {
        if (!row)
            continue;
        if (const auto& input = row->inputCell())
            input->resetTextField();
        row->rightSwitch()->setOn(false, true);
        updateSwitchHeight(row->cellType(), false);
    }
}

TAVROPaymentCellModelPtr TAVROPaymentScrollView::modelAt(std::size_t index) const
{
    return index < m_paymentCellObjects.size() ? m_paymentCellObjects[index] : nullptr;
}

void TAVROPaymentScrollView::didSelectDropDownBtnAction()
{
    toggleCurrencyListView();
}

void TAVROPaymentScrollView::toggleCurrencyListView()
{
    const auto& session = TavroSession::sharedSession();
    const auto& window = session->sdkWindow();
    if (!window)
        return;
    if (auto open = std::dynamic_pointer_cast<TAVROCurrencySelectionView>(window->viewWithTag(currencyPickerTag))) {
        open->hideView(session->activeCurrencyCode());
        return;
    }
    auto picker = NSObject::create<TAVROCurrencySelectionView>(platform::UIScreen::main()->bounds());
    picker->setTag(currencyPickerTag);
    picker->setCurrencySelectionDelegate(weakFromThis<TAVROPaymentScrollView>());
    window->addSubview(picker);
    picker->show();
}

void TAVROPaymentScrollView::didCloseSelectionView(const std::string& currency)
{
    resetCurrencyDropDown();
    if (auto delegate = paymentDelegate())
        delegate->didChangeCurrency(currency);
}

} // namespace tavro
