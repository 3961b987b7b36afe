#include "script/random.hpp"

namespace vorlix {

std::int32_t random_in_range(RandomSource& source, std::int32_t low, std::int32_t high) {
    if (high < low) return 0;
    const std::uint32_t width = static_cast<std::uint32_t>(high) - static_cast<std::uint32_t>(low) + 1u;
    const std::uint32_t v = source.next();
    const std::uint32_t offset = width == 0 ? v : v % width;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(low) + offset);
}

}  // namespace vorlix
