// The sample host in a desktop window: one of the two flows over the host's own screen, under a
// person's mouse and keyboard. Written from the README and the public headers alone, as a host
// developer would: it pumps the main run loop, sleeping until input, the next timer or a wake-up,
// and shows a frame whenever one is due. It exits 0 once its own window is key again (the flow
// ended) or when it is told to quit (window closed, SIGINT, SIGTERM).

#include "EventWait.h"
#include "HostInput.h"
#include "HostOptions.h"
#include "HostTrace.h"
#include "ShareSaver.h"
#include "WindowScreen.h"

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIWindow.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

using platform::NSObject;
using platform::RunLoop;
using namespace tavro;

namespace {

std::string joined(const std::vector<std::string>& texts)
{
    std::string text;
    for (const auto& part : texts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

void printRefusal(const char* flow, const std::shared_ptr<TavroError>& error)
{
    std::printf("result %s refused %s\n", flow, error ? joined(error->errorCodes()).c_str() : "");
}

// The host's own plain screen, key until a flow opens over it.
std::shared_ptr<platform::UIWindow> makeHostWindow()
{
    auto window = NSObject::create<platform::UIWindow>();
    auto home = NSObject::create<platform::UIViewController>();
    home->view()->setBackgroundColor(platform::UIColor::white());
    window->setRootViewController(home);
    window->makeKeyAndVisible();
    return window;
}

void launch(const HostOptions& options)
{
    if (!options.request) {
        auto request = NSObject::create<TavroRefundPaymentRequest>("1234", "Asha Rao", options.currencyCode, "150.00");
        TavroMerchantSDK::launchRefundPaymentFlow(request, [](bool ok, auto response, auto error) {
            if (!ok && !response) {
                printRefusal("refund", error);
                return;
            }
            std::printf("result refund %s %s\n", ok ? "ok" : "failed",
                        response ? response->refundAmount().c_str() : "");
            TavroMerchantSDK::endTavroFlow();
        });
        return;
    }
    auto request = NSObject::create<TavroPaymentRequest>("01", "11", options.merchantID, options.merchantName,
                                                         options.categoryCode, options.city, options.countryCode,
                                                         options.currencyCode, "", "", "", "", "", "", "", "");
    TavroMerchantSDK::launchRequestPaymentFlow(request, [](bool, auto, auto error) { printRefusal("request", error); });
}

// Milliseconds until the loop's next timer is due; -1 when it has none.
int msUntilNextTimer()
{
    const auto next = RunLoop::main().nextFireDate();
    if (!next)
        return -1;
    const double ms = std::ceil(std::max(0.0, *next - RunLoop::main().now()) * 1000);
    return static_cast<int>(std::min(ms, double(INT_MAX)));
}

int run(const HostOptions& options, bool trace)
{
    WindowScreen screen;
    if (!screen.isOpen())
        return 1;
    // Made before any other thread, and before the saver and gone after it: the saver's writer wakes
    // the loop until it joins it.
    EventWait waiter(screen.window());
    ShareSaver saver(options.outputDirectory);
    HostInput input;
    HostTrace tracer(trace);
    auto& loop = RunLoop::main();
    loop.setWakeUpHandler([&waiter] { waiter.wake(); });

    TavroMerchantSDK::start();
    const auto host = makeHostWindow();
    launch(options);
    const auto application = platform::UIApplication::shared();
    bool running = application->keyWindow() != host; // a refused launch leaves the host's window key
    const int status = running ? 0 : 1;
    SDL_StartTextInput();
    while (running) {
        if (loop.runOnce().frameDue()) {
            screen.present();
            tracer.presented(screen.fit());
        }
        if (application->keyWindow() == host)
            break;
        if (loop.queuedBlockCount() == 0)
            waiter.wait(msUntilNextTimer());
        SDL_Event event;
        for (bool got = waiter.poll(event); got && running; got = waiter.poll(event)) {
            if (event.type == SDL_QUIT) {
                running = false;
            } else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                screen.resized(event.window.data1, event.window.data2);
                loop.noteEventHandled();
                tracer.inputDelivered("resize");
            } else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                loop.noteEventHandled();
            } else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                input.cancelTouch();
            } else if (const char* kind = input.deliver(event, screen.fit())) {
                tracer.inputDelivered(kind);
            }
        }
    }
    loop.setWakeUpHandler({});
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    // Each line goes out as it is printed, also to a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    HostOptions options;
    options.request = true; // the request-payment flow unless --refund
    options.refund = false;
    options.outputDirectory = "window-host-output";
    const HostOptions defaults = options;
    double scale = 2;
    bool trace = false;
    const std::vector<HostFlag> flags = {
        {"--scale", "N", "the device's pixels per point: layout and the saved card (default 2)",
         [&](std::string_view value) { return parsePositive(value, 8, scale); }},
        {"--trace", "", "print each idle frame's views and each input's time to its frame",
         [&](std::string_view) { return trace = true; }},
    };
    std::string problem;
    if (!parseHostOptions(argc, argv, options, problem, flags)) {
        std::fprintf(stderr, "%s\n\n%s", problem.c_str(), hostUsage("window-host", defaults, flags).c_str());
        return 2;
    }
    if (options.showHelp) {
        std::fputs(hostUsage("window-host", defaults, flags).c_str(), stdout);
        return 0;
    }
    platform::UIScreen::main()->setBounds({0, 0, options.screenWidth, options.screenHeight});
    platform::UIScreen::main()->setScale(scale);
    // The click that focuses the window acts, as on the desktop around it.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "window-host: %s\n", SDL_GetError());
        return 1;
    }
    const int status = run(options, trace);
    SDL_Quit();
    return status;
}
