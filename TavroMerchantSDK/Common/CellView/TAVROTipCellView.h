#pragma once
// TAVROTipCellView: the row in which a tip is added. An amount row (digits, limit, reports) with
// a panel of four percentage buttons (5, 10, 15, 20 %) that opens below the field while it is
// being edited, and an add button at the right that empties the field for a typed tip.
//
// The row computes no tip: a tapped button reports its percentage (5.0 ... 20.0) through
// didChangeTipsAmount, and the owner turns it into an amount. The owner gives the row a height
// constraint (heightConstraint); editing opens the row by tipBaseViewHeight and closing takes it
// back. At most one button looks selected. Make with NSObject::create<TAVROTipCellView>(frame).
// Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROAmountCellView.h"

namespace tavro {

class TAVROTipCellView : public TAVROAmountCellView {
public:
    using TAVROAmountCellView::TAVROAmountCellView;

    // The add button's turn while the row is open, in radians.
    static constexpr double plusRotationAngle = 40.0;

    // --- state ---
    // The white panel holding the percentage buttons; it lies below the closed row, clipped.
    const platform::UIViewPtr& tipBaseView() const { return m_tipBaseView; }
    bool didSetConstraints2() const { return m_didSetConstraints2; }
    // The owner's height constraint of the row; grown and shrunk by tipBaseViewHeight.
    const platform::NSLayoutConstraintPtr& heightConstraint() const { return m_heightConstraint; }
    void setHeightConstraint(platform::NSLayoutConstraintPtr constraint) { m_heightConstraint = std::move(constraint); }
    const std::shared_ptr<platform::UIButton>& fiveBtn() const { return m_fiveBtn; }
    const std::shared_ptr<platform::UIButton>& tenBtn() const { return m_tenBtn; }
    const std::shared_ptr<platform::UIButton>& fifteenBtn() const { return m_fifteenBtn; }
    const std::shared_ptr<platform::UIButton>& twentyBtn() const { return m_twentyBtn; }
    platform::CGFloat margin() const { return m_margin; }
    void setMargin(platform::CGFloat margin) { m_margin = margin; }
    platform::CGFloat btnHeight() const { return m_btnHeight; }
    void setBtnHeight(platform::CGFloat height) { m_btnHeight = height; }
    platform::CGFloat tipBaseViewHeight() const { return m_tipBaseViewHeight; }
    void setTipBaseViewHeight(platform::CGFloat height) { m_tipBaseViewHeight = height; }
    // The button whose constraints were added last.
    const std::shared_ptr<platform::UIButton>& lastBtn() const { return m_lastBtn; }
    // The button tapped last; typing keeps it, only the add button clears it.
    const std::shared_ptr<platform::UIButton>& selectedButton() const { return m_selectedButton; }

    // --- building ---
    // Once: the panel, the add button (at the screen's right edge), the buttons, the field's
    // tip look (16 pt, placeholder, no currency until the owner sets one).
    virtual void prepareTipView();
    // Lays out the four percentage buttons across the panel's width.
    virtual void addAllBtn();
    // One percentage button at `xPosition`; tags 5, 10, 15 and 20 are kept in their fields,
    // other tags make a working button that is kept nowhere.
    virtual void addButtonToView(int tag, platform::CGFloat xPosition, platform::CGFloat width);
    virtual void addConstraintForView(const platform::UIViewPtr& view);
    virtual void addConstraintForBtn(const std::shared_ptr<platform::UIButton>& button);
    virtual void addConstraintForPlusBtn(const platform::UIViewPtr& button);
    // The base's constraints, then (once) the panel's and the buttons'.
    void updateConstraints() override;

    // --- content and actions ---
    // As the amount row; an empty code leaves the field empty.
    void setAmount(const std::string& amount, const std::string& currencyCode) override;
    // Selects `sender` alone and reports its tag as the percentage.
    virtual void tipBtnAction(platform::UIButton& sender);
    // Reports the selected button's percentage again; nothing when none is selected.
    virtual void calculateTips();
    // Every button looks unselected; selectedButton stays.
    virtual void deSelectAll();
    // The add button: empties the field, asks the owner about the empty text, forgets the
    // selection, focuses the field and reports "" as valid.
    virtual void clearTextField();

    void amountTextFieldDidChange() override;
    // Opens the row (animated) after the amount row's handling.
    bool textFieldShouldBeginEditing(platform::UITextField& field) override;
    // Validates, empties a zero amount and closes the row 0.1 s later.
    void textFieldDidEndEditing(platform::UITextField& field) override;

protected:
    // Builds the tip row's parts once the amount row stands (rows made by frame).
    void didCreate() override;

private:
    void layoutAround();

    platform::UIViewPtr m_tipBaseView;
    bool m_didSetConstraints2 = false;
    platform::NSLayoutConstraintPtr m_heightConstraint;
    std::shared_ptr<platform::UIButton> m_fiveBtn;
    std::shared_ptr<platform::UIButton> m_tenBtn;
    std::shared_ptr<platform::UIButton> m_fifteenBtn;
    std::shared_ptr<platform::UIButton> m_twentyBtn;
    platform::CGFloat m_margin = 10;
    platform::CGFloat m_btnHeight = 44;
    platform::CGFloat m_tipBaseViewHeight = 64;
    std::shared_ptr<platform::UIButton> m_lastBtn;
    std::shared_ptr<platform::UIButton> m_selectedButton;
};

} // namespace tavro
