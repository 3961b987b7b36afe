#include "tools/mac_vendor.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace vorlix {
namespace {

// A registry of a few made-up vendors in the layout of the real listings: CR LF rows, quoted fields
// with commas, doubled quotes and a line break, a private entry, blocks split at 28 and 36 bits.
const std::string kRegistry = std::string(VORLIX_FIXTURE_DIR) + "/ieee-data";

VendorTexts look_up(std::string_view mac) {
    return vendor_texts(lookup_mac_vendor(mac, {kRegistry}));
}

TEST(MacVendor, LongestAssignedPrefixWins) {
    struct Case {
        std::string_view why, mac;
        std::string_view prefix, vendor, address;
    };
    const Case cases[] = {
        {"24-bit block", "00:01:6C:06:A6:29", "00016C", "Sample Foundry Co.", "105 Sample St. Brea CA US 92821"},
        {"28-bit block inside an authority's 24-bit block", "B0-C5-CA-1F-00-01", "B0C5CA1", "Medium Block GmbH",
         "Hauptstrasse 1 Berlin DE 10115"},
        {"the 24-bit block outside its 28-bit children", "B0C5CA200001", "B0C5CA", "IEEE Registration Authority",
         "445 Hoes Lane Piscataway NJ US 08554"},
        {"36 bits beat 28 and 24", "70:B3:D5:F2:F0:01", "70B3D5F2F", "Small Block Oy", "Katu 3/1 Helsinki FI 00100"},
        {"28 bits where no 36-bit block matches", "70:B3:D5:F3:00:01", "70B3D5F", "Overlapping Medium Inc.",
         "1 Middle Way Austin TX US 78701"},
        {"quoted comma, doubled quotes, a line break in the address", "e4:8d:8c:00:00:01", "E48D8C",
         "Quoted, Comma \"QC\" Ltd", "Dock 2, Harbour Road Riga LV LV1009"},
        {"a private entry has no address", "11:00:AA:00:00:01", "1100AA", "Private", ""},
        {"UTF-8 names stay as they are", "5C:FA:FB:00:00:01", "5CFAFB", "Åkesson Elektronik AB",
         "Storgatan 1 Malmö SE 211 20"},
        {"a listed block wins over the local bit", "02:60:8C:00:00:01", "02608C", "Legacy Local Corp",
         "5400 Old Plaza Santa Clara CA US 95052"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const VendorLookup found = lookup_mac_vendor(c.mac, {kRegistry});
        ASSERT_EQ(found.status, VendorLookup::Status::found);
        EXPECT_EQ(found.vendor->prefix, c.prefix);
        const VendorTexts texts = vendor_texts(found);
        EXPECT_EQ(texts.mac, normalize_mac(c.mac).value());
        EXPECT_EQ(texts.vendor, c.vendor);
        EXPECT_EQ(texts.address, c.address);
    }
}

TEST(MacVendor, UnlistedAddressesSayWhatTheFirstOctetTells) {
    struct Case {
        std::string_view why, mac, vendor;
    };
    const Case cases[] = {
        {"a vendor's address the registry does not list", "00:11:22:33:44:55", kVendorNotListed},
        {"locally administered", "02:11:22:33:44:55", kLocalAddress},
        {"a random address of the MAC tools", "6A:3F:C2:71:9E:B4", kLocalAddress},
        {"multicast", "01:00:5E:00:00:FB", kMulticastAddress},
        {"broadcast is a group address first", "FF:FF:FF:FF:FF:FF", kMulticastAddress},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const VendorTexts texts = look_up(c.mac);
        EXPECT_EQ(texts.mac, c.mac);
        EXPECT_EQ(texts.vendor, c.vendor);
    }
    EXPECT_EQ(lookup_mac_vendor("02:11:22:33:44:55", {kRegistry}).status, VendorLookup::Status::not_listed);
}

TEST(MacVendor, MalformedAddressIsNotLookedUp) {
    for (const std::string_view bad : {"", "00:01:6C:06:A6", "00:01-6C:06:A6:29", "not a mac", "0001.6C06.A629"}) {
        SCOPED_TRACE(bad);
        const VendorLookup lookup = lookup_mac_vendor(bad, {kRegistry});
        EXPECT_EQ(lookup.status, VendorLookup::Status::bad_address);
        EXPECT_EQ(lookup.registry, "");
        const VendorTexts texts = vendor_texts(lookup);
        EXPECT_EQ(texts.mac + texts.vendor + texts.address, "");
    }
}

TEST(MacVendor, RegistryLocations) {
    const std::string missing = kRegistry + "/no-such-dir";
    const std::string not_a_registry = std::string(VORLIX_FIXTURE_DIR);  // a directory without oui.csv

    // The first location that holds a registry is read; the ones before it are skipped.
    VendorLookup lookup = lookup_mac_vendor("00:01:6C:06:A6:29", {"", missing, not_a_registry, kRegistry});
    EXPECT_EQ(lookup.status, VendorLookup::Status::found);
    EXPECT_EQ(lookup.registry, kRegistry);

    // No registry anywhere: the texts name the package that installs one, not an empty vendor.
    lookup = lookup_mac_vendor("00:01:6C:06:A6:29", {missing, not_a_registry});
    EXPECT_EQ(lookup.status, VendorLookup::Status::no_registry);
    const VendorTexts texts = vendor_texts(lookup);
    EXPECT_EQ(texts.mac, "00:01:6C:06:A6:29");
    EXPECT_EQ(texts.vendor, kNoRegistryVendor);
    EXPECT_NE(texts.address.find("ieee-data"), std::string::npos);
    EXPECT_EQ(lookup_mac_vendor("00:01:6C:06:A6:29", {}).status, VendorLookup::Status::no_registry);

    // A single listing given as a file is a registry of its own.
    const std::string oui36 = kRegistry + "/oui36.csv";
    EXPECT_EQ(lookup_mac_vendor("70:B3:D5:F2:F0:01", {oui36}).vendor->organization, "Small Block Oy");
    EXPECT_EQ(lookup_mac_vendor("00:01:6C:06:A6:29", {oui36}).status, VendorLookup::Status::not_listed);
}

TEST(MacVendor, ListingRowsAreReadAsCsv) {
    const MacAddress mac = *parse_mac("AA:BB:CC:DD:EE:FF");
    struct Case {
        std::string_view why, listing;
        std::optional<std::string> organization;
    };
    const Case cases[] = {
        {"LF rows, no header", "MA-L,AABBCC,Plain,Somewhere\nMA-L,AABBCD,Other,x\n", "Plain"},
        {"the last row without a line end", "MA-L,000000,Zero,\r\nMA-L,AABBCC,Last,x", "Last"},
        {"lower-case assignment", "MA-L,aabbcc,Lower,x\r\n", "Lower"},
        {"a quoted line break does not end the row", "MA-L,000000,\"a\r\nMA-L,AABBCC,Fake,x\",y\r\n", std::nullopt},
        {"the header is not an assignment", "Registry,Assignment,Organization Name,Organization Address\r\n",
         std::nullopt},
        {"an empty assignment matches nothing", "MA-L,,Empty,x\r\n", std::nullopt},
        {"a shorter prefix is not an assignment", "MA-L,AABB,Short,x\r\n", std::nullopt},
        {"a row cut short", "MA-L,AABBCC\r\n", std::nullopt},
        {"the longer of two rows, whatever their order", "MA-S,AABBCCDDE,Long,x\r\nMA-L,AABBCC,Short,x\r\n", "Long"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::optional<VendorRecord> found = find_vendor(c.listing, mac);
        EXPECT_EQ(found ? std::optional<std::string>(found->organization) : std::nullopt, c.organization);
    }
}

// The registry that scripts/deps installs: its contents change over the years, the block of the
// page's default address does not.
TEST(MacVendor, InstalledDebianRegistry) {
    bool installed = false;
    for (const std::string& dir : default_mac_registry_locations())
        installed = installed || std::filesystem::exists(std::filesystem::path(dir) / "oui.csv");
    if (!installed) GTEST_SKIP() << "ieee-data is not installed";
    const VendorLookup lookup = lookup_mac_vendor("00:01:6C:06:A6:29", default_mac_registry_locations());
    ASSERT_EQ(lookup.status, VendorLookup::Status::found);
    EXPECT_EQ(lookup.vendor->prefix, "00016C");
    EXPECT_FALSE(lookup.vendor->organization.empty());
}

}  // namespace
}  // namespace vorlix
