#include "tools/mac_address.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace vorlix {
namespace {

TEST(MacAddress, ReadsTheThreeTypedFormsAndNothingElse) {
    struct Case {
        std::string_view why, in;
        std::optional<std::string> want;  // normalised; nothing when refused
    };
    const Case cases[] = {
        {"colons", "00:01:6C:06:A6:29", "00:01:6C:06:A6:29"},
        {"dashes, lower case", "00-01-6c-06-a6-29", "00:01:6C:06:A6:29"},
        {"no separators", "00016c06A629", "00:01:6C:06:A6:29"},
        {"blanks and a tab around a pasted address", " \t00:01:6C:06:A6:29 ", "00:01:6C:06:A6:29"},
        {"all ones", "ff:ff:ff:ff:ff:ff", "FF:FF:FF:FF:FF:FF"},
        // Refused:
        {"empty", "", std::nullopt},
        {"mixed separators", "00:01-6C:06:A6:29", std::nullopt},
        {"a separator out of place", "000:1:6C:06:A6:29", std::nullopt},
        {"a blank inside", "00:01:6C 06:A6:29", std::nullopt},
        {"eleven digits", "00016C06A62", std::nullopt},
        {"thirteen digits", "00016C06A6290", std::nullopt},
        {"seven pairs", "00:01:6C:06:A6:29:00", std::nullopt},
        {"a letter that is not hexadecimal", "00:01:6G:06:A6:29", std::nullopt},
        {"the dotted form of some switches", "0001.6C06.A629", std::nullopt},
        {"dots between pairs", "00.01.6C.06.A6.29", std::nullopt},
        {"a single-digit pair", "0:01:6C:06:A6:29:", std::nullopt},
        {"full-width digits", "００:01:6C:06:A6:29", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(normalize_mac(c.in), c.want);
    }
}

TEST(MacAddress, HexBytesAreExactlyTwoDigits) {
    struct Case {
        std::string_view in;
        std::optional<std::uint8_t> want;
    };
    const Case cases[] = {
        {"E4", 0xE4},         {"e4", 0xE4},         {"0a", 0x0A},          {"00", 0x00},
        {"FF", 0xFF},         {"E", std::nullopt},  {"E48", std::nullopt}, {"", std::nullopt},
        {" E", std::nullopt}, {"G0", std::nullopt}, {"0x", std::nullopt},  {"中", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(parse_hex_byte(c.in), c.want);
    }
    // A byte below 16 keeps its leading zero.
    EXPECT_EQ(format_mac({0x0A, 0x00, 0x01, 0x0F, 0x10, 0xFF}, '-'), "0A-00-01-0F-10-FF");
}

TEST(MacAddress, FirstOctetFlags) {
    EXPECT_FALSE(is_multicast(*parse_mac("00:01:6C:06:A6:29")));
    EXPECT_FALSE(is_locally_administered(*parse_mac("00:01:6C:06:A6:29")));
    EXPECT_TRUE(is_multicast(*parse_mac("01:00:5E:00:00:01")));
    EXPECT_FALSE(is_locally_administered(*parse_mac("01:00:5E:00:00:01")));
    EXPECT_TRUE(is_locally_administered(*parse_mac("02:00:00:00:00:01")));
    EXPECT_FALSE(is_multicast(*parse_mac("02:00:00:00:00:01")));
}

TEST(MacAddress, RandomFirstOctetIsUnicastAndLocallyAdministered) {
    struct Case {
        std::uint32_t draw;
        std::uint8_t want;
    };
    // Both low bits are forced whatever the draw; the six high bits are the draw's.
    const Case cases[] = {{0x00, 0x02}, {0x01, 0x02}, {0x03, 0x02}, {0xFF, 0xFE}, {0x6B, 0x6A}, {0x1FD, 0xFE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draw);
        ScriptedRandom random({c.draw});
        EXPECT_EQ(random_first_octet(random), c.want);
    }

    // Six draws, in order, the first one shaped.
    ScriptedRandom six({0xFF, 0x00, 0x0A, 0x80, 0x7F, 0x100});
    EXPECT_EQ(format_mac(random_mac(six)), "FE:00:0A:80:7F:00");
}

TEST(MacAddress, SeededRandomAddressesAreUsableOnAnInterface) {
    SeededRandom random(20160305);
    std::set<std::uint8_t> first_octets;
    for (int i = 0; i < 2000; ++i) {
        const MacAddress mac = random_mac(random);
        ASSERT_FALSE(is_multicast(mac)) << format_mac(mac);
        ASSERT_TRUE(is_locally_administered(mac)) << format_mac(mac);
        first_octets.insert(mac[0]);
    }
    // The six free bits of the first octet all vary: 64 values are possible and all of them appear.
    EXPECT_EQ(first_octets.size(), 64u);
}

}  // namespace
}  // namespace vorlix
