#pragma once
// A whole amount pasted into an amount row ("1,234.5", in its currency's own format). The rows read
// their field's digits as minor units, so such a paste would shift by the fraction's width if its
// digits were simply typed; here it becomes the minor-unit digits of the amount it spells.

#include "platform/foundation/NSRange.h"

#include <string_view>

namespace platform {
class UITextField;
} // namespace platform

namespace tavro {

// True for a replacement that is not digits alone: a row reads it as a whole amount.
bool isWholeAmountPaste(std::string_view replacement);

// True when the digits `entered` (one typed or several pasted) may replace `range` (UTF-16 units)
// of the field's text `shown`: a key enters while the field shows at most `digitLimit` digits, so
// the amount may reach one digit more (flagged by the row), never more. Pasted digits are judged by
// the text the edit leaves, read as minor units of the active currency as the row re-formats it,
// wherever the range stands: leading zeros count for nothing ("12" after "0.00" makes 0.12), a zero
// behind the pasted digits as any digit ("99" before "0.05" makes 990.05); a paste that leaves more
// than one digit over the limit enters not at all.
bool enteredDigitsFit(std::string_view shown, platform::NSRange range, std::string_view entered, int digitLimit);

// Replaces the field's text with `pasted` read as an amount of `currencyCode` in its locale's own
// format (see plainPastedAmount), cut down, never rounded up, to the currency's minor unit and written as minor-unit digits ("12.5"
// in INR becomes "1250"), then posts the field's text-change notification, so the row re-formats and
// reports it as any edit. As with typing, `digitLimit` digits and one more (flagged by the row) may
// enter. Leaves the field as it is, and returns false, for a text that is no amount of the currency
// in that format (a sign, letters, a second decimal separator, "." where the currency writes ",",
// grouping the locale does not write) or one with more digits.
bool pasteWholeAmount(platform::UITextField& field, std::string_view pasted, std::string_view currencyCode,
                      int digitLimit);

} // namespace tavro
