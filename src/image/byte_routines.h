#pragma once

#include <cstdint>

namespace t40 {

// v shifted left by n bits; 0 once every bit has left the byte.
constexpr std::uint8_t ShiftLeft(std::uint8_t v, int n)
{
    if (n <= 0)
        return v;
    if (n >= 8)
        return 0;
    return static_cast<std::uint8_t>((v << n) & 0xFF);
}

// 0..99 as two packed decimal digits (45 -> 0x45).
constexpr std::uint8_t ToBcd(int x)
{
    return static_cast<std::uint8_t>(((x / 10) % 10) * 16 + x % 10);
}

} // namespace t40
