#include "script/text.hpp"

#include <limits>

namespace vorlix {

long long leading_integer(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (kMax - digit) / 10) return negative ? std::numeric_limits<long long>::min() : kMax;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string_view trim_spaces(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit = text.find(from); hit != std::string_view::npos; hit = text.find(from, pos)) {
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

std::string fill_placeholders(std::string_view text, std::initializer_list<Placeholder> fills) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const Placeholder* hit = nullptr;
        for (const Placeholder& p : fills)
            if (!p.name.empty() && text.substr(pos).starts_with(p.name)) {
                hit = &p;
                break;
            }
        if (hit != nullptr) {
            out += hit->value;
            pos += hit->name.size();
        } else {
            out += text[pos++];
        }
    }
    return out;
}

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 2);
    }
    return lines;
}

std::string dns_servers(std::string_view first, std::string_view second) {
    if (!first.empty() && !second.empty()) return std::string(first) + "," + std::string(second);
    return std::string(first.empty() ? second : first);
}

std::string line_numbers(int n) {
    std::string out;
    for (int i = 1; i <= n; ++i) {
        if (i > 1) out += "\r\n";
        out += std::to_string(i);
    }
    return out;
}

}  // namespace vorlix
