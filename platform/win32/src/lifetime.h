// State of the window system that lives as long as the process, as user32's does: other
// modules' static destructors may still call the system while the process exits.
#pragma once

#include <new>

namespace headless {

// Built in static storage on first use and never destroyed; the containers of the state start
// empty, so building it allocates nothing.
template <typename T>
T& ProcessLifetime() {
    alignas(T) static unsigned char storage[sizeof(T)];
    static T* const pState = new (storage) T;
    return *pState;
}

} // namespace headless
