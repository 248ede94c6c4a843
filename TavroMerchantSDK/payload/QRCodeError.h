#pragma once
// QRCodeError: a list of payload error codes (decimal integer texts) for a host application,
// as plain text and as JSON.

#include <string>
#include <vector>

namespace tavro {

class QRCodeError {
public:
    explicit QRCodeError(std::vector<std::string> errorCodes) : m_errorCodes(std::move(errorCodes)) {}

    const std::vector<std::string>& errorCodes() const { return m_errorCodes; }
    void setErrorCodes(std::vector<std::string> errorCodes) { m_errorCodes = std::move(errorCodes); }

    // Each code followed by one blank ("6 48 "); the empty list gives the empty text.
    std::string description() const;

    // Pretty-printed JSON: {"qrCodeError": [the codes as integers], "qrCodeData": {}}.
    // The empty text when a code is not a decimal integer (optional sign, ASCII digits) that
    // fits in 64 bits.
    std::string getJSONOutput() const;

private:
    std::vector<std::string> m_errorCodes;
};

} // namespace tavro
