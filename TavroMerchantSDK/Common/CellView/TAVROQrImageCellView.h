#pragma once
// TAVROQrImageCellView: shows a payload text as a QR code (error correction level M) in a white
// square box with a 1-point border, centred in the row, the code filling the box. Display only:
// no delegate, no input.
//
// The box and its image view are built once, on the first layout; every later layout keeps the
// box square and centred and redraws the code when the box's size changed. The payload is kept
// across layouts: one assigned before the first layout is drawn by it. Assigning nothing, or a
// text the generator gives no code for (the empty text), leaves the shown code as it is.
//
// Make with NSObject::create<TAVROQrImageCellView>(frame). Main thread only.

#include "platform/graphics/CIImage.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <optional>
#include <string>

namespace tavro {

class TAVROQrImageCellView : public platform::UIView {
public:
    explicit TAVROQrImageCellView(const platform::CGRect& frame = {});

    static constexpr platform::CGFloat imagePadding = 0;
    static constexpr platform::CGFloat borderWidth = 1;
    static constexpr const char* borderColor = "#B8BACD";
    static platform::UIColorPtr borderViewBackgroundColor() { return platform::UIColor::white(); }

    // The generator's latest output, before scaling; null when it gave none.
    const platform::CIImagePtr& qrCodeImage() const { return m_qrCodeImage; }
    // Present after the first layout.
    const std::shared_ptr<platform::UIImageView>& qrImageView() const { return m_qrImageView; }
    const platform::UIViewPtr& qrBorderView() const { return m_qrBorderView; }

    // The payload text; every assignment (also of nothing) renders it once.
    const std::optional<std::string>& qrCodeTlv() const { return m_qrCodeTlv; }
    void setQrCodeTlv(std::optional<std::string> payload);

    // Builds the box and the image view for the current size, once, and draws the payload.
    virtual void prepareView();
    // Places the box (square, centred) and redraws when its size changed; builds on first use.
    void layoutSubviews() override;

private:
    // The square box for the current bounds.
    platform::CGRect boxFrame() const;
    // Renders the payload into the image view (see the class comment).
    void updateQrCodeImage();

    platform::CIImagePtr m_qrCodeImage;
    std::shared_ptr<platform::UIImageView> m_qrImageView;
    platform::UIViewPtr m_qrBorderView;
    std::optional<std::string> m_qrCodeTlv;
    // The image view's size when the code was last drawn into it.
    platform::CGSize m_drawnSize;
};

} // namespace tavro
