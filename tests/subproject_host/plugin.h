#pragma once
// The plugin's interface, plain enough for any C++ standard.

#ifdef __cplusplus
extern "C" {
#endif

// Encodes and validates a fixed merchant's payload, then launches the request-payment flow with a
// request that lacks the merchant's name. 0 when the payload is valid and the launch is refused
// with a message; otherwise the number of the step that went wrong.
__attribute__((visibility("default"))) int merchant_plugin_check(void);

// Launches the request-payment flow with a valid request, so its screens lay out their text, and
// ends it, on a clock of its own: the launch and the end each slide the framework's window. 0 when
// the launch is taken and the flow ends; otherwise the number of the step that went wrong.
__attribute__((visibility("default"))) int merchant_plugin_run_flow(void);

#ifdef __cplusplus
}
#endif
