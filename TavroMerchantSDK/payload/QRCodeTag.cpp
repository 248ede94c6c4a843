#include "TavroMerchantSDK/payload/QRCodeTag.h"

namespace tavro {

namespace {

constexpr QRCodeTag::Constant kConstants[] = {
#define TAVRO_QR_CODE_TAG_ENTRY(id, name, Name, Kind) {#name, QRCodeTag::name},
    TAVRO_TAG_ROWS_BY_ID(TAVRO_QR_CODE_TAG_ENTRY, TAVRO_EXTRA_ROW_IGNORED)
#undef TAVRO_QR_CODE_TAG_ENTRY
};
static_assert(std::size(kConstants) == 114);

} // namespace

std::span<const QRCodeTag::Constant> QRCodeTag::constants()
{
    return kConstants;
}

} // namespace tavro
