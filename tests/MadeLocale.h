#pragma once
// A locale compiled from the machine's locale sources into a scratch directory, so a test can run
// code under a host's locale on any machine. localedef needs no privileges to write into a
// directory that LOCPATH then names; the sources come with the Debian package `locales`, which
// scripts/install-deps.sh installs.

#include <cstdio>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <locale>
#include <string>
#include <unistd.h>

namespace testing_support {

class MadeLocale {
public:
    // Compiles `source` (such as "tr_TR") in `charset` (such as "UTF-8") as "<source>.<charset>".
    MadeLocale(const std::string& source, const std::string& charset) : m_name(source + "." + charset)
    {
        m_directory = std::filesystem::temp_directory_path() /
                      ("tavro-locale-" + std::to_string(::getpid()) + "-" + m_name);
        std::error_code ignored;
        std::filesystem::remove_all(m_directory, ignored);
        std::filesystem::create_directories(m_directory, ignored);
        const std::string command = "localedef -i " + source + " -f " + charset + " '" +
                                    (m_directory / m_name).string() + "' >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        // localedef ends with status 1 after mere warnings, the locale written all the same.
        if (!std::filesystem::exists(m_directory / m_name / "LC_CTYPE", ignored) ||
            !std::filesystem::exists(m_directory / m_name / "LC_NUMERIC", ignored))
            m_problem = "the locale " + m_name + " could not be made (localedef status " + std::to_string(status) +
                        "; its sources come with the package locales)";
    }
    ~MadeLocale()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_directory, ignored);
    }
    MadeLocale(const MadeLocale&) = delete;
    MadeLocale& operator=(const MadeLocale&) = delete;

    // Empty when the locale was made; else why not, for the message of a skipped test.
    const std::string& problem() const { return m_problem; }

    // In a forked child (inside EXPECT_EXIT): runs `check` (true when it passes) with the locale
    // set as a host sets it, first through std::locale::global, then through setlocale(LC_ALL, "")
    // with LC_ALL naming it. The locale must write "," before a fraction, so that it is seen to
    // take effect. Exits 0 when both checks passed, 1 when one failed, 3 when the locale could not
    // be set, saying which on standard error.
    template <class Check>
    [[noreturn]] void runUnderLocale(Check check) const
    {
        ::setenv("LOCPATH", m_directory.c_str(), 1);
        try {
            std::locale::global(std::locale(m_name.c_str()));
        } catch (const std::exception&) {
            exitWith(3, "std::locale::global refused the locale");
        }
        if (!inEffect())
            exitWith(3, "the locale set through std::locale::global is not in effect");
        if (!check())
            exitWith(1, "the check failed under std::locale::global");
        std::locale::global(std::locale::classic());
        ::setenv("LC_ALL", m_name.c_str(), 1);
        if (!std::setlocale(LC_ALL, "") || !inEffect())
            exitWith(3, "setlocale(LC_ALL, \"\") did not set the locale");
        if (!check())
            exitWith(1, "the check failed under setlocale(LC_ALL, \"\")");
        ::_exit(0);
    }

private:
    static bool inEffect() { return std::strcmp(std::localeconv()->decimal_point, ",") == 0; }

    [[noreturn]] void exitWith(int status, const char* why) const
    {
        std::fprintf(stderr, "%s: %s\n", m_name.c_str(), why);
        ::_exit(status);
    }

    std::string m_name;
    std::filesystem::path m_directory;
    std::string m_problem;
};

} // namespace testing_support
