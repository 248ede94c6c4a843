// The request-payment screen's view tree: a centred column hanging from the caption, each view
// from the bottom of the one above it, and the details button pinned to the bottom layout guide in
// front of the column.
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/TAVROThemes.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "platform/foundation/Text.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/NSLayoutAnchor.h"
#include "platform/ui/UIScreen.h"

namespace tavro {

using platform::anchors;
using platform::CGRect;
using platform::NSObject;
using platform::UIFont;
using platform::UILabel;
using platform::UIViewPtr;

namespace {

constexpr const char* kTitleColor = "#1D2A59";
constexpr const char* kSubtitleColor = "#6F7099";

std::shared_ptr<UILabel> makeLabel(const std::string& text, platform::UIFontPtr font, const char* color)
{
    auto label = NSObject::create<UILabel>();
    label->setTranslatesAutoresizingMaskIntoConstraints(false);
    label->setText(text);
    label->setFont(std::move(font));
    label->setTextColor(colorWithHexString(color));
    label->setTextAlignment(platform::NSTextAlignment::center);
    return label;
}

// Fixes `view`'s size and hangs it `gap` points under `above`, centred on it.
void hangUnder(const UIViewPtr& view, const UIViewPtr& above, double gap, double width, double height)
{
    anchors(view).width.constraintEqualToConstant(width)->setActive(true);
    anchors(view).height.constraintEqualToConstant(height)->setActive(true);
    anchors(view).top.constraintEqualTo(anchors(above).bottom, gap)->setActive(true);
    anchors(view).centerX.constraintEqualTo(anchors(above).centerX)->setActive(true);
}

} // namespace

void TAVRORequestPaymentViewController::loadView()
{
    platform::UIViewController::loadView();
    createViews();
}

void TAVRORequestPaymentViewController::createViews()
{
    if (m_paymentDetailButton)
        return;
    auto root = view();
    const double width = root->bounds().width();
    const double screenWidth = platform::UIScreen::main()->bounds().width();
    root->setBackgroundColor(platform::UIColor::white());

    const auto request = TavroSession::sharedSession()->requestPaymentSession()->request();

    m_scanToPayLabel = makeLabel(StringConstants::SCAN_TO_PAY_TITLE(), UIFont::systemFont(16), kTitleColor);
    root->addSubview(m_scanToPayLabel);
    addConstraintForScanToPayLabel(m_scanToPayLabel);

    m_arrowImageView = NSObject::create<platform::UIImageView>(tavroImageTemp("tavro_sdk_icon_chevron_down"));
    m_arrowImageView->setTranslatesAutoresizingMaskIntoConstraints(false);
    root->addSubview(m_arrowImageView);
    addConstraintForArrowImageView(m_arrowImageView, m_scanToPayLabel);

    const double qrSide = screenWidth - 2 * m_qrImageMargin;
    m_qrImageCellView = NSObject::create<TAVROQrImageCellView>(CGRect(m_qrImageMargin, 0, qrSide, qrSide));
    m_qrImageCellView->setTranslatesAutoresizingMaskIntoConstraints(false);
    root->addSubview(m_qrImageCellView);
    hangUnder(m_qrImageCellView, m_arrowImageView, 8, qrSide, qrSide);

    m_supportedNetwork = NSObject::create<TAVROSupportedNetwork>(CGRect(5, 0, screenWidth - 10, 44));
    m_supportedNetwork->setTranslatesAutoresizingMaskIntoConstraints(false);
    root->addSubview(m_supportedNetwork);
    m_supportedNetwork->prepareView();
    // Installed on the grid itself: the grid grows this constraint to reveal its second row.
    hangUnder(m_supportedNetwork, m_qrImageCellView, 12, screenWidth - 10, 44);

    m_merchantNameLabel = makeLabel(request ? request->merchantName() : "", UIFont::systemFont(20), kTitleColor);
    root->addSubview(m_merchantNameLabel);
    hangUnder(m_merchantNameLabel, m_supportedNetwork, 8, width, 28);

    m_merchantCityLabel = makeLabel(request ? request->cityName() : "", UIFont::systemFont(14), kSubtitleColor);
    root->addSubview(m_merchantCityLabel);
    hangUnder(m_merchantCityLabel, m_merchantNameLabel, 0, width, 20);

    m_amountLabel =
        makeLabel(request ? request->transactionAmount().value_or("") : "", UIFont::boldSystemFont(14), kTitleColor);
    m_amountLabel->setHidden(true);
    root->addSubview(m_amountLabel);
    hangUnder(m_amountLabel, m_merchantCityLabel, 8, width, 20);

    m_paymentDetailLabel =
        makeLabel(StringConstants::REQUEST_PAYMENT_WITH_PAYMENT_DETAILS(), UIFont::systemFont(12), kSubtitleColor);
    m_paymentDetailLabel->setHidden(true);
    root->addSubview(m_paymentDetailLabel);
    hangUnder(m_paymentDetailLabel, m_amountLabel, 0, width, 16);

    // Added last: on a short screen it hides the end of the column instead of the column drawing over it.
    m_paymentDetailButton = NSObject::create<platform::UIButton>();
    m_paymentDetailButton->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_paymentDetailButton->setTitle(platform::text::toUpper(StringConstants::REQUEST_FLOW_PAYMENT_DETAIL()),
                                    platform::UIControlState::normal);
    TAVROThemes::setThemeForButton(*m_paymentDetailButton);
    m_paymentDetailButton->titleLabel()->setFont(UIFont::boldSystemFont(14));
    m_paymentDetailButton->setAccessibilityIdentifier("Payment_Details_Button");
    m_paymentDetailButton->addTarget(sharedFromThis<TAVRORequestPaymentViewController>(),
                                     &TAVRORequestPaymentViewController::detailsButtonPressed,
                                     platform::UIControlEvents::touchUpInside);
    root->addSubview(m_paymentDetailButton);
    addConstraintForPaymentDetailButton(m_paymentDetailButton);
}

void TAVRORequestPaymentViewController::addConstraintForPaymentDetailButton(const UIViewPtr& view)
{
    auto root = this->view();
    anchors(view).leading.constraintEqualTo(anchors(root).leading)->setActive(true);
    anchors(view).trailing.constraintEqualTo(anchors(root).trailing)->setActive(true);
    addConstraintOn(view, platform::NSLayoutAttribute::bottom, nullptr, bottomLayoutGuide());
    anchors(view).height.constraintEqualToConstant(m_paymentDetailButtonHeight)->setActive(true);
}

void TAVRORequestPaymentViewController::addConstraintForScanToPayLabel(const UIViewPtr& view)
{
    auto root = this->view();
    anchors(view).leading.constraintEqualTo(anchors(root).leading)->setActive(true);
    anchors(view).trailing.constraintEqualTo(anchors(root).trailing)->setActive(true);
    anchors(view).top.constraintEqualTo(anchors(root).top, 16)->setActive(true);
    anchors(view).height.constraintEqualToConstant(24)->setActive(true);
}

void TAVRORequestPaymentViewController::addConstraintForArrowImageView(const UIViewPtr& view, const UIViewPtr& toView)
{
    hangUnder(view, toView, 0, 24, 24);
}

} // namespace tavro
