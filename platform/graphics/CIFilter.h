#pragma once
// Image filters found by name, set up by key-value inputs. The only filter is "CIQRCodeGenerator"
// (see QRCodeGeneratorFilter.h). Held as std::shared_ptr<CIFilter>.

#include "platform/graphics/CIImage.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace platform {

class CIFilter {
public:
    virtual ~CIFilter() = default;

    // A new filter of that name; nullptr for a name no filter has.
    static std::shared_ptr<CIFilter> named(const std::string& name);

    const std::string& name() const { return m_name; }

    // Sets input `key` to `value` (text or bytes). An unknown key or a value the input does not accept:
    // one debug line, the input keeps its value.
    void setValue(const std::string& value, const std::string& key);
    // The input's value; none for an unknown key or an input never set and without a default.
    std::optional<std::string> value(const std::string& key) const;

    // The filter's result for the current inputs; nullptr when they give none.
    virtual CIImagePtr outputImage() const = 0;

protected:
    explicit CIFilter(std::string name);
    // Declares an input; `defaultValue` none means unset until set.
    void declareInput(const std::string& key, std::optional<std::string> defaultValue);
    // Whether `value` is acceptable for input `key`; the base accepts anything.
    virtual bool accepts(const std::string& key, const std::string& value) const;

private:
    std::string m_name;
    std::map<std::string, std::optional<std::string>> m_inputs;
};

} // namespace platform
