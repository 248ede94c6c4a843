#pragma once
// TAVRORefundPaymentViewController: the refund flow's only screen, a confirm screen without the
// card header. It shows who is refunded (card holder and card), takes the refund amount (more
// than 0, at most the requested refund cut down to the currency's minor unit) with its summary,
// keeps the pay button in step with the amount's validity, asks for confirmation in an alert
// and, on Continue, shows the spinner and reports success with the amount through the session's
// refund sub-session. It reads the refund request from that sub-session and writes only its
// response's refundAmount.
// Make with NSObject::create<TAVRORefundPaymentViewController>(). Main thread only.

#include "TavroMerchantSDK/core/TAVRORefundPaymentSession.h"
#include "TavroMerchantSDK/core/TavroRefundPaymentResponse.h"
#include "TavroMerchantSDK/screens/TAVROConfirmPaymentViewController.h"
#include "platform/ui/UIAlertAction.h"

#include <memory>
#include <optional>
#include <string>

namespace tavro {

class TAVRORefundPaymentViewController : public TAVROConfirmPaymentViewController {
public:
    explicit TAVRORefundPaymentViewController(std::optional<std::string> nibName = std::nullopt,
                                              std::shared_ptr<platform::Bundle> nibBundle = nullptr);

    // Exposed, never sent: the host receives the sub-session's own response.
    const std::shared_ptr<TavroRefundPaymentResponse>& response() const { return m_response; }
    double paymentAmount() const { return m_paymentAmount; }
    void setPaymentAmount(double amount) { m_paymentAmount = amount; }

    // The confirm screen's views without the header, then the form: card holder, amount, summary.
    void loadView() override;
    // The refund title.
    void viewDidLoad() override;

    // Valid when the typed amount is above 0 and at most the request's maximumRefundAmount().
    bool isVaildData(TAVROCellView& inputCellView, const std::optional<std::string>& text) override;
    // From the amount row: a valid amount goes into the sub-session's response and titles and
    // enables the pay button; anything else disables it. The summary follows either way. Once a
    // refund is confirmed, reports are dropped: the host holds that response.
    void cellViewType(CellType cellType, const std::optional<std::string>& dataString, bool isVaild) override;
    // Ends editing (the amount row reports), then the confirmation alert for the amount stored
    // now; Continue reports exactly that amount, to the host of the refund the alert was shown
    // for, once. Does nothing while the pay button is disabled (no valid amount, or the pending
    // state after Continue); a press while the stored amount is not above 0 and at most
    // maximumRefund() is ignored with one debug line.
    void payButtonPressed() override;

private:
    // The most that may be refunded, as plain decimal text; nullopt when there is none.
    std::optional<std::string> maximumRefund() const;
    // Plain decimal text above 0 and at most maximumRefund().
    bool isRefundable(const std::string& amount) const;
    // A typed amount as the plain decimal text the host receives for it; nullopt when the active
    // currency cannot show it.
    static std::optional<std::string> refundText(const std::optional<std::string>& text);
    // Cancel closes the alert; Continue shows the spinner and reports success with `amountText`.
    void presentConfirmation(const std::string& amountText, double amount);
    void confirmRefund(platform::UIAlertAction& action, const std::string& amountText,
                       const TAVRORefundPaymentSession& refund);

    std::shared_ptr<TavroRefundPaymentResponse> m_response;
    double m_paymentAmount = 0;
    bool m_refundConfirmed = false;
};

} // namespace tavro
