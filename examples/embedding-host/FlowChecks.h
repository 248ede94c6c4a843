#pragma once
// The two flows as a host runs them on the system clock, through the public entry points.

#include <string>

// Launches the request-payment flow, waits for its QR screen, renders the framework's window to
// pixels (also written to `pngPath` when it is not empty) and checks that the code's square holds
// a QR code's mix of dark and light modules, that the title is its text (not its key) and that
// the network logos are drawn; then closes the flow. True when every step behaved.
bool checkRequestPayment(const std::string& pngPath);

// Launches the refund flow, taps pay, confirms in the alert and waits for the result; then closes
// the flow. True when one successful result with the requested amount came back.
bool checkRefund();
