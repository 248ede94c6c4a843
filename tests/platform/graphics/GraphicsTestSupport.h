#pragma once
// Helpers shared by the graphics tests: a scratch directory and small images drawn in code.

#include "platform/graphics/ImageContext.h"
#include "platform/graphics/UIImage.h"

#include <filesystem>
#include <string>

namespace graphics_test {

// A fresh directory under the system temp directory, removed with everything in it when destroyed.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    const std::filesystem::path& path() const { return m_path; }
    // Writes `bytes` to a file of that name in the directory; returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

// An image of `size` points at `scale` filled with `color`.
platform::UIImagePtr solidImage(platform::CGSize size, double scale, const platform::UIColorPtr& color);

// An image whose left half is `left` and right half is `right` (`size` points at scale 1).
platform::UIImagePtr splitImage(platform::CGSize size, const platform::UIColorPtr& left,
                                const platform::UIColorPtr& right);

} // namespace graphics_test
