// Waiting for a condition, never for a time: polls every 20 ms up to a generous bound.
#ifndef TARN_E2E_WAIT_H
#define TARN_E2E_WAIT_H

#include <functional>

constexpr unsigned DEFAULT_WAIT_BOUND_MS = 20000;
// For a started program's first window: a new Wine process is the slowest step on a loaded
// machine (once seen to take over 20 s while another test ran beside it).
constexpr unsigned START_WAIT_BOUND_MS = 45000;

// A bound stretched by the factor in TARN_WAIT_SCALE (a whole number, 1 when unset), for
// machines that run the program far slower than a host does, such as an emulated one.
unsigned ScaledBound(unsigned boundMs);

// True as soon as the condition holds; false when it still does not after the bound.
bool WaitUntil(const std::function<bool()>& condition, unsigned boundMs = DEFAULT_WAIT_BOUND_MS);

#endif
