// Wall time since a point of a benchmark, read from the performance counter.
#ifndef TARN_BENCH_STOPWATCH_H
#define TARN_BENCH_STOPWATCH_H

#include <windows.h>

class Stopwatch {
public:
  Stopwatch() { QueryPerformanceCounter(&start); }

  double Milliseconds() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  }

private:
  LARGE_INTEGER start;
};

#endif
