#pragma once
// ICU regular expressions on UTF-8 text. Patterns compile once; a pattern that fails to compile
// gives nullopt from compile() (and never matches through the convenience functions).

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Regex {
public:
    static std::optional<Regex> compile(std::string_view pattern, bool caseInsensitive = false);

    // True when the pattern matches the whole text.
    bool matchesEntirely(std::string_view text) const;
    // True when the pattern matches somewhere in the text.
    bool findsMatch(std::string_view text) const;

    Regex(const Regex&);
    Regex& operator=(const Regex&);
    Regex(Regex&&) noexcept;
    Regex& operator=(Regex&&) noexcept;
    ~Regex();

private:
    struct Impl;
    explicit Regex(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform
