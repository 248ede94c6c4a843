#pragma once
// A scratch directory for resource tests, removed with everything in it at the end of the test.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace testing_support {

class ScratchDirectory {
public:
    ScratchDirectory()
    {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("resources-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string path() const { return m_path.string(); }
    std::string path(std::string_view relative) const { return (m_path / relative).string(); }

    // Writes `contents` (bytes as given) to `relative`, creating folders as needed.
    std::string write(std::string_view relative, std::string_view contents) const
    {
        auto file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        return file.string();
    }
    std::string makeDirectory(std::string_view relative) const
    {
        auto directory = m_path / relative;
        std::filesystem::create_directories(directory);
        return directory.string();
    }

private:
    std::filesystem::path m_path;
};

} // namespace testing_support
