#pragma once
// TavroError: the framework's one public error object. It carries either English messages from
// request validation or the numeric code texts of the payload validator ("0" for a payload that
// does not decode). Below the payload layer, which creates it; header-only.
// Held by std::shared_ptr.

#include <string>
#include <utility>
#include <vector>

namespace tavro {

class TavroError {
public:
    // Keeps the list exactly as given: no mapping, sorting or removal of duplicates.
    explicit TavroError(std::vector<std::string> errorCodes) : m_errorCodes(std::move(errorCodes)) {}
    // A list holding that one entry.
    explicit TavroError(std::string errorCode) : m_errorCodes{std::move(errorCode)} {}

    const std::vector<std::string>& errorCodes() const { return m_errorCodes; }
    void setErrorCodes(std::vector<std::string> errorCodes) { m_errorCodes = std::move(errorCodes); }

    // Every entry in order, each followed by one "\n"; the empty list gives the empty text.
    std::string description() const
    {
        std::string result;
        for (const std::string& entry : m_errorCodes) {
            result += entry;
            result += '\n';
        }
        return result;
    }

private:
    std::vector<std::string> m_errorCodes;
};

} // namespace tavro
