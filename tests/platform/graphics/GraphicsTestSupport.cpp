#include "GraphicsTestSupport.h"

#include <atomic>
#include <fstream>
#include <unistd.h>

using namespace platform;

namespace graphics_test {

ScratchDirectory::ScratchDirectory()
{
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("graphics-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(m_path);
}

ScratchDirectory::~ScratchDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ScratchDirectory::write(const std::string& name, const std::string& bytes) const
{
    std::filesystem::path file = m_path / name;
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    return file.string();
}

UIImagePtr solidImage(CGSize size, double scale, const UIColorPtr& color)
{
    UIGraphicsBeginImageContextWithOptions(size, false, scale);
    CGContextPtr context = UIGraphicsGetCurrentContext();
    context->setFillColor(color);
    context->fill(CGRect(CGPoint{}, size));
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

UIImagePtr splitImage(CGSize size, const UIColorPtr& left, const UIColorPtr& right)
{
    UIGraphicsBeginImageContextWithOptions(size, false, 1);
    CGContextPtr context = UIGraphicsGetCurrentContext();
    context->setFillColor(left);
    context->fill(CGRect(0, 0, size.width / 2, size.height));
    context->setFillColor(right);
    context->fill(CGRect(size.width / 2, 0, size.width / 2, size.height));
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

} // namespace graphics_test
