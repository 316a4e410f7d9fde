// A small deterministic generator: the stand-ins must come out byte for byte the same on
// every build and every machine, so nothing here may depend on the standard library's engines.
#ifndef TARN_FORGE_PRNG_H
#define TARN_FORGE_PRNG_H

#include <cstdint>
#include <string>

class Prng {
public:
  explicit Prng(uint64_t seed) : state(seed) {}

  // splitmix64: every seed gives a full-period, well-mixed sequence.
  uint64_t Next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  uint32_t Below(uint32_t bound) { return static_cast<uint32_t>(Next() % bound); }

private:
  uint64_t state;
};

// FNV-1a of a file name: each stand-in draws from a sequence of its own.
inline uint64_t SeedOf(const std::string& name) {
  uint64_t hash = 0xCBF29CE484222325ull;
  for (unsigned char c : name) hash = (hash ^ c) * 0x100000001B3ull;
  return hash;
}

#endif
