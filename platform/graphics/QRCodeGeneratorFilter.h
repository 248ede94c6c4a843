#pragma once
// The QR code generator filter, "CIQRCodeGenerator".
//   "inputMessage": the bytes to encode (byte mode), 1 to 2953 bytes at level L (fewer at higher levels).
//   "inputCorrectionLevel": "L", "M" (default), "Q" or "H"; used exactly, never raised.
// The output is one unit per module, dark modules black and light ones white, opaque, with a quiet zone
// of one light module on every side: a version-v code has an extent of 4v + 19 units square. The
// smallest version that holds the message is used. No message, an empty one, or one too long for
// version 40 at the chosen level gives no output.

#include "platform/graphics/CIFilter.h"

namespace platform {

class QRCodeGeneratorFilter : public CIFilter {
public:
    static constexpr const char* kName = "CIQRCodeGenerator";
    static constexpr const char* kInputMessage = "inputMessage";
    static constexpr const char* kInputCorrectionLevel = "inputCorrectionLevel";

    QRCodeGeneratorFilter();
    CIImagePtr outputImage() const override;

protected:
    bool accepts(const std::string& key, const std::string& value) const override;
};

} // namespace platform
