#include "TavroMerchantSDK/Common/CellView/TAVROQrImageCellView.h"

#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "platform/graphics/CIFilter.h"

#include <algorithm>

namespace tavro {

using platform::CGRect;

TAVROQrImageCellView::TAVROQrImageCellView(const CGRect& frame) : UIView(frame) {}

CGRect TAVROQrImageCellView::boxFrame() const
{
    const auto size = bounds().size;
    const auto side = std::min(size.width, size.height);
    return CGRect((size.width - side) / 2, (size.height - side) / 2, side, side);
}

void TAVROQrImageCellView::prepareView()
{
    if (m_qrBorderView)
        return;
    const auto box = boxFrame();
    m_qrBorderView = NSObject::create<platform::UIView>(box);
    m_qrBorderView->layer()->setBorderWidth(borderWidth);
    m_qrBorderView->layer()->setBorderColor(colorWithHexString(borderColor));
    m_qrBorderView->setBackgroundColor(borderViewBackgroundColor());
    addSubview(m_qrBorderView);

    m_qrImageView = NSObject::create<platform::UIImageView>(
        CGRect(imagePadding, imagePadding, box.size.width - 2 * imagePadding, box.size.height - 2 * imagePadding));
    m_qrBorderView->addSubview(m_qrImageView);
    updateQrCodeImage();
}

void TAVROQrImageCellView::layoutSubviews()
{
    // The box is placed from the row's size here; the platform's constraint pass has nothing to
    // apply to it.
    if (!m_qrBorderView) {
        prepareView();
        return;
    }
    const auto box = boxFrame();
    if (m_qrBorderView->frame() == box)
        return;
    m_qrBorderView->setFrame(box);
    m_qrImageView->setFrame(
        CGRect(imagePadding, imagePadding, box.size.width - 2 * imagePadding, box.size.height - 2 * imagePadding));
    if (m_qrImageView->frame().size != m_drawnSize)
        updateQrCodeImage();
}

void TAVROQrImageCellView::setQrCodeTlv(std::optional<std::string> payload)
{
    m_qrCodeTlv = std::move(payload);
    updateQrCodeImage();
}

void TAVROQrImageCellView::updateQrCodeImage()
{
    if (!m_qrCodeTlv)
        return;
    auto filter = platform::CIFilter::named("CIQRCodeGenerator");
    if (!filter) {
        m_qrCodeImage = nullptr;
        return;
    }
    filter->setValue(*m_qrCodeTlv, "inputMessage");
    filter->setValue("M", "inputCorrectionLevel");
    m_qrCodeImage = filter->outputImage();
    if (!m_qrCodeImage || !m_qrImageView)
        return;
    const auto extent = m_qrCodeImage->extent();
    const auto target = m_qrImageView->frame().size;
    if (extent.size.width <= 0 || extent.size.height <= 0)
        return;
    const auto scaled = m_qrCodeImage->transformed(
        platform::CGAffineTransform::makeScale(target.width / extent.size.width, target.height / extent.size.height));
    m_qrImageView->setImage(platform::UIImage::fromCIImage(scaled));
    m_drawnSize = target;
}

} // namespace tavro
