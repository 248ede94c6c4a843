#pragma once
// A whole amount pasted into an amount row ("1,234.5", in its currency's own format). The rows read
// their field's digits as minor units, so such a paste would shift by the fraction's width if its
// digits were simply typed; here it becomes the minor-unit digits of the amount it spells.

#include <string_view>

namespace platform {
class UITextField;
} // namespace platform

namespace tavro {

// True for a replacement that is not digits alone: a row reads it as a whole amount.
bool isWholeAmountPaste(std::string_view replacement);

// Replaces the field's text with `pasted` read as an amount of `currencyCode` (grouping dropped),
// cut down, never rounded up, to the currency's minor unit and written as minor-unit digits ("12.5"
// in INR becomes "1250"), then posts the field's text-change notification, so the row re-formats and
// reports it as any edit. As with typing, `digitLimit` digits and one more (flagged by the row) may
// enter. Leaves the field as it is, and returns false, for a text that is no amount of the currency
// (a sign, letters, a second decimal separator, "." where the currency writes ",") or one with
// more digits.
bool pasteWholeAmount(platform::UITextField& field, std::string_view pasted, std::string_view currencyCode,
                      int digitLimit);

} // namespace tavro
