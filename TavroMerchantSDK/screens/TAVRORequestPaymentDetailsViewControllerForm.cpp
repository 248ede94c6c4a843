// The editor as the form's owner: the working copy, the validity of each row kind, writing back
// into the session's request, and keeping the edited row above the keyboard.

#include "TavroMerchantSDK/screens/TAVRORequestPaymentDetailsViewController.h"

#include "TavroMerchantSDK/Common/CellView/CustomerEntersValue.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"
#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UIKeyboardNotifications.h"

#include <charconv>

namespace tavro {

using OptionalText = std::optional<std::string>;

namespace {

// The decimal places of the session currency's amounts: what the amount row types and shows.
int amountFractionDigits()
{
    return currencyFractionDigits(TavroSession::sharedSession()->activeCurrencyCode());
}

// The shortest decimal text that reads back as `amount`, with at least one fraction digit
// (12.5 -> "12.5", 100 -> "100.0"); in a currency without minor unit a whole amount goes without
// it where it would pass the payload's 13 characters ("999999999999").
std::string shortestDecimalText(double amount, int fractionDigits)
{
    constexpr std::size_t kPayloadAmountLength = 13;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::fixed);
    std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
    if (text.find('.') == std::string::npos && (fractionDigits > 0 || text.size() + 2 <= kPayloadAmountLength))
        text += ".0";
    return text;
}

// Whether the amount row's value `rowAmount` is the session's amount as the row shows it: equal
// by value to the session's text cut to the currency's digits, absent or empty text being 0.
bool isSessionAmount(const OptionalText& sessionAmount, const std::string& rowAmount, int fractionDigits)
{
    if (sessionAmount == rowAmount)
        return true;
    const auto shown =
        truncatedPlainDecimal(sessionAmount && !sessionAmount->empty() ? *sessionAmount : "0", fractionDigits);
    return shown && platform::text::isPlainDecimal(rowAmount) && comparePlainDecimals(*shown, rowAmount) == 0;
}

using Getter = const OptionalText& (TavroPaymentRequest::*)() const;
using Setter = void (TavroPaymentRequest::*)(OptionalText);

struct OptionalField {
    CellType cellType;
    Getter get;
    Setter set;
};

// The eight additional-data fields in row order.
constexpr OptionalField kOptionalFields[] = {
    {CellType::billNumber, &TavroPaymentRequest::billID, &TavroPaymentRequest::setBillID},
    {CellType::mobileNumber, &TavroPaymentRequest::mobileNumber, &TavroPaymentRequest::setMobileNumber},
    {CellType::storeID, &TavroPaymentRequest::storeID, &TavroPaymentRequest::setStoreID},
    {CellType::loyaltyNumber, &TavroPaymentRequest::loyaltyNumber, &TavroPaymentRequest::setLoyaltyNumber},
    {CellType::referenceID, &TavroPaymentRequest::referenceID, &TavroPaymentRequest::setReferenceID},
    {CellType::consumerID, &TavroPaymentRequest::consumerID, &TavroPaymentRequest::setConsumerID},
    {CellType::terminalID, &TavroPaymentRequest::terminalID, &TavroPaymentRequest::setTerminalID},
    {CellType::paymentPurpose, &TavroPaymentRequest::purpose, &TavroPaymentRequest::setPurpose},
};

void clearOptionalFields(TavroPaymentRequest& request)
{
    for (const auto& field : kOptionalFields)
        (request.*field.set)(std::nullopt);
}

} // namespace

void TAVRORequestPaymentDetailsViewController::cellViewType(CellType cellType, const OptionalText& dataString,
                                                            bool isVaild)
{
    const auto index = static_cast<std::size_t>(rawValue(cellType));
    if (cellType == CellType::resetButton) {
        resetOptionalFields(isVaild, dataString);
    } else if (!isVaild && dataString == kCustomerEntersValue) {
        updateCellVar(cellType, std::nullopt);
        if (index < m_varIsValid.size())
            m_varIsValid[index] = true;
    } else if (isVaild || (m_scrollView && m_scrollView->passesFieldRule(cellType, dataString))) {
        // A text refused only because the data was over the limit is kept as well: it counts as
        // soon as the limit is relieved, without being edited again.
        updateCellVar(cellType, dataString);
        if (index < m_varIsValid.size())
            m_varIsValid[index] = true;
    } else if (index < m_varIsValid.size()) {
        m_varIsValid[index] = false;
    }
    validateUpdateButton();
}

void TAVRORequestPaymentDetailsViewController::resetOptionalFields(bool isVaild, const OptionalText& dataString)
{
    // A row still being edited reports when its editing ends; let that land before the reset
    // rather than after it.
    if (isViewLoaded())
        view()->endEditing(true);
    clearOptionalFields(*m_request);
    for (const auto& field : kOptionalFields)
        m_varIsValid[static_cast<std::size_t>(rawValue(field.cellType))] = true;
    if (m_scrollView) {
        m_scrollView->updateSummary();
        // The limit is measured on the session's request as the reset leaves it: without the
        // optional fields, which no row shows any more.
        if (const auto& sessionRequest = TavroSession::sharedSession()->requestPaymentSession()->request()) {
            auto cleared = sessionRequest->clone();
            clearOptionalFields(*cleared);
            m_scrollView->setAdditionalRequest(std::move(cleared));
        }
        // Rows dimmed while the data was full take touches again.
        m_scrollView->checkAdditionalDataLimit();
    }
    m_varIsValid[static_cast<std::size_t>(rawValue(CellType::resetButton))] =
        isVaild || dataString == kCustomerEntersValue;
}

