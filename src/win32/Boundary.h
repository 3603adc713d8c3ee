#pragma once
// Where the applet's code is entered from the system: the exports, window
// and dialog procedures and the sheet's callbacks.  No C++ exception may
// cross one into code that cannot unwind it.  A boundary that catches one
// ends the current run, if there is one: the sheet closes as if cancelled
// and the run releases everything on its way out, in its usual order.

#include <utility>

// Marks the sheet of this thread's run, if any, as ended by a fault and asks
// it to close.  Safe to call when no sheet is running.
void EndRunAfterFault() noexcept;

// Runs `body`; on an exception ends the run and gives `onFault`, the answer
// a failure would give.
template <typename Result, typename Body>
Result AtBoundary(Result onFault, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        EndRunAfterFault();
        return onFault;
    }
}
