#pragma once
// TAVRORequestPaymentViewController: the first screen of the request-payment flow, the one a
// customer scans. From the top: a caption asking to scan with a chevron under it, the request's
// payload as a QR code, the accepted card networks, the merchant's name and city, and (once the
// merchant has added details in the editor) the amount with its caption; a full-width details
// button sits near the bottom and a share button on the right of the bar.
//
// The screen reads everything from the session's request sub-session; it is handed nothing and
// makes no result callback. Every appearance rebuilds the QR code from the request's payload.
// Make with NSObject::create<TAVRORequestPaymentViewController>(). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROQrImageCellView.h"
#include "TavroMerchantSDK/controls/QRSnapView.h"
#include "TavroMerchantSDK/controls/TAVROSupportedNetwork.h"
#include "platform/foundation/Bundle.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIActivity.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UINavigationItem.h"
#include "platform/ui/UIViewController.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavro {

class TAVRORequestPaymentViewController : public platform::UIViewController {
public:
    explicit TAVRORequestPaymentViewController(std::optional<std::string> nibName = std::nullopt,
                                               std::shared_ptr<platform::Bundle> nibBundle = nullptr);

    // The views; present once the view is loaded (qrSnapView once a share was started).
    const std::shared_ptr<platform::UILabel>& scanToPayLabel() const { return m_scanToPayLabel; }
    const std::shared_ptr<platform::UIImageView>& arrowImageView() const { return m_arrowImageView; }
    const std::shared_ptr<TAVROQrImageCellView>& qrImageCellView() const { return m_qrImageCellView; }
    const std::shared_ptr<TAVROSupportedNetwork>& supportedNetwork() const { return m_supportedNetwork; }
    const std::shared_ptr<platform::UILabel>& merchantNameLabel() const { return m_merchantNameLabel; }
    const std::shared_ptr<platform::UILabel>& merchantCityLabel() const { return m_merchantCityLabel; }
    // Hidden until the request was updated in the editor, then shown as the payload holds them.
    const std::shared_ptr<platform::UILabel>& amountLabel() const { return m_amountLabel; }
    const std::shared_ptr<platform::UILabel>& paymentDetailLabel() const { return m_paymentDetailLabel; }
    const std::shared_ptr<platform::UIButton>& paymentDetailButton() const { return m_paymentDetailButton; }
    // The share card of the latest share; it stays here after leaving the view tree.
    const std::shared_ptr<QRSnapView>& qrSnapView() const { return m_qrSnapView; }

    // Height of the details button (50) and margin on each side of the QR square (60), in points.
    platform::CGFloat paymentDetailButtonHeight() const { return m_paymentDetailButtonHeight; }
    platform::CGFloat qrImageMargin() const { return m_qrImageMargin; }

    // The platform's root view, then createViews().
    void loadView() override;
    // Title and share button.
    void viewDidLoad() override;
    // Renders the request's payload into the QR row and, when the request was updated, shows or
    // hides the amount line and its caption after what that payload holds.
    void viewDidAppear(bool animated) override;

    // Builds the view tree, once.
    virtual void createViews();
    // Puts the share button, after a fixed space of -10, on the right of `navigationItem`.
    virtual void addShareButtonItem(const std::shared_ptr<platform::UINavigationItem>& navigationItem);
    // The share action: offers the share card's image through the share sheet.
    virtual void popAction();
    // Opens the additional-details editor over the screen, with the bar hidden.
    virtual void detailsButtonPressed();
    // Pins `view` to the root view's edges and its bottom to the bottom layout guide, with the
    // details button's height.
    virtual void addConstraintForPaymentDetailButton(const platform::UIViewPtr& view);
    // Pins `view` full-width, 16 points below the root view's top, 24 points high.
    virtual void addConstraintForScanToPayLabel(const platform::UIViewPtr& view);
    // Makes `view` 24 x 24, directly under `toView` and centred on it.
    virtual void addConstraintForArrowImageView(const platform::UIViewPtr& view, const platform::UIViewPtr& toView);
    // A plain share card (QR, logo, merchant lines, amount) rendered off screen; null when no image
    // context opens. The share action does not use it.
    virtual platform::UIImagePtr createShareQRImage();

    // The amount line's text for the request, "" when the request has no decimal amount.
    std::string formattedRequestAmount() const;
    // `decimalText` as the amount line shows it: the active currency's alphabetic code, a space and
    // the amount formatted for that currency; "" when the text is not a decimal number or the
    // currency gives no components (the line is then hidden, never a lone blank).
    static std::string formattedAmount(std::string_view decimalText);

private:
    // Adds a fresh hidden share card over the safe area of the root view.
    void createQRSnapView();
    // The share items: the card with a picture of the screen above the details button, a networks
    // grid with a second row shown expanded.
    std::vector<platform::UIActivityItem> makeSharingQRView();
    // The payload of the session's request (nothing without a request).
    std::optional<std::string> requestPayload() const;
    // The amount line shows the payload's amount entry ("54") and the caption shows with an amount
    // or an additional-data entry ("62"); each is hidden otherwise, both without a payload.
    void showPaymentDetails(const std::optional<std::string>& payload);

    std::shared_ptr<platform::UILabel> m_scanToPayLabel;
    std::shared_ptr<platform::UIImageView> m_arrowImageView;
    std::shared_ptr<TAVROQrImageCellView> m_qrImageCellView;
    std::shared_ptr<TAVROSupportedNetwork> m_supportedNetwork;
    std::shared_ptr<platform::UILabel> m_merchantNameLabel;
    std::shared_ptr<platform::UILabel> m_merchantCityLabel;
    std::shared_ptr<platform::UILabel> m_amountLabel;
    std::shared_ptr<platform::UILabel> m_paymentDetailLabel;
    std::shared_ptr<platform::UIButton> m_paymentDetailButton;
    platform::CGFloat m_paymentDetailButtonHeight = 50;
    platform::CGFloat m_qrImageMargin = 60;
    std::shared_ptr<QRSnapView> m_qrSnapView;
};

} // namespace tavro
