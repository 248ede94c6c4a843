#pragma once
// TAVROFXDropDownCellView: the currency drop-down of a payment form's amount row, locked or not.
// Locked, it shows the currency code centred across its whole width and cannot be tapped (its tap
// target is hidden, the chevron 0 wide); unlocked, it shows the code beside a 40-point chevron.
// The lock is fixed at creation: make it only with
// NSObject::create<TAVROFXDropDownCellView>(frame, isLocked). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVRODropDownCellView.h"

namespace tavro {

class TAVROFXDropDownCellView : public TAVRODropDownCellView {
public:
    TAVROFXDropDownCellView(const platform::CGRect& frame, bool isLocked);

    static constexpr platform::CGFloat chevronWidth = 40;

    bool isLocked() const { return m_isLocked; }

    // The drop-down's build, then the field and chevron laid out for the lock: both on the line
    // below the title, the field's text centred.
    void prepareView() override;

private:
    bool m_isLocked;
};

} // namespace tavro
