// Rendering a full 375 x 667 screen at scale 2: drawing alone, PNG encoding alone, and both into a
// file, as the driver does for every screenshot.
#include "platform/graphics/ImageContext.h"
#include "platform/render/PNGOutput.h"
#include "platform/render/Renderer.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UISwitch.h"
#include "platform/ui/UITextField.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

using namespace platform;

namespace {

UIImagePtr badge(const UIColorPtr& color)
{
    UIGraphicsBeginImageContextWithOptions({40, 40}, false, 2);
    auto context = UIGraphicsGetCurrentContext();
    context->setFillColor(color);
    context->fillEllipse({0, 0, 40, 40});
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

// A form screen: a title, eight label + field rows, a switch row, an image and two buttons.
UIViewPtr makeScreen()
{
    auto root = NSObject::create<UIView>(CGRect{0, 0, 375, 667});
    root->setBackgroundColor(UIColor::colorWithWhite(0.96));

    auto title = NSObject::create<UILabel>(CGRect{16, 28, 343, 30});
    title->setText("Request payment");
    title->setFont(UIFont::boldSystemFont(22));
    root->addSubview(title);

    for (int row = 0; row < 8; ++row) {
        double y = 70 + row * 56;
        auto card = NSObject::create<UIView>(CGRect{16, y, 343, 50});
        card->setBackgroundColor(UIColor::white());
        card->layer()->setCornerRadius(8);
        card->layer()->setBorderWidth(1);
        card->layer()->setBorderColor(UIColor::colorWithWhite(0.85));
        root->addSubview(card);
        auto caption = NSObject::create<UILabel>(CGRect{12, 4, 200, 16});
        caption->setText("Field number " + std::to_string(row + 1));
        caption->setFont(UIFont::systemFont(12));
        caption->setTextColor(UIColor::gray());
        card->addSubview(caption);
        auto field = NSObject::create<UITextField>(CGRect{12, 20, 319, 26});
        if (row % 2 == 0) {
            field->setText("4111 1111 1111 " + std::to_string(1000 + row));
        } else {
            field->setPlaceholder("Enter a value");
        }
        card->addSubview(field);
    }

    auto toggle = NSObject::create<UISwitch>(CGRect{308, 520, 51, 31});
    toggle->setOn(true);
    root->addSubview(toggle);
    auto logo = NSObject::create<UIImageView>(CGRect{16, 515, 40, 40});
    logo->setImage(badge(UIColor::orange()));
    root->addSubview(logo);

    const char* titles[] = {"Cancel", "Pay 12.50"};
    for (int i = 0; i < 2; ++i) {
        auto button = NSObject::create<UIButton>(CGRect{16 + i * 176.0, 590, 167, 48});
        button->setTitle(titles[i], UIControlState::normal);
        button->setBackgroundColor(i == 0 ? UIColor::gray() : UIColor::create(0, 0.45, 0.9));
        button->layer()->setCornerRadius(6);
        root->addSubview(button);
    }
    root->layoutIfNeeded();
    return root;
}

std::string outputPath()
{
    return (std::filesystem::temp_directory_path() / "tavro-bench-render-screen.png").string();
}

void BM_RenderScreenToPNG(benchmark::State& state)
{
    auto screen = makeScreen();
    std::string path = outputPath();
    for (auto _ : state) {
        bool written = Renderer::writePNG(screen, path, 2);
        benchmark::DoNotOptimize(written);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_RenderScreenToPNG)->Unit(benchmark::kMillisecond);

void BM_RenderScreenOnly(benchmark::State& state)
{
    auto screen = makeScreen();
    for (auto _ : state) {
        auto image = Renderer::renderView(screen, 2);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_RenderScreenOnly)->Unit(benchmark::kMillisecond);

void BM_EncodeScreenPNG(benchmark::State& state)
{
    auto image = Renderer::renderView(makeScreen(), 2);
    std::string path = outputPath();
    for (auto _ : state) {
        bool written = writeImagePNG(*image, path);
        benchmark::DoNotOptimize(written);
    }
    std::error_code error;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path, error));
    std::filesystem::remove(path);
}
BENCHMARK(BM_EncodeScreenPNG)->Unit(benchmark::kMillisecond);

} // namespace
