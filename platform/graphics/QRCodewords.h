#pragma once
// The codeword stream of a QR symbol for a byte-mode message: version choice, data codewords with
// padding, Reed-Solomon error correction per block, and the standard's interleaving. Used by the
// QR encoder, which places the stream and chooses the mask.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {

enum class QRErrorCorrection { low, medium, quartile, high };

struct QRCodewords {
    int version = 0;                 // the smallest that holds the message at the level asked
    std::vector<std::uint8_t> bytes; // interleaved data and error-correction codewords
};

// Modules left for codewords (data, error correction and remainder bits) in a version.
int qrRawDataModules(int version);

// None for an empty message or one too long for version 40 at this level.
std::optional<QRCodewords> makeQRCodewords(std::string_view message, QRErrorCorrection level);

} // namespace platform
