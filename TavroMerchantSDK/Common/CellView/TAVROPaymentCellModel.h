#pragma once
// TAVROPaymentCellModel: what one row of a payment form shows. A screen builds a list of them and
// hands it to the form, which makes one row per model; the rows and the form share the models
// (nothing copies them). Make with NSObject::create<TAVROPaymentCellModel>(type, title, value).
// Main thread only.

#include "TavroMerchantSDK/Common/CellView/CellType.h"
#include "platform/foundation/NSObject.h"

#include <optional>
#include <string>

namespace tavro {

class TAVROPaymentCellModel : public platform::NSObject {
public:
    // Takes the three values, then normalises them against the session:
    // - with the session's isScanned on, a value of exactly "***" (a field the payer must enter)
    //   becomes absent and isRequired true;
    // - an amount row (paymentAmount) whose value is a plain decimal ("1234.5") gets it formatted
    //   for the active currency without grouping ("1234.50" for "356"); a value that is not a
    //   plain decimal, or that the currency cannot format, is kept as it came. Every amount row
    //   gets currencyString, the active currency's alphabetic code ("INR").
    TAVROPaymentCellModel(CellType cellType, std::optional<std::string> titleName, std::optional<std::string> value);

    CellType cellType() const { return m_cellType; }
    void setCellType(CellType type) { m_cellType = type; }
    // The row's title, already localised by the creator.
    const std::optional<std::string>& titleName() const { return m_titleName; }
    void setTitleName(std::optional<std::string> title) { m_titleName = std::move(title); }
    // The row's current value (field text, amount).
    const std::optional<std::string>& value() const { return m_value; }
    void setValue(std::optional<std::string> value) { m_value = std::move(value); }
    // The payer must enter the field.
    bool isRequired() const { return m_isRequired; }
    void setIsRequired(bool required) { m_isRequired = required; }
    const std::optional<std::string>& merchantId() const { return m_merchantId; }
    void setMerchantId(std::optional<std::string> id) { m_merchantId = std::move(id); }
    const std::optional<std::string>& merchantName() const { return m_merchantName; }
    void setMerchantName(std::optional<std::string> name) { m_merchantName = std::move(name); }
    const std::optional<std::string>& merchantCity() const { return m_merchantCity; }
    void setMerchantCity(std::optional<std::string> city) { m_merchantCity = std::move(city); }
    // Stored only.
    const std::optional<bool>& isTipAvailable() const { return m_isTipAvailable; }
    void setIsTipAvailable(std::optional<bool> available) { m_isTipAvailable = available; }
    // The payload's tip or fee indicator ("03": percentage fee).
    const std::optional<std::string>& tipAndFeeIndicator() const { return m_tipAndFeeIndicator; }
    void setTipAndFeeIndicator(std::optional<std::string> indicator) { m_tipAndFeeIndicator = std::move(indicator); }
    const std::optional<std::string>& convenienceFeeAmount() const { return m_convenienceFeeAmount; }
    void setConvenienceFeeAmount(std::optional<std::string> fee) { m_convenienceFeeAmount = std::move(fee); }
    const std::optional<std::string>& convenienceFeePercentage() const { return m_convenienceFeePercentage; }
    void setConvenienceFeePercentage(std::optional<std::string> fee) { m_convenienceFeePercentage = std::move(fee); }
    // Alphabetic code of the active currency for amount rows; "" for the others.
    const std::string& currencyString() const { return m_currencyString; }
    void setCurrencyString(std::string code) { m_currencyString = std::move(code); }

private:
    CellType m_cellType = CellType::none;
    std::optional<std::string> m_titleName;
    std::optional<std::string> m_value;
    bool m_isRequired = false;
    std::optional<std::string> m_merchantId;
    std::optional<std::string> m_merchantName;
    std::optional<std::string> m_merchantCity;
    std::optional<bool> m_isTipAvailable = false;
    std::optional<std::string> m_tipAndFeeIndicator;
    std::optional<std::string> m_convenienceFeeAmount;
    std::optional<std::string> m_convenienceFeePercentage;
    std::string m_currencyString;
};

using TAVROPaymentCellModelPtr = std::shared_ptr<TAVROPaymentCellModel>;

} // namespace tavro
