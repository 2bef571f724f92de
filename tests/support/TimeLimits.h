#pragma once

namespace Quiverstep {

// Time limits are promises of the build users run. AddressSanitizer makes the same work
// several times slower, so in that build a limit only catches hangs.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr double SlowFactor = 4;
#else
inline constexpr double SlowFactor = 1;
#endif

} // namespace Quiverstep
