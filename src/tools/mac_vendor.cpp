#include "tools/mac_vendor.hpp"

#include "script/files.hpp"

namespace vorlix {
namespace {

// A listing's bytes, or nothing when it cannot be read. A pipe or a device named by the user's setting
// is refused rather than read, which might never end.
std::optional<std::string> read_listing(const std::string& path) {
    FileText file = read_whole_file(path);
    if (file.error) return std::nullopt;
    return std::move(file.bytes);
}

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Runs of blanks and line breaks as one blank, none at either end: a label shows one line, and a
// tab-separated line printed by the command line must not break.
std::string one_line(std::string_view text) {
    std::string out;
    bool gap = false;
    for (const char c : text) {
        if (is_blank(c)) {
            gap = !out.empty();
            continue;
        }
        if (gap) out += ' ';
        gap = false;
        out += c;
    }
    return out;
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when `prefix` is at least a 24-bit assignment of hexadecimal digits that `hex` starts with.
bool assigned_to(std::string_view prefix, std::string_view hex) {
    if (prefix.size() < 6 || prefix.size() > hex.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (upper(prefix[i]) != hex[i]) return false;
    return true;
}

// The CSV rows of a listing, one at a time, as raw fields (quotes still in place): a registry has
// some 46,000 rows and only the assignment of most of them is ever looked at.
class CsvRows {
public:
    explicit CsvRows(std::string_view text) : text_(text) {}

    // The raw fields of the next row; false at the end of the text. A line break inside quotes
    // belongs to the field; a doubled quote inside quotes toggles twice and so changes nothing.
    bool next(std::vector<std::string_view>& fields) {
        fields.clear();
        if (pos_ >= text_.size()) return false;
        std::size_t start = pos_;
        bool quoted = false;
        for (; pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (c == '"') {
                quoted = !quoted;
            } else if (!quoted && c == ',') {
                fields.push_back(text_.substr(start, pos_ - start));
                start = pos_ + 1;
            } else if (!quoted && c == '\n') {
                break;
            }
        }
        std::size_t end = pos_;
        if (end > start && text_[end - 1] == '\r') --end;
        fields.push_back(text_.substr(start, end - start));
        if (pos_ < text_.size()) ++pos_;  // past the line feed
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The text of a raw field: its quotes removed, a doubled quote inside them as one.
std::string csv_text(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '"')
            out += raw[i];
        else if (i + 1 < raw.size() && raw[i + 1] == '"')
            out += raw[++i];
    }
    return out;
}

// The listings of one location, or nothing when it holds no registry.
std::optional<std::vector<std::string>> read_registry(const std::string& location) {
    if (!is_folder(location)) {
        std::optional<std::string> one = read_listing(location);
        if (!one) return std::nullopt;
        return std::vector<std::string>{std::move(*one)};
    }
    std::vector<std::string> listings;
    for (const std::string_view name : kMacRegistryFiles) {
        std::optional<std::string> listing = read_listing(location + "/" + std::string(name));
        if (listing)
            listings.push_back(std::move(*listing));
        else if (name == kMacRegistryFiles[0])
            return std::nullopt;  // the 24-bit listing is the registry; the others only refine it
    }
    return listings;
}

}  // namespace

std::vector<std::string> default_mac_registry_locations() {
    return {"/var/lib/ieee-data", "/usr/share/ieee-data"};
}

std::vector<std::string> mac_registry_locations(const std::string& named) {
    std::vector<std::string> locations;
    if (!named.empty()) locations.push_back(named);
    for (std::string& place : default_mac_registry_locations()) locations.push_back(std::move(place));
    return locations;
}

std::optional<VendorRecord> find_vendor(std::string_view listing, const MacAddress& mac) {
    std::string digits;
    for (const std::uint8_t byte : mac) digits += hex_byte(byte);

    std::optional<VendorRecord> best;
    CsvRows rows(listing);
    std::vector<std::string_view> fields;
    while (rows.next(fields)) {
        if (fields.size() < 3) continue;
        const std::string prefix = csv_text(fields[1]);
        if (!assigned_to(prefix, digits)) continue;
        if (best && best->prefix.size() >= prefix.size()) continue;
        best = VendorRecord{.prefix = {},
                            .organization = one_line(csv_text(fields[2])),
                            .address = fields.size() > 3 ? one_line(csv_text(fields[3])) : std::string()};
        for (const char c : prefix) best->prefix += upper(c);
    }
    return best;
}

VendorLookup lookup_mac_vendor(std::string_view typed, const std::vector<std::string>& locations) {
    VendorLookup result;
    const std::optional<MacAddress> mac = parse_mac(typed);
    if (!mac) return result;
    result.mac = format_mac(*mac);
    result.multicast = is_multicast(*mac);
    result.local = is_locally_administered(*mac);
    result.status = VendorLookup::Status::no_registry;
    for (const std::string& location : locations) {
        if (location.empty()) continue;
        const std::optional<std::vector<std::string>> listings = read_registry(location);
        if (!listings) continue;
        result.registry = location;
        for (const std::string& listing : *listings) {
            std::optional<VendorRecord> hit = find_vendor(listing, *mac);
            if (hit && (!result.vendor || hit->prefix.size() > result.vendor->prefix.size()))
                result.vendor = std::move(hit);
        }
        result.status = result.vendor ? VendorLookup::Status::found : VendorLookup::Status::not_listed;
        break;
    }
    return result;
}

VendorTexts vendor_texts(const VendorLookup& lookup) {
    using Status = VendorLookup::Status;
    switch (lookup.status) {
        case Status::bad_address:
            return {};
        case Status::no_registry:
            return {lookup.mac, std::string(kNoRegistryVendor), std::string(kNoRegistryHint)};
        case Status::found:
            return {lookup.mac, lookup.vendor->organization, lookup.vendor->address};
        case Status::not_listed:
            break;
    }
    // The registry lists vendors' blocks only; the first octet still says what kind of address it is.
    if (lookup.multicast) return {lookup.mac, std::string(kMulticastAddress), {}};
    if (lookup.local) return {lookup.mac, std::string(kLocalAddress), {}};
    return {lookup.mac, std::string(kVendorNotListed), {}};
}

}  // namespace vorlix
