#pragma once
// The process-wide session fields that the request models read and write. The session object
// reads and writes the same state through shared(), so the models do not depend on the session
// class, its window or its flows.
// Main thread only; nothing is locked.

#include "TavroMerchantSDK/core/SDKType.h"

namespace tavro {

class TavroSessionState {
public:
    // The one instance, created on first use and never released; registers resetForTesting()
    // with the platform.
    static TavroSessionState& shared();
    // Puts the shared state back as it is at start (no tag-dictionary request seen, merchant side).
    static void resetForTesting();

    // Set once a payment request has been made from a tag dictionary; never cleared.
    bool merchantSDKEmvCoSupported() const { return m_merchantSDKEmvCoSupported; }
    void setMerchantSDKEmvCoSupported(bool supported) { m_merchantSDKEmvCoSupported = supported; }

    // The side this framework runs as; merchant unless changed. The additional-data fit check
    // answers only for the merchant side.
    SDKType sdkType() const { return m_sdkType; }
    void setSdkType(SDKType type) { m_sdkType = type; }

private:
    TavroSessionState() = default;

    bool m_merchantSDKEmvCoSupported = false;
    SDKType m_sdkType = SDKType::merchant;
};

} // namespace tavro
