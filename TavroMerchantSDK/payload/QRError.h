#pragma once
// QRError: one payload error code with its description, for a host application.

#include "platform/foundation/AnyValue.h"

#include <string>

namespace tavro {

class QRError {
public:
    QRError(std::string errorCode, std::string description)
        : m_errorCode(std::move(errorCode)), m_errorDescription(std::move(description))
    {
    }

    const std::string& errorCode() const { return m_errorCode; }
    void setErrorCode(std::string value) { m_errorCode = std::move(value); }

    const std::string& errorDescription() const { return m_errorDescription; }
    void setErrorDescription(std::string value) { m_errorDescription = std::move(value); }

    // {"errorCode": errorCode, "errorDescription": errorDescription}, both as text.
    platform::AnyValue::Dictionary dictionaryOutput() const
    {
        return {{"errorCode", m_errorCode}, {"errorDescription", m_errorDescription}};
    }

private:
    std::string m_errorCode;
    std::string m_errorDescription;
};

} // namespace tavro
