// State of the window system that lives as long as the process, as user32's does: other
// modules' static destructors may still call the system while the process exits.
#pragma once

namespace headless {

template <typename T>
T& ProcessLifetime() {
    static T* const pState = new T;
    return *pState;
}

} // namespace headless
