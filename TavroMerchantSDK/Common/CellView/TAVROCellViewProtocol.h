#pragma once
// What a form row tells and asks its owner. The owner judges validity; a row only shows the
// answer. Rows hold their owner weakly and skip every call while there is none. Every adopter
// answers the first three; the six events after them do nothing unless the adopter wants them.
// Main thread only.

#include "TavroMerchantSDK/Common/CellView/CellType.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {
class UITextField;
}

namespace tavro {

class TAVROCellView;

class TAVROCellViewProtocol {
public:
    virtual ~TAVROCellViewProtocol() = default;

    // Whether `text` is a valid value for that row (asked while the merchant types).
    virtual bool isVaildData(TAVROCellView& inputCellView, const std::optional<std::string>& text) = 0;
    // A row's value changed or its editing ended: its kind, its text and the validity shown. Also
    // sent with resetButton, "" and true by the Reset row.
    virtual void cellViewType(CellType cellType, const std::optional<std::string>& dataString, bool isVaild) = 0;
    // A row's text field is about to begin editing.
    virtual void touchedTextField(CellType cellType, const std::shared_ptr<platform::UITextField>& textField) = 0;
    // The owner shows the message in its status banner.
    virtual void showGSMError(const std::string& /*message*/) {}
    virtual void disableUpdateButton() {}
    virtual void enableUpdateButton() {}
    // The tip row chose a tip percentage.
    virtual void didChangeTipsAmount(TAVROCellView& /*inputCellView*/, double /*tipsAmount*/) {}
    // The form's currency changed; the text names the new currency.
    virtual void didChangeCurrency(const std::string& /*currency*/) {}
    // A new total amount was computed.
    virtual void updateTotalAmount(const std::string& /*totalAmount*/) {}
};

} // namespace tavro
