#pragma once
// The host's walk through the framework's flows, as a merchant app and its user would go.

#include "HostOptions.h"

// Over the host's own window, walks the request-payment flow (QR screen, details editor, UPDATE,
// share card) and the refund flow (amount, pay, confirm, result), or the one the options pick,
// printing what happens and writing a numbered picture of every screen it passes; then shows
// that a refused request comes back through the closure. Runs on a manual clock; nothing sleeps.
// Returns 0 when every step behaved as expected, else 1.
int runFlowDemo(const HostOptions& options);
