#pragma once

#include <functional>
#include <utility>

namespace platform {

// Runs a handler that traps nothing. An error stops the handler at the
// failing step, what it did before stays done, and the error is reported in
// a message box with the application title. Nothing is ever thrown past it,
// so no exception reaches the event loop. Returns whether the handler ran to
// its end.
bool runGuarded(const std::function<void()>& handler);

// Wraps a handler for connect(): the slot runs it under the guard.
template <typename Handler> auto guarded(Handler handler)
{
    return [handler = std::move(handler)](auto&&...) { runGuarded(handler); };
}

} // namespace platform
