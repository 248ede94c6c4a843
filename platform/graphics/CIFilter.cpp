#include "platform/graphics/CIFilter.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/QRCodeGeneratorFilter.h"

namespace platform {

CIFilter::CIFilter(std::string name) : m_name(std::move(name)) {}

std::shared_ptr<CIFilter> CIFilter::named(const std::string& name)
{
    if (name == QRCodeGeneratorFilter::kName)
        return std::make_shared<QRCodeGeneratorFilter>();
    return nullptr;
}

void CIFilter::declareInput(const std::string& key, std::optional<std::string> defaultValue)
{
    m_inputs[key] = std::move(defaultValue);
}

bool CIFilter::accepts(const std::string&, const std::string&) const
{
    return true;
}

void CIFilter::setValue(const std::string& value, const std::string& key)
{
    auto input = m_inputs.find(key);
    if (input == m_inputs.end()) {
        debugLog("CIFilter " + m_name + ": no input named " + key);
        return;
    }
    if (!accepts(key, value)) {
        debugLog("CIFilter " + m_name + ": value not accepted for " + key);
        return;
    }
    input->second = value;
}

std::optional<std::string> CIFilter::value(const std::string& key) const
{
    auto input = m_inputs.find(key);
    if (input == m_inputs.end())
        return std::nullopt;
    return input->second;
}

} // namespace platform
