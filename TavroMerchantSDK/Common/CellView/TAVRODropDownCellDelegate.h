#pragma once
// Told when the currency drop-down row is tapped. Held weakly by the row. Main thread only.

namespace tavro {

class TAVRODropDownCellDelegate {
public:
    virtual ~TAVRODropDownCellDelegate() = default;
    virtual void didSelectDropDownBtnAction() = 0;
};

} // namespace tavro
