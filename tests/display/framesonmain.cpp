// Preloaded into the Wayland test runs (on-weston.sh, SEKIVO_WESTON_PRELOAD), never into the
// program. Qt 6.4's Wayland client handles frame callbacks on a thread of its own, and when a
// window is hidden just after it has drawn, that thread and the main thread can both destroy the
// window's pending callback: libwayland then aborts the test at random. Here Qt's frame callbacks
// stay on the main thread's queue, so only one thread ever touches them, and a run's result
// depends on the program alone.
//
// Qt asks for a window's frame callbacks through a wrapper of its wl_surface that it moves to
// the frame thread's queue; that one call is intercepted and the wrapper keeps the default
// queue, which the main thread dispatches. Every other caller, and every other object, goes
// through unchanged.

#include <cstring>
#include <dlfcn.h>

struct wl_proxy;
struct wl_event_queue;

namespace {

bool calledFromQtWayland(const void *address)
{
    Dl_info info {};
    return dladdr(address, &info) && info.dli_fname
        && std::strstr(info.dli_fname, "libQt6WaylandClient.so");
}

} // namespace

extern "C" __attribute__((visibility("default"))) void wl_proxy_set_queue(
    wl_proxy *proxy, wl_event_queue *queue)
{
    // libwayland-client is loaded by Qt's platform plugin, privately: ask it by name (it is
    // loaded by the time anything sets a queue).
    using SetQueue = void (*)(wl_proxy *, wl_event_queue *);
    using GetClass = const char *(*)(wl_proxy *);
    static void *const wayland = dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_NOLOAD);
    static const auto next = reinterpret_cast<SetQueue>(dlsym(wayland, "wl_proxy_set_queue"));
    static const auto proxyClass = reinterpret_cast<GetClass>(dlsym(wayland, "wl_proxy_get_class"));
    if (queue && calledFromQtWayland(__builtin_return_address(0))
        && std::strcmp(proxyClass(proxy), "wl_surface") == 0)
        queue = nullptr;
    next(proxy, queue);
}
