#pragma once
// TAVROButtonCellView: the heading of the optional fields in the request-payment form, a bold
// "Additional Settings" label with a "Reset" text button beside it. Reset reports the row's kind
// to its owner with "" and true; the owner clears the optional fields. Make with
// NSObject::create<TAVROButtonCellView>(frame). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROCellViewProtocol.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

#include <memory>

namespace tavro {

class TAVROButtonCellView : public platform::UIView {
public:
    explicit TAVROButtonCellView(const platform::CGRect& frame = {});

    static constexpr platform::CGFloat buttonWidth = 90;
    static constexpr platform::CGFloat marginX = 16;
    static constexpr platform::CGFloat marginY = 26;
    static constexpr platform::CGFloat height = 20;

    std::shared_ptr<TAVROCellViewProtocol> buttonCellDelegate() const { return m_buttonCellDelegate.lock(); }
    void setButtonCellDelegate(std::weak_ptr<TAVROCellViewProtocol> delegate)
    {
        m_buttonCellDelegate = std::move(delegate);
    }
    // The kind Reset reports; none until the owner sets it (resetButton).
    CellType cellType() const { return m_cellType; }
    void setCellType(CellType type) { m_cellType = type; }
    const std::shared_ptr<platform::UILabel>& leftLabel() const { return m_leftLabel; }
    const std::shared_ptr<platform::UIButton>& rightButton() const { return m_rightButton; }
    const std::string& darkTextColorHex() const { return m_darkTextColorHex; }
    const std::string& blueTextColorHex() const { return m_blueTextColorHex; }

    // Reset's action: cellViewType(cellType, "", true) to the owner, if there is one.
    void buttonPressed();

protected:
    void didCreate() override;

private:
    void addLabel();
    void addButton();

    std::weak_ptr<TAVROCellViewProtocol> m_buttonCellDelegate;
    CellType m_cellType = CellType::none;
    std::shared_ptr<platform::UILabel> m_leftLabel;
    std::shared_ptr<platform::UIButton> m_rightButton;
    std::string m_darkTextColorHex = "#1D2A59";
    std::string m_blueTextColorHex = "#003EA9";
};

} // namespace tavro
