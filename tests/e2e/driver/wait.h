// Waiting for a condition, never for a time: polls every 20 ms up to a generous bound.
#ifndef TARN_E2E_WAIT_H
#define TARN_E2E_WAIT_H

#include <functional>

constexpr unsigned DEFAULT_WAIT_BOUND_MS = 20000;

// True as soon as the condition holds; false when it still does not after the bound.
bool WaitUntil(const std::function<bool()>& condition, unsigned boundMs = DEFAULT_WAIT_BOUND_MS);

#endif