void TAVRORequestPaymentDetailsViewController::updateCellVar(CellType cellType, const OptionalText& dataString)
{
    if (cellType == CellType::paymentAmount) {
        m_request->setTransactionAmount(
            shortestDecimalText(Utilities::getCurrency(dataString).amount, amountFractionDigits()));
        return;
    }
    for (const auto& field : kOptionalFields) {
        if (field.cellType == cellType) {
            ((*m_request).*field.set)(dataString);
            return;
        }
    }
}

void TAVRORequestPaymentDetailsViewController::updateSessionVar()
{
    if (const auto& sessionRequest = TavroSession::sharedSession()->requestPaymentSession()->request())
        writeEdits(*sessionRequest);
}

void TAVRORequestPaymentDetailsViewController::writeEdits(TavroPaymentRequest& target) const
{
    // An amount the row shows as it was stays as the host wrote it, absent included.
    const auto& amount = m_request->transactionAmount();
    if (amount && !isSessionAmount(target.transactionAmount(), *amount, amountFractionDigits())) {
        const auto number = readPlainDecimal(*amount);
        target.setTransactionAmount(number && *number == 0 ? std::string("0.0") : *amount);
    }
    for (const auto& field : kOptionalFields)
        (target.*field.set)(((*m_request).*field.get)());
}

bool TAVRORequestPaymentDetailsViewController::writesWhatIsShown() const
{
    if (m_request->getAdditionalTlvValidCount().first)
        return false;
    for (const auto& field : kOptionalFields) {
        const auto row = m_scrollView ? m_scrollView->switchCell(field.cellType) : nullptr;
        const auto& value = ((*m_request).*field.get)();
        if (row && row->rightSwitch()->isOn() != (value && !value->empty()))
            return false;
    }
    const auto& sessionRequest = TavroSession::sharedSession()->requestPaymentSession()->request();
    if (!sessionRequest)
        return true;
    // Judged on a copy: the shared parser, which the QR screen draws from, stays as it is.
    const auto written = sessionRequest->copy();
    writeEdits(*written);
    return !written->shownPayloadFailure();
}

void TAVRORequestPaymentDetailsViewController::updateVCVar()
{
    const auto& sessionRequest = TavroSession::sharedSession()->requestPaymentSession()->request();
    m_request->setTransactionAmount(sessionRequest ? sessionRequest->transactionAmount() : std::nullopt);
    for (const auto& field : kOptionalFields)
        ((*m_request).*field.set)(sessionRequest ? ((*sessionRequest).*field.get)() : std::nullopt);
}

void TAVRORequestPaymentDetailsViewController::registerNotificationsForKeyboard()
{
    removeKeyboardObservers();
    auto& center = platform::NotificationCenter::defaultCenter();
    std::weak_ptr<TAVRORequestPaymentDetailsViewController> weakSelf =
        sharedFromThis<TAVRORequestPaymentDetailsViewController>();
    const auto owner = std::weak_ptr<const void>(weakSelf);
    m_keyboardObservers.push_back(center.addObserver(platform::UIKeyboardWillShowNotification, owner,
                                                     [weakSelf](const platform::Notification& notification) {
                                                         if (auto self = weakSelf.lock())
                                                             self->keyboardWillShow(notification);
                                                     }));
    m_keyboardObservers.push_back(center.addObserver(platform::UIKeyboardDidHideNotification, owner,
                                                     [weakSelf](const platform::Notification& notification) {
                                                         if (auto self = weakSelf.lock())
                                                             self->keyboardDidHide(notification);
                                                     }));
}

void TAVRORequestPaymentDetailsViewController::removeKeyboardObservers()
{
    auto& center = platform::NotificationCenter::defaultCenter();
    for (const auto& token : m_keyboardObservers)
        center.removeObserver(token);
    m_keyboardObservers.clear();
}

void TAVRORequestPaymentDetailsViewController::keyboardWillShow(const platform::Notification& notification)
{
    // The end frame: while the keyboard is up its height may change, and the row must clear the new band.
    const auto keyboard = platform::rectFromUserInfo(notification.userInfo(), platform::UIKeyboardFrameEndUserInfoKey);
    if (!keyboard || !m_currentTextField || !m_scrollView || !isViewLoaded())
        return;
    const auto row = m_currentTextField->superview();
    if (!row || !row->superview())
        return;
    const auto rowFrame = view()->convertFrom(row->frame(), row->superview());
    auto visible = view()->bounds();
    visible.size.height -= keyboard->height();
    // The row's bottom keyboardClearance above the band, where the band would cover the row. A row
    // already in place stays there: a scroll still running for an earlier band stops where it is.
    const platform::CGFloat distance =
        visible.contains(rowFrame) ? 0 : rowFrame.maxY() + keyboardClearance - visible.height();
    m_scrollView->scrollClearOfKeyboard(distance, m_currentTextField, view()->convert(visible, nullptr));
}

void TAVRORequestPaymentDetailsViewController::keyboardDidHide(const platform::Notification&)
{
    if (m_scrollView)
        m_scrollView->setScrollContentSize();
}

} // namespace tavro
