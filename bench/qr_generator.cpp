// QR generation speed: the module matrix for payloads from version 1 (14 bytes at M) to version 40
// (2331 bytes), a 150-character payload, and that code scaled into a
// 300-point box at scale 2 and written as PNG. For comparison, the same payload through the system's
// `qrencode` command (process start-up measured separately with `qrencode -V`).
#include "platform/graphics/CIFilter.h"
#include "platform/graphics/ImageContext.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace platform;

namespace {

std::string payload(size_t length)
{
    std::string text = "00020101021229370016A000000677010111011300668123456785204599953037645802TH"
                       "5910Coffee Bar6007Bangkok62410525REF";
    while (text.size() < length)
        text += char('A' + text.size() % 26);
    text.resize(length);
    return text;
}

CIImagePtr generate(const std::string& message)
{
    std::shared_ptr<CIFilter> filter = CIFilter::named("CIQRCodeGenerator");
    filter->setValue(message, "inputMessage");
    filter->setValue("M", "inputCorrectionLevel");
    return filter->outputImage();
}

void BM_QRMatrix(benchmark::State& state)
{
    const std::string message = payload(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        CIImagePtr qr = generate(message);
        benchmark::DoNotOptimize(qr);
    }
}
BENCHMARK(BM_QRMatrix)->Arg(14)->Arg(150)->Arg(500)->Arg(2331)->Unit(benchmark::kMicrosecond);

void BM_QRScaledToPNG(benchmark::State& state)
{
    const std::string message = payload(150);
    const double box = 300;
    const std::string path =
        (std::filesystem::temp_directory_path() / ("bench-qr-" + std::to_string(getpid()) + ".png")).string();
    for (auto _ : state) {
        CIImagePtr qr = generate(message);
        CGRect extent = qr->extent();
        UIImagePtr shown = UIImage::fromCIImage(
            qr->transformed(CGAffineTransform::makeScale(box / extent.width(), box / extent.height())));
        UIGraphicsBeginImageContextWithOptions({box, box}, true, 2);
        shown->draw(CGRect(0, 0, box, box));
        UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
        UIGraphicsEndImageContext();
        bool written = image->writePNG(path);
        benchmark::DoNotOptimize(written);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_QRScaledToPNG)->Unit(benchmark::kMillisecond);

// Runs a command with its output discarded and waits for it; false when it could not run.
bool runQuietly(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

const char* kQrencode = "/usr/bin/qrencode";

// Whole process: start-up, encoding, and a text rendering of the symbol written to /dev/null.
void BM_QrencodeCommand(benchmark::State& state)
{
    const std::string message = payload(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        if (!runQuietly({kQrencode, "-t", "ASCII", "-o", "/dev/null", "-l", "M", "-8", message})) {
            state.SkipWithError("qrencode could not be run");
            break;
        }
    }
}
BENCHMARK(BM_QrencodeCommand)->Arg(14)->Arg(150)->Arg(500)->Arg(2331)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Process start-up alone, to subtract from the figure above.
void BM_QrencodeStartup(benchmark::State& state)
{
    for (auto _ : state) {
        if (!runQuietly({kQrencode, "-V"})) {
            state.SkipWithError("qrencode could not be run");
            break;
        }
    }
}
BENCHMARK(BM_QrencodeStartup)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
