#pragma once
// A locale compiled from the machine's locale sources (the package `locales`) into a scratch
// directory that LOCPATH names, so a test can run code under a host's locale, unprivileged.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <locale>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace testing_support {

class MadeLocale {
public:
    // Compiles `source` ("tr_TR") in `charset` ("UTF-8"); problem() says why when it could not be
    // made (localedef ends with status 1 after mere warnings, the locale made all the same).
    MadeLocale(const std::string& source, const std::string& charset)
        : m_name(source + "." + charset),
          m_directory(std::filesystem::temp_directory_path() / ("tavro-locale-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_directory, m_ignored);
        const std::string command =
            "localedef -i " + source + " -f " + charset + " '" + (m_directory / m_name).string() + "' >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        if (!std::filesystem::exists(m_directory / m_name / "LC_NUMERIC", m_ignored))
            m_problem = m_name + " could not be made (localedef status " + std::to_string(status) + ")";
    }
    ~MadeLocale() { std::filesystem::remove_all(m_directory, m_ignored); }

    const std::string& problem() const { return m_problem; }

    // In a forked child (inside EXPECT_EXIT): runs `check` (true when it passes) with the locale
    // set through std::locale::global, then through setlocale(LC_ALL, "") with LC_ALL naming it;
    // exits 0 when both passed. The locale must write "," before a fraction, to show it took effect.
    template <class Check>
    [[noreturn]] void runUnderLocale(Check check) const
    {
        ::setenv("LOCPATH", m_directory.c_str(), 1);
        try {
            std::locale::global(std::locale(m_name.c_str()));
        } catch (const std::runtime_error&) {
        }
        const bool globalPassed = inEffect() && check();
        std::locale::global(std::locale::classic());
        ::setenv("LC_ALL", m_name.c_str(), 1);
        const bool environmentPassed = std::setlocale(LC_ALL, "") && inEffect() && check();
        std::fprintf(stderr, "%s: %s through std::locale::global, %s through setlocale\n", m_name.c_str(),
                     globalPassed ? "passed" : "failed", environmentPassed ? "passed" : "failed");
        ::_exit(globalPassed && environmentPassed ? 0 : 1);
    }

private:
    static bool inEffect() { return std::strcmp(std::localeconv()->decimal_point, ",") == 0; }

    std::string m_name;
    std::filesystem::path m_directory;
    std::string m_problem;
    mutable std::error_code m_ignored;
};

} // namespace testing_support

// Expects `check` to pass under the locale made from `source` in `charset` (see runUnderLocale);
// skips the test when the locale could not be made.
#define EXPECT_PASSES_UNDER_MADE_LOCALE(source, charset, check) \
    if (const testing_support::MadeLocale madeLocale(source, charset); !madeLocale.problem().empty()) \
        GTEST_SKIP() << madeLocale.problem(); \
    else \
        EXPECT_EXIT(madeLocale.runUnderLocale(check), ::testing::ExitedWithCode(0), "")
