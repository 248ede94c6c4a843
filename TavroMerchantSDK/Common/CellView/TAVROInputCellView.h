#pragma once
// TAVROInputCellView: the form row for free-text optional fields (bill number, mobile number,
// store ID, ...) and for the card number. A base row with a text field under the title and a
// square plus button at the trailing edge: the plus button empties the field, shows a plus at
// rest and turns into a cross while the row edits. Free text is limited to 26 characters (code
// points in the request's additional-data fields, as the payload counts them); in
// card-number mode (isKoraCardNumberCell) the field takes at most 16 digits and shows them in
// groups of four. Deletions are always allowed, so an over-long text set by the owner can be
// shortened. Make with NSObject::create<TAVROInputCellView>(frame). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROCellView.h"

#include <optional>

namespace tavro {

class TAVROInputCellView : public TAVROCellView {
public:
    using TAVROCellView::TAVROCellView;

    // Characters (code points in an additional-data field) a free-text field holds at most.
    static constexpr std::size_t maximumTextLength = 26;
    // Digits a card-number field holds at most.
    static constexpr std::size_t maximumCardDigits = 16;
    // The plus button's turn while the row edits, in radians (a plus turned into a cross).
    static constexpr double plusRotationAngle = 40.0;

    // 5 once the subviews are built; the limits above do not consult it.
    const std::optional<int>& maxTextFieldLenght() const { return m_maxTextFieldLenght; }
    bool didSetConstraints1() const { return m_didSetConstraints1; }

    // Builds the base's bar and title, then (once) the plus button and the field.
    void prepareView() override;
    // The title as the base pins it, except its trailing edge: 1 point before the plus button,
    // like the field's.
    void addConstraintForTitleBar(const platform::UIViewPtr& view) override;
    // First pass only: builds what is missing, then pins the plus button and the field.
    void updateConstraints() override;
    // After the platform's layout, the title gap and height become 15 and 16; an archived row
    // builds its subviews here if no constraint pass did.
    void layoutSubviews() override;

    void textFieldDidChange(platform::UITextField& field) override;
    bool textFieldShouldBeginEditing(platform::UITextField& field) override;
    void textFieldDidEndEditing(platform::UITextField& field) override;
    // The length rule (see the class comment); other fields than the row's own are not limited.
    // A replacement holding control characters (general category Cc) is refused, and what is left
    // of it without them is applied by the row itself when it fits.
    bool textField(platform::UITextField& field, platform::NSRange range, const std::string& replacement) override;

    // The plus button's action: empties the field; with an owner, revalidates the empty text,
    // keeps editing and reports "" as valid.
    void clearTextField();
    // Empties the field and shows the normal look without asking the owner; ends editing.
    void resetTextField();
    // Hides the plus button and gives the row a white resting background and a grey bar track.
    void makeOptionalText();

private:
    void animatePlusRotation(double angle);
    // Whether `replacement` may be added to the row's field under the length rule.
    bool fitsLimit(const platform::UITextField& field, const std::string& replacement) const;

    std::optional<int> m_maxTextFieldLenght;
    bool m_didSetConstraints1 = false;
};

} // namespace tavro
