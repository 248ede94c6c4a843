#pragma once
// The host's walk through one flow of the framework, as a merchant app would use it.

#include "HostOptions.h"

// Launches the request-payment flow (or, with options.refund, the refund flow) over the host's own
// window, prints what the framework shows, writes a picture of the framework window, closes the
// flow, then shows that a refused request comes back through the closure. Runs on a manual clock;
// nothing sleeps. Returns 0 when every step behaved as expected, else 1.
int runFlowDemo(const HostOptions& options);
