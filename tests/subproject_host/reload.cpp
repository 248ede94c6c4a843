// A C++17 program of the host that loads the plugin, runs a flow through it and unloads it, twice:
// the plugin is linked never to be unloaded (the text library it embeds keeps types registered
// with names inside it), so after dlclose it must still be loaded.
#include "plugin.h"

#include <cstdio>
#include <dlfcn.h>

static_assert(__cplusplus == 201703L, "the host's own code stays at its default, C++17");

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: plugin_reload <plugin>\n");
        return 2;
    }
    for (int cycle = 1; cycle <= 2; ++cycle) {
        void* plugin = ::dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
        if (!plugin) {
            std::fprintf(stderr, "plugin_reload: %s\n", ::dlerror());
            return 1;
        }
        auto* runFlow =
            reinterpret_cast<decltype(&merchant_plugin_run_flow)>(::dlsym(plugin, "merchant_plugin_run_flow"));
        const int status = runFlow ? runFlow() : -1;
        ::dlclose(plugin);
        void* still = ::dlopen(argv[1], RTLD_NOW | RTLD_NOLOAD);
        std::printf("plugin reload %d: flow %s, %s after dlclose\n", cycle, status == 0 ? "ok" : "failed",
                    still ? "still loaded" : "unloaded");
        if (still)
            ::dlclose(still);
        if (status != 0 || !still)
            return 1;
    }
    return 0;
}
