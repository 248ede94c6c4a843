#pragma once
// What the currency picker tells its owner when it closes.

#include <string>

namespace tavro {

class TAVROCurrencySelectionViewDelegate {
public:
    virtual ~TAVROCurrencySelectionViewDelegate() = default;

    // Sent once per close, after the fade-out and after the picker has left its superview.
    // `currency` is an ISO 4217 numeric code as text ("840"): the picked currency's, or the
    // session's active code when the picker was closed without a choice.
    virtual void didCloseSelectionView(const std::string& currency) = 0;
};

} // namespace tavro
