// The switchable row as owner of its embedded row: the request flow's rule, the "***" marker and
// the switch's toggle.

#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"

#include "TavroMerchantSDK/Common/CellView/CustomerEntersValue.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/base/StringExtensions.h"
#include "TavroMerchantSDK/support/TextReplacing.h"

namespace tavro {

namespace {

bool isRequestFlow()
{
    return TavroSession::sharedSession()->activeSessionType() == TavroActiveFlow::requestPayment;
}

} // namespace

bool TAVROSwitchCellView::passesOwnRule(const std::optional<std::string>& text) const
{
    if (!text || !isRequestFlow())
        return true;
    const auto length = lengthOf(*text, TextUnit::codePoints);
    return length <= TAVROInputCellView::maximumTextLength &&
           (length == 0 || !replacingOccurrences(*text, " ", "").empty());
}

bool TAVROSwitchCellView::isVaildData(TAVROCellView& inputCellView, const std::optional<std::string>& text)
{
    const bool verdict = passesOwnRule(text);
    // The owner is asked even when the row's own rule already refused.
    if (auto delegate = switchCellDelegate())
        return delegate->isVaildData(inputCellView, text) && verdict;
    return verdict;
}

void TAVROSwitchCellView::cellViewType(CellType cellType, const std::optional<std::string>& dataString, bool isVaild)
{
    auto delegate = switchCellDelegate();
    if (!delegate)
        return;
    // A field switched off writes nothing: the toggle has told the owner so.
    if (isRequestFlow() && !m_rightSwitch->isOn())
        return;
    if (isRequestFlow() && dataString && dataString->empty())
        delegate->cellViewType(cellType, std::string(kCustomerEntersValue), true);
    else
        delegate->cellViewType(cellType, dataString, isVaild);
}

void TAVROSwitchCellView::touchedTextField(CellType cellType, const std::shared_ptr<platform::UITextField>& textField)
{
    if (auto delegate = switchCellDelegate())
        delegate->touchedTextField(cellType, textField);
}

void TAVROSwitchCellView::emptyInputField()
{
    if (auto field = m_inputCell->inputTextField())
        field->setText(std::string());
}

void TAVROSwitchCellView::switchDidToggle()
{
    // The owner may release this row from its callbacks.
    auto self = sharedFromThis<TAVROSwitchCellView>();
    const bool on = m_rightSwitch->isOn();
    bool accepted = false;
    if (on) {
        accepted = isVaildData(*m_inputCell, std::string(kCustomerEntersValue));
    } else {
        // The field is emptied and ends editing (its report is dropped, the switch being off), so
        // no later key reaches it; an error it showed goes with its text.
        m_inputCell->resetTextField();
        accepted = isVaildData(*m_inputCell, std::nullopt);
    }
    if (accepted) {
        if (auto delegate = switchCellDelegate())
            delegate->cellViewType(m_cellType, std::string(kCustomerEntersValue), on);
        return;
    }
    // Off before the owner checks the form again, so it judges the row as shown.
    emptyInputField();
    m_rightSwitch->setOn(false, false);
    isVaildData(*m_inputCell, std::nullopt);
}

} // namespace tavro
