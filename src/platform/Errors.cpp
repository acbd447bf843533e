// Guarded steps: a failure ends the step silently.
#include "Errors.h"

bool Guarded(const std::function<void()>& step) {
    try {
        if (step) step();
        return true;
    } catch (...) {
        return false;
    }
}
