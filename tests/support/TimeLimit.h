#pragma once

namespace arbovane::testing {

// Sanitizers make code several times slower: there a time bound only catches a blow-up (work
// that grows with the square of the input), as it still does at ten times the bound.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr double kTimeLimitScale = 10.0;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr double kTimeLimitScale = 10.0;
#else
inline constexpr double kTimeLimitScale = 1.0;
#endif
#else
inline constexpr double kTimeLimitScale = 1.0;
#endif

}  // namespace arbovane::testing
