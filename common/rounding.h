// Rounding to the nearest integer with halves to even, as speeds are shown.
#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace tavrel {

// numerator / denominator rounded to the nearest integer, an exact half going to the even one.
inline std::int64_t round_half_even(std::int64_t numerator, std::int64_t denominator) {
  if (denominator == 0) throw std::domain_error("division by zero");
  if (denominator < 0) numerator = -numerator, denominator = -denominator;
  std::int64_t q = numerator / denominator, r = numerator % denominator;
  if (r < 0) --q, r += denominator;  // floor division
  std::int64_t twice = 2 * r;
  if (twice > denominator || (twice == denominator && q % 2 != 0)) ++q;
  return q;
}

inline std::int64_t round_half_even(double x) { return static_cast<std::int64_t>(std::nearbyint(x)); }

}  // namespace tavrel
