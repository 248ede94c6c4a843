#pragma once
// TAVRODropDownCellView: the small row at the right end of a payment-amount row that shows the
// form's currency code. Tapping it asks the owner (TAVRODropDownCellDelegate) to open or close
// the currency picker; the row itself never opens the picker nor changes the currency. It has two
// looks, kept only in the chevron's selected state: closed (chevron down, default colours, status
// bar hidden) and open (chevron up, the base row's focus look). Every tap toggles the look, then
// tells the delegate; the owner returns the row to the closed look with resetCell() when the
// picker closes.
//
// The field shows inputTextFieldString and never takes focus. A transparent tap target
// ("Currency_Drop_Down_Button") covers the row; it keeps the frame it gets when the row is built.
// The row ends 2 points shorter than the frame it was made with.
//
// Make with NSObject::create<TAVRODropDownCellView>(frame), or (frame, fromArchive) for a row from
// its nib, which builds on its first constraint or layout pass. Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVRODropDownCellDelegate.h"

#include <memory>

namespace tavro {

class TAVRODropDownCellView : public TAVROCellView {
public:
    using TAVROCellView::TAVROCellView;

    static constexpr const char* chevronDownImage = "tavro_sdk_icon_chevron_down";
    static constexpr const char* chevronUpImage = "tavro_sdk_icon_chevron_up";
    static constexpr const char* tapTargetIdentifier = "Currency_Drop_Down_Button";

    bool didSetConstraints1() const { return m_didSetConstraints1; }
    // The transparent tap target over the whole row; present once the row is built.
    const std::shared_ptr<platform::UIButton>& virtualBtn() const { return m_virtualBtn; }
    std::shared_ptr<TAVRODropDownCellDelegate> dropDownCellDelegate() const { return m_dropDownCellDelegate.lock(); }
    void setDropDownCellDelegate(std::weak_ptr<TAVRODropDownCellDelegate> delegate)
    {
        m_dropDownCellDelegate = std::move(delegate);
    }

    // Builds the base's bar and title, then (once) the chevron, the field and the tap target from
    // the row's frame and the current title metrics; shrinks the row by 2 points.
    void prepareView() override;
    // First pass only: builds what is missing, then freezes the chevron's and the field's frames.
    void updateConstraints() override;
    // After the platform's layout the title gap and height become 15 and 16 (frames stay);
    // builds the subviews if no pass did.
    void layoutSubviews() override;

    // The tap target's action: toggles the look, then tells the delegate (if any).
    void dropDownButtonAction(platform::UIButton& sender);
    // The closed look, without telling the delegate.
    virtual void resetCell();

private:
    // Default background and title colour, status bar hidden.
    void showClosedLook();

    bool m_didSetConstraints1 = false;
    std::shared_ptr<platform::UIButton> m_virtualBtn;
    std::weak_ptr<TAVRODropDownCellDelegate> m_dropDownCellDelegate;
};

} // namespace tavro
