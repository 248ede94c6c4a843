// Sharing the QR screen: the share button on the bar, the share card with a picture of the screen,
// and the plain share image.
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"

#include "TavroMerchantSDK/controls/KSecondaryButtonIcon.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/UIButtonExtensions.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "TavroMerchantSDK/support/UIViewSnapshotExtensions.h"
#include "platform/foundation/Locale.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIActivityViewController.h"
#include "platform/ui/UIBarButtonItem.h"
#include "platform/ui/UIScreen.h"

namespace tavro {

using platform::CGRect;
using platform::NSObject;
using platform::UIBarButtonItem;
using platform::UIControlState;

void TAVRORequestPaymentViewController::addShareButtonItem(
    const std::shared_ptr<platform::UINavigationItem>& navigationItem)
{
    if (!navigationItem)
        return;
    const auto& config = TavroSession::sharedSession()->internalConfiguration();
    auto button =
        NSObject::create<KSecondaryButtonIcon>(CGRect(0, 0, KSecondaryButtonIcon::side, KSecondaryButtonIcon::side));
    // The bar places its items by frame.
    button->setTranslatesAutoresizingMaskIntoConstraints(true);
    if (auto image = tavroImage("icon_share"))
        button->setImage(image->withRenderingMode(platform::UIImageRenderingMode::alwaysTemplate),
                         UIControlState::normal);
    setBackgroundColor(*button, config->actionButtonActiveColor(), UIControlState::highlighted);
    button->addTarget(sharedFromThis<TAVRORequestPaymentViewController>(),
                      &TAVRORequestPaymentViewController::popAction, platform::UIControlEvents::touchUpInside);

    auto shareItem = UIBarButtonItem::withCustomView(button);
    shareItem->setTintColor(platform::UIColor::white());
    shareItem->setAccessibilityIdentifier("Save_To_Gallery_Button");
    navigationItem->setRightBarButtonItems({UIBarButtonItem::fixedSpace(-10), shareItem});
}

void TAVRORequestPaymentViewController::popAction()
{
    auto sheet = NSObject::create<platform::UIActivityViewController>(makeSharingQRView());
    sheet->setExcludedActivityTypes({platform::UIActivityTypePrint, platform::UIActivityTypePostToWeibo,
                                     platform::UIActivityTypeCopyToPasteboard, platform::UIActivityTypeAddToReadingList,
                                     platform::UIActivityTypePostToVimeo});
    present(sheet, true);
}

void TAVRORequestPaymentViewController::createQRSnapView()
{
    auto root = view();
    const auto insets = safeAreaInsets();
    CGRect frame = root->bounds();
    frame.origin.y = insets.top;
    frame.size.height = root->bounds().height() - insets.top - insets.bottom;
    m_qrSnapView = NSObject::create<QRSnapView>(frame);
    m_qrSnapView->prepareView();
    root->addSubview(m_qrSnapView);
}

std::vector<platform::UIActivityItem> TAVRORequestPaymentViewController::makeSharingQRView()
{
    createQRSnapView();
    auto root = view();
    // The picture is what the screen shows from under the container's bar down to the details
    // button, whatever extra insets move the button up.
    root->layoutIfNeeded();
    const double top = safeAreaInsets().top;
    const CGRect capture(0, top, root->frame().width(), m_paymentDetailButton->frame().minY() - top);

    // The picture shows every logo: a collapsed grid with a second row is expanded for it and
    // collapsed again. A grid of one row is pictured as it is, so the column under it stays put.
    const bool expandForPicture = !m_supportedNetwork->isExpanded() &&
                                  m_supportedNetwork->images().size() > TAVROSupportedNetwork::maxCellInRow;
    if (expandForPicture)
        m_supportedNetwork->moreClicked(true);
    if (auto picture = snapshot(root, capture))
        m_qrSnapView->qrImageView()->setImage(picture);
    if (expandForPicture)
        m_supportedNetwork->moreClicked(true);

    auto image = imageInView(m_qrSnapView);
    m_qrSnapView->removeFromSuperview();
    return {platform::UIActivityItem::image(std::move(image))};
}

platform::UIImagePtr TAVRORequestPaymentViewController::createShareQRImage()
{
    const auto screen = platform::UIScreen::main()->bounds();
    auto panel = NSObject::create<platform::UIView>(CGRect(0, 0, screen.width(), screen.height()));
    panel->setBackgroundColor(colorWithHexString("#F2F4F8"));

    const auto qrFrame = m_qrImageCellView->frame();
    auto qr = NSObject::create<TAVROQrImageCellView>(CGRect(qrFrame.minX(), 40, qrFrame.width(), qrFrame.height()));
    qr->setQrCodeTlv(m_qrImageCellView->qrCodeTlv());
    panel->addSubview(qr);

    auto logo = NSObject::create<platform::UIImageView>(tavroImage("network_logo_tavro"));
    logo->setFrame(CGRect((screen.width() - 60) / 2, qr->frame().maxY() + 12, 60, 30));
    panel->addSubview(logo);

    const auto& request = TavroSession::sharedSession()->requestPaymentSession()->request();
    auto merchant = NSObject::create<platform::UILabel>(CGRect(20, logo->frame().maxY() + 12, screen.width() - 40, 40));
    merchant->setNumberOfLines(2);
    merchant->setText(request ? request->merchantName() + "\n" + request->cityName() : "");
    merchant->setFont(platform::UIFont::boldSystemFont(14));
    merchant->setTextColor(colorWithHexString("#1D2A59"));
    const bool arabic = platform::Locale::current().languageCode() == "ar";
    merchant->setTextAlignment(arabic ? platform::NSTextAlignment::right : platform::NSTextAlignment::left);
    panel->addSubview(merchant);

    auto amount =
        NSObject::create<platform::UILabel>(CGRect(20, merchant->frame().maxY() + 8, screen.width() - 40, 20));
    amount->setText(formattedRequestAmount());
    amount->setFont(platform::UIFont::boldSystemFont(14));
    amount->setTextColor(colorWithHexString("#1D2A59"));
    amount->setTextAlignment(platform::NSTextAlignment::center);
    panel->addSubview(amount);

    panel->layoutIfNeeded();
    return imageFromLayer(panel->layer());
}

} // namespace tavro
