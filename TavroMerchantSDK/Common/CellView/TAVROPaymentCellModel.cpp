#include "TavroMerchantSDK/Common/CellView/TAVROPaymentCellModel.h"

#include "TavroMerchantSDK/Common/CellView/CustomerEntersValue.h"
#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/Utilities.h"

namespace tavro {

TAVROPaymentCellModel::TAVROPaymentCellModel(CellType cellType, std::optional<std::string> titleName,
                                             std::optional<std::string> value)
    : m_cellType(cellType), m_titleName(std::move(titleName)), m_value(std::move(value))
{
    const auto& session = TavroSession::sharedSession();
    if (m_value && session->isScanned() && *m_value == kCustomerEntersValue) {
        m_isRequired = true;
        m_value.reset();
    }
    if (m_cellType != CellType::paymentAmount)
        return;

    const auto currencyCode = session->activeCurrencyCode();
    if (m_value && !m_value->empty()) {
        // Values come from requests, whose amounts are plain decimals with a point.
        if (auto amount = readPlainDecimal(*m_value)) {
            auto formatted = Utilities::getISOCurrencyComponents(*amount, currencyCode).formattedAmount;
            if (!formatted.empty())
                m_value = Utilities::removingGroupingSeparator(formatted, currencyCode);
        }
    }
    m_currencyString = Utilities::getISOCurrencyComponents(0, currencyCode).currencyCode;
}

} // namespace tavro
