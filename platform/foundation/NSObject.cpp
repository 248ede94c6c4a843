#include "platform/foundation/NSObject.h"

#include <cstdlib>
#include <cxxabi.h>

namespace platform {

std::string demangledTypeName(const char* mangledName)
{
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangledName, nullptr, nullptr, &status);
    std::string name = (status == 0 && demangled) ? demangled : mangledName;
    std::free(demangled);
    return name;
}

std::string unqualifiedClassName(const char* mangledName)
{
    const std::string name = demangledTypeName(mangledName);
    // Drop the namespace: everything up to the last "::" outside template arguments.
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char ch = name[i];
        if (ch == '<') {
            ++depth;
        } else if (ch == '>') {
            --depth;
        } else if (depth == 0 && ch == ':' && i + 1 < name.size() && name[i + 1] == ':') {
            start = i + 2;
            ++i;
        }
    }
    return name.substr(start);
}

std::string NSObject::className() const
{
    return unqualifiedClassName(classType().name());
}

} // namespace platform
