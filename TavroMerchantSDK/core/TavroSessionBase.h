#pragma once
// TavroSessionBase: what the framework remembers while the host runs: the configuration copy,
// the framework window and the host window it covers, the active flow with its idle time-out, and
// the single tear-down routine that closes the window. TavroSession adds the flow sub-sessions.
// Held by std::shared_ptr (the one instance is TavroSession::sharedSession()). Main thread only.

#include "TavroMerchantSDK/core/TavroActiveFlow.h"
#include "TavroMerchantSDK/core/TavroConfig.h"
#include "TavroMerchantSDK/core/TavroTimeoutManager.h"
#include "TavroMerchantSDK/core/TavroWindow.h"
#include "TavroMerchantSDK/support/KCurrencyData.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {
class UIAlertController;
}

namespace tavro {

class TavroSessionBase : public TavroTimeoutManagerDelegate, public std::enable_shared_from_this<TavroSessionBase> {
public:
    TavroSessionBase();
    ~TavroSessionBase() override;
    TavroSessionBase(const TavroSessionBase&) = delete;
    TavroSessionBase& operator=(const TavroSessionBase&) = delete;

    // Decimal text; "0.0" at start.
    const std::string& totalPaymentAmount() const { return m_totalPaymentAmount; }
    void setTotalPaymentAmount(std::string amount) { m_totalPaymentAmount = std::move(amount); }

    // The session's own copy of the host's configuration; never null.
    const std::shared_ptr<TavroConfig>& internalConfiguration() const { return m_internalConfiguration; }
    // Stores config->deepCopy() while no flow is active; during a flow the line "Error: Cannot set
    // configuration during SDK Flow" is logged and the current copy kept. Null is refused likewise.
    void setConfiguration(const std::shared_ptr<TavroConfig>& config);

    // The framework's window; created with the session and kept for its life. Each launch sizes it
    // to the main screen, and it follows the screen's changes while it covers the screen.
    const std::shared_ptr<TavroWindow>& sdkWindow() const { return m_sdkWindow; }

    // The host's window the key goes back to when the flow closes (weak); null once it is gone.
    // A launch remembers the key window unless it is the framework's own; with no key window, a
    // launch over a flow still in the framework window keeps the one remembered for it, any other
    // launch remembers none.
    std::shared_ptr<platform::UIWindow> hostAppWindow() const { return m_hostAppWindow.lock(); }
    void setHostAppWindow(std::weak_ptr<platform::UIWindow> window) { m_hostAppWindow = std::move(window); }

    // Set once a payment request has been made from a tag dictionary; never cleared.
    bool merchantSDKEmvCoSupported() const;
    void setMerchantSDKEmvCoSupported(bool supported);

    // The currency last picked in the currency picker; null at start.
    const KCurrencyDataPtr& selectedCurrency() const { return m_selectedCurrency; }
    void setSelectedCurrency(KCurrencyDataPtr currency) { m_selectedCurrency = std::move(currency); }

    // The idle timer, created on first use with this session as its (weak) delegate.
    const std::shared_ptr<TavroTimeoutManager>& timeoutManager();

    // The running flow. Every assignment, also of the same value, reconfigures the idle timer:
    // its length becomes activeIdleTimeout(); for none and requestPayment it stops observing,
    // for any other flow it starts observing and arms the timer at once.
    TavroActiveFlow activeSessionType() const { return m_activeSessionType; }
    void setActiveSessionType(TavroActiveFlow flow);

    // Idle time-out of the active flow in seconds: infinity for none, the configuration's value
    // for the consumer-side flows, 180 for refundPayment and requestPayment.
    double activeIdleTimeout() const;

    // Closes the framework: stops the idle timer at once (a launch re-arms it), dismisses every
    // controller presented in the window one at a time, top first (animated), slides the content
    // down, makes the remembered host window key again (with none left alive, hides the framework
    // window instead), clears the window's root, sets the flow to none, then calls `completion`.
    // With nothing on screen it only sets the flow to none and calls `completion`, leaving the key
    // window alone.
    // A flow launched before the close has finished, from the key hand-off's notifications too,
    // stays on screen; `completion` still runs.
    void dismissSDKWindow(std::function<void()> completion);

    // The idle timer fired: posts "TAVROSessionTimeOut" (no object, no user info) and, when the
    // flow that timed out is still on screen and not closing after the host's observers ran, shows
    // the time-out alert over it (unless the one shown earlier is still on screen). Its one action
    // closes that flow, if it is still the one shown, on the main queue; no result reaches the
    // host's closure or delegate.
    void timeoutOccurred(TavroTimeoutManager& timeoutManager) override;

private:
    void dismissModalStackIfNeeded(const platform::UIViewControllerPtr& viewController,
                                   std::function<void()> completion);
    // Whether a launch has put another flow's root into the window since `closing` was shown.
    bool windowShowsAnotherFlow(const std::weak_ptr<platform::UIViewController>& closing) const;
    // The last steps of tear-down, once the content of `closing` has slid away: the key goes back,
    // then, unless a flow launched meanwhile shows instead, the window is emptied and the flow ended.
    void finishTearDown(const std::weak_ptr<platform::UIViewController>& closing,
                        const std::function<void()>& completion);
    // Gives the key to the remembered host window if it still lives, else hides the framework window.
    void handKeyBack();

    std::string m_totalPaymentAmount = "0.0";
    std::shared_ptr<TavroConfig> m_internalConfiguration;
    std::shared_ptr<TavroWindow> m_sdkWindow;
    std::weak_ptr<platform::UIWindow> m_hostAppWindow;
    KCurrencyDataPtr m_selectedCurrency;
    std::shared_ptr<TavroTimeoutManager> m_timeoutManager;
    std::weak_ptr<platform::UIAlertController> m_timeoutAlert;
    // The root whose tear-down has begun; the flow stays set until its slide has ended.
    std::weak_ptr<platform::UIViewController> m_rootBeingClosed;
    TavroActiveFlow m_activeSessionType = TavroActiveFlow::none;
};

} // namespace tavro
