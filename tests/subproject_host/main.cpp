// A C++17 program of the host that uses the framework only through its plugin.
#include "plugin.h"

#include <cstdio>

static_assert(__cplusplus == 201703L, "the host's own code stays at its default, C++17");
static_assert(HOST_UI == 1, "the host's own platform_ui target reaches its program");

int main()
{
    const int status = merchant_plugin_check();
    std::printf("plugin check: %s\n", status == 0 ? "ok" : "failed");
    return status;
}
