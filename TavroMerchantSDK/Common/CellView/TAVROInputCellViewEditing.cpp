// Typing into the text input row: the length rule, card-number grouping, the plus button's
// rotation, clearing and resetting.

#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"

#include "TavroMerchantSDK/support/base/StringExtensions.h"
#include "TavroMerchantSDK/support/TextReplacing.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UITextField.h"

namespace tavro {

namespace {

constexpr double kPlusAnimationDuration = 0.25;

std::string withoutControlCharacters(std::string_view text)
{
    std::u32string codePoints = platform::text::toUtf32(text);
    std::erase_if(codePoints, platform::text::isControlCharacter);
    return platform::text::fromUtf32(codePoints);
}

} // namespace

bool TAVROInputCellView::textField(platform::UITextField& field, platform::NSRange range,
                                   const std::string& replacement)
{
    if (&field != inputTextField().get())
        return true;
    // A deletion only ever shortens the text, whatever its length.
    if (replacement.empty())
        return true;
    const auto found = platform::text::findControlAndSupplementary(replacement);
    // A character above U+FFFF refuses the whole replacement: wallets would misread its length, and
    // what an emoji sequence leaves without it (joiners, modifiers, half a flag) means nothing.
    if (found.supplementary)
        return false;
    // No control character gets into the text, typed or pasted: the rest goes in as this row's own
    // edit, under the same limits.
    if (found.control) {
        const auto rest = withoutControlCharacters(replacement);
        if (!rest.empty() && fitsLimit(field, rest))
            field.replace(range, rest);
        return false;
    }
    return fitsLimit(field, replacement);
}

bool TAVROInputCellView::fitsLimit(const platform::UITextField& field, const std::string& replacement) const
{
    // The replaced range is not subtracted: a selection cannot make room past the limit.
    if (isKoraCardNumberCell())
        return lengthOf(replacingOccurrences(field.text(), " ", "")) + lengthOf(replacement) <= maximumCardDigits;
    if (cellType() == CellType::paymentAmount || cellType() == CellType::addTip)
        return true;
    // An additional-data field counts code points, as its payload entry does.
    const auto unit = isAdditionalDataKind(cellType()) ? TextUnit::codePoints : TextUnit::characters;
    return lengthOf(field.text(), unit) + lengthOf(replacement, unit) <= maximumTextLength;
}

void TAVROInputCellView::textFieldDidChange(platform::UITextField& field)
{
    TAVROCellView::textFieldDidChange(field);
    if (&field != inputTextField().get() || !isKoraCardNumberCell())
        return;
    if (field.text().empty()) {
        field.setText(std::nullopt);
        return;
    }
    field.setText(creditCardFormat(replacingOccurrences(field.text(), " ", "")));
}

bool TAVROInputCellView::textFieldShouldBeginEditing(platform::UITextField& field)
{
    TAVROCellView::textFieldShouldBeginEditing(field);
    animatePlusRotation(plusRotationAngle);
    return true;
}

void TAVROInputCellView::textFieldDidEndEditing(platform::UITextField& field)
{
    TAVROCellView::textFieldDidEndEditing(field);
    // A field left with text, or invalid, keeps the cross.
    if (isVaildCell() && field.text().empty())
        animatePlusRotation(0);
}

void TAVROInputCellView::animatePlusRotation(double angle)
{
    auto plus = plusBtn();
    if (!plus)
        return;
    platform::UIView::animate(
        kPlusAnimationDuration, 0, platform::UIViewAnimationOptions::none,
        [&] { plus->setTransform(platform::CGAffineTransform::makeRotation(angle)); }, [](bool) {});
}

void TAVROInputCellView::clearTextField()
{
    auto field = inputTextField();
    if (!field)
        return;
    field->setText(std::string());
    auto delegate = cellViewDelegate();
    if (!delegate)
        return;
    setIsVaildCell(delegate->isVaildData(*this, field->text()));
    field->becomeFirstResponder();
    reportValue(std::string(), true);
}

void TAVROInputCellView::resetTextField()
{
    if (auto field = inputTextField())
        field->setText(std::string());
    setIsVaildCell(true);
    normalStateTheme();
    if (auto field = inputTextField())
        field->endEditing(true);
}

} // namespace tavro
