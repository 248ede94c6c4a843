#pragma once
// QRCodeTag: one named constant per payload ID, named after the model property that holds it
// (QRCodeTag::tipAndFeeIndicator is "55", QRCodeTag::billID is "6201"). Declared in ascending
// text order of the IDs.

#include "TavroMerchantSDK/payload/TagTable.h"

#include <span>
#include <string_view>

namespace tavro {

class QRCodeTag {
public:
    QRCodeTag() = default;

#define TAVRO_QR_CODE_TAG_CONSTANT(id, name, Name, Kind) static constexpr std::string_view name{id};
    TAVRO_TAG_ROWS_BY_ID(TAVRO_QR_CODE_TAG_CONSTANT, TAVRO_EXTRA_ROW_IGNORED)
#undef TAVRO_QR_CODE_TAG_CONSTANT

    struct Constant {
        std::string_view name;
        std::string_view value;
    };
    // Every constant in declaration order (114).
    static std::span<const Constant> constants();
};

} // namespace tavro
