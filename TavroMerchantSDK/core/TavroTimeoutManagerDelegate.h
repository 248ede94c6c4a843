#pragma once
// Told when the user has been idle for the time-out manager's whole length.

namespace tavro {

class TavroTimeoutManager;

class TavroTimeoutManagerDelegate {
public:
    virtual ~TavroTimeoutManagerDelegate() = default;
    virtual void timeoutOccurred(TavroTimeoutManager& timeoutManager) = 0;
};

} // namespace tavro
