#pragma once
// Random numbers for generated account names and passwords, from a source the caller injects so
// that tests and `vorlix-cli --seed` are repeatable.
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vorlix {

// Raw 32-bit values. The program uses SeededRandom; tests script the exact values.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual std::uint32_t next() = 0;
};

// A Mersenne Twister seeded once, from the operating system unless a seed is given.
class SeededRandom final : public RandomSource {
public:
    SeededRandom() : engine_(std::random_device{}()) {}
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    std::uint32_t next() override { return static_cast<std::uint32_t>(engine_()); }

private:
    std::mt19937 engine_;
};

// Hands out the given values in order, then starts again from the first.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<std::uint32_t> values) : values_(std::move(values)) {}
    std::uint32_t next() override {
        if (values_.empty()) return 0;
        const std::uint32_t v = values_[pos_];
        pos_ = (pos_ + 1) % values_.size();
        return v;
    }

private:
    std::vector<std::uint32_t> values_;
    std::size_t pos_ = 0;
};

// An integer in [low, high]: low plus the next raw value modulo the width (unsigned). When
// high < low the result is 0 and no value is drawn.
// Example: with a source giving 7, random_in_range(source, 1, 5) == 1 + 7 % 5 == 3
std::int32_t random_in_range(RandomSource& source, std::int32_t low, std::int32_t high);

using MacAddress = std::array<std::uint8_t, 6>;

// A MAC address a router may give one of its own interfaces: six octets, each the low byte of one raw
// value, with the first octet made unicast (bit 0 clear) and locally administered (bit 1 set). A
// multicast address is refused as an interface address, and a locally administered one can never be
// a vendor's address that some other device already uses.
// Example: with a source giving 0x6B, 0x3F, 0xC2, 0x71, 0x9E, 0xB4 -> 6A:3F:C2:71:9E:B4
MacAddress random_mac(RandomSource& source);

// Six octets as two upper-case hexadecimal digits each, joined by ":".
// Example: mac_text({0x02, 0, 0x5E, 0x10, 0xFF, 1}) == "02:00:5E:10:FF:01"
std::string mac_text(const MacAddress& mac);

}  // namespace vorlix
