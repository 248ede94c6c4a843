#pragma once
// TAVROSwitchCellView: the form row for one optional additional-data field of a payment
// request. A title with an on/off switch, a white bar, an embedded text input row and a hint
// telling what an empty field means. The row owns its embedded row (is its cellViewDelegate),
// filters its reports and passes them on to its own owner, switchCellDelegate.
//
// In the request-payment flow a switched-on field left empty stands for "***" (the customer's
// app asks the payer for it): an empty value is reported as "***" and valid, switching on reports
// "***" with true, switching off "***" with false; a value is valid with at most 26 code points and
// not made of blanks only. Switching off empties the field, ends its editing and gives it its
// valid look at rest, without a report; while the switch is off the field's reports are dropped,
// so a row that is off writes nothing. In other
// flows reports pass through unchanged. The owner lays the row out, hides the field of a row that
// is off and grows the row from 72 to 212 points when the switch is on; the row never resizes
// itself.
//
// Make with NSObject::create<TAVROSwitchCellView>(frame). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROCellViewProtocol.h"
#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UISwitch.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <string>

namespace tavro {

class TAVROSwitchCellView : public platform::UIView, public TAVROCellViewProtocol {
public:
    explicit TAVROSwitchCellView(const platform::CGRect& frame = {});

    static constexpr platform::CGFloat switchCellHeight = 70;
    static constexpr platform::CGFloat marginX = 16;
    static constexpr platform::CGFloat marginY = 24;
    static constexpr platform::CGFloat labelHeight = 24;
    static constexpr platform::CGFloat hBarHeight = 2;
    static constexpr platform::CGFloat switchWidth = 40;
    static constexpr platform::CGFloat switchHeight = 27;
    static constexpr platform::CGFloat switchScale = 1;
    static constexpr platform::CGFloat inputCellHeight = 70;
    static constexpr platform::CGFloat msgLabelHeight = 72;
    static constexpr platform::CGFloat msgLableFontSize = 12;
    static constexpr const char* darkTextColorHex = "#15195A";
    static constexpr const char* lightTextColorHex = "#6F7099";

    std::shared_ptr<TAVROCellViewProtocol> switchCellDelegate() const { return m_switchCellDelegate.lock(); }
    void setSwitchCellDelegate(std::weak_ptr<TAVROCellViewProtocol> delegate)
    {
        m_switchCellDelegate = std::move(delegate);
    }
    // Which request field the row edits; set by the owner (also on the embedded row).
    CellType cellType() const { return m_cellType; }
    void setCellType(CellType type) { m_cellType = type; }

    const std::shared_ptr<platform::UILabel>& leftLabel() const { return m_leftLabel; }
    const platform::UIViewPtr& hBar() const { return m_hBar; }
    const std::shared_ptr<platform::UISwitch>& rightSwitch() const { return m_rightSwitch; }
    const std::shared_ptr<TAVROInputCellView>& inputCell() const { return m_inputCell; }
    const platform::UIViewPtr& msgBG() const { return m_msgBG; }
    const std::shared_ptr<platform::UILabel>& msgLabel() const { return m_msgLabel; }
    bool didSetConstraints() const { return m_didSetConstraints; }

    // The field's title (a localisation key or phrase). Setting it titles the label, the embedded
    // row ("Set <title>") and the hint.
    const std::string& topLeftTitle() const { return m_topLeftTitle; }
    void setTopLeftTitle(std::string title);
    // The field's value, shown in the embedded row's field.
    const std::string& inputString() const { return m_inputString; }
    void setInputString(std::string value);
    // The hint text, shown in the hint label.
    const std::string& msgLabelText() const { return m_msgLabelText; }
    void setMsgLabelText(std::string text);

    void updateConstraints() override;
    // Dims (true) or restores (false) an off switch and its title; an on switch is left alone.
    void disableSwitch(bool shouldDisable);

    // The row's own rule for `text` in the request flow: at most 26 code points, not blanks only.
    // Met by any text in other flows.
    bool passesOwnRule(const std::optional<std::string>& text) const;

    // --- as owner of the embedded row ---
    // The row's own rule and the owner's answer for the same text, both needed.
    bool isVaildData(TAVROCellView& inputCellView, const std::optional<std::string>& text) override;
    void cellViewType(CellType cellType, const std::optional<std::string>& dataString, bool isVaild) override;
    void touchedTextField(CellType cellType, const std::shared_ptr<platform::UITextField>& textField) override;

protected:
    void didCreate() override;

private:
    void addTitle();
    void addSwitch();
    void addHBar();
    void addInputCell();
    void addMessageLabel();
    // The switch's value-changed action.
    void switchDidToggle();
    void emptyInputField();

    std::weak_ptr<TAVROCellViewProtocol> m_switchCellDelegate;
    CellType m_cellType = CellType::none;
    std::shared_ptr<platform::UILabel> m_leftLabel;
    std::string m_topLeftTitle;
    platform::UIViewPtr m_hBar;
    std::shared_ptr<platform::UISwitch> m_rightSwitch;
    std::shared_ptr<TAVROInputCellView> m_inputCell;
    std::string m_inputString;
    platform::UIViewPtr m_msgBG;
    std::shared_ptr<platform::UILabel> m_msgLabel;
    std::string m_msgLabelText = "Message";
    bool m_didSetConstraints = false;
};

} // namespace tavro
