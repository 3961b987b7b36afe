#include "forms/checks.hpp"

#include <array>

#include "forms/control_kind.hpp"
#include "script/encoding.hpp"
#include "script/ipv4.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

constexpr std::size_t kLineBytes = 255;
constexpr std::size_t kBoxBytes = std::size_t{1} << 20;
constexpr std::size_t kEditorBytes = std::size_t{32} << 20;

Message refusal(std::string text, std::string_view focus) {
    return Message{std::move(text), kIconWarning, std::nullopt, std::string(focus)};
}

std::string bytes_text(std::size_t n) {
    if (n >= kBoxBytes && n % kBoxBytes == 0) return std::to_string(n / kBoxBytes) + "MB";
    return std::to_string(n) + "字节";
}

std::string too_long(std::string_view what, std::size_t bound, std::size_t actual) {
    return "「" + std::string(what) + "」最长" + bytes_text(bound) + ",当前" + std::to_string(actual) + "字节";
}

// Splits at `sep`, keeping empty pieces.
std::vector<std::string_view> pieces(std::string_view text, char sep) {
    std::vector<std::string_view> out;
    for (;;) {
        const std::size_t at = text.find(sep);
        out.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return out;
        text.remove_prefix(at + 1);
    }
}

bool is_number(std::string_view text, unsigned long long max) {
    if (text.empty() || text.size() > 20) return false;
    unsigned long long n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + static_cast<unsigned>(c - '0');
        if (n > max) return false;
    }
    return true;
}

bool is_net(std::string_view text) {
    const std::size_t slash = text.find('/');
    return slash != std::string_view::npos && parse_ipv4(text.substr(0, slash)) && parse_prefix(text.substr(slash + 1));
}

bool is_port_item(std::string_view item) {
    const std::size_t dash = item.find('-');
    if (dash == std::string_view::npos) return is_number(item, 65535) && item != "0";
    const std::string_view from = item.substr(0, dash), to = item.substr(dash + 1);
    return is_number(from, 65535) && is_number(to, 65535) && leading_integer(from) <= leading_integer(to);
}

bool is_rate(std::string_view text) {
    if (!text.empty() && (text.back() == 'k' || text.back() == 'K' || text.back() == 'M' || text.back() == 'G'))
        text.remove_suffix(1);
    return is_number(text, 100'000'000'000ULL);
}

bool is_mac(std::string_view text) {
    const std::vector<std::string_view> parts = pieces(text, ':');
    if (parts.size() != 6) return false;
    for (const std::string_view p : parts) {
        if (p.size() != 2) return false;
        for (const char c : p)
            if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

// RouterOS takes almost any printable name for an interface; a control character or a quote never is one.
bool is_interface_name(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '"') return false;
    return true;
}

std::string_view type_words(ValueType type) {
    switch (type) {
        case ValueType::ipv4:
            return "IPv4地址";
        case ValueType::prefix:
            return "0到32的掩码位数";
        case ValueType::ipv4_net:
            return "地址/掩码位数";
        case ValueType::address_range:
            return "地址、网段或地址范围";
        case ValueType::ports:
            return "端口或端口范围";
        case ValueType::rate:
            return "速率(如 512k、2M)";
        case ValueType::mac:
            return "MAC地址(XX:XX:XX:XX:XX:XX)";
        case ValueType::interface_name:
            return "网卡名称";
        case ValueType::text:
            break;
    }
    return "文本";
}

bool one_line(ControlKind kind) {
    return kind == ControlKind::edit || kind == ControlKind::password || kind == ControlKind::editable_combo;
}

}  // namespace

Result too_long_script(std::size_t bytes) {
    return Result::refuse("生成的脚本将超过" + bytes_text(kMaxScriptBytes) + "(约" + std::to_string(bytes >> 20) +
                              "MB),请减少数量或缩短输入",
                          {}, kIconWarning);
}

std::size_t byte_bound(const ControlSpec& c) {
    if (c.max_bytes != 0) return c.max_bytes;
    switch (c.kind) {
        case ControlKind::multi_line_edit:
            return kBoxBytes;
        case ControlKind::editor:
            return kEditorBytes;
        default:
            return kLineBytes;
    }
}

std::string_view value_type_name(ValueType type) {
    static constexpr std::array<std::string_view, 9> kNames = {"text",  "ipv4", "prefix", "ipv4-net", "address-range",
                                                               "ports", "rate", "mac",    "interface"};
    return kNames[static_cast<std::size_t>(type)];
}

bool fits(ValueType type, std::string_view value) {
    if (value.empty()) return true;
    switch (type) {
        case ValueType::text:
            return true;
        case ValueType::ipv4:
            return parse_ipv4(value).has_value();
        case ValueType::prefix:
            return parse_prefix(value).has_value();
        case ValueType::ipv4_net:
            return is_net(value);
        case ValueType::address_range: {
            if (parse_ipv4(value) || is_net(value)) return true;
            const std::size_t dash = value.find('-');
            if (dash == std::string_view::npos) return false;
            const auto from = parse_ipv4(value.substr(0, dash)), to = parse_ipv4(value.substr(dash + 1));
            return from && to && *from <= *to;
        }
        case ValueType::ports:
            for (const std::string_view item : pieces(value, ','))
                if (!is_port_item(item)) return false;
            return true;
        case ValueType::rate:
            return is_rate(value);
        case ValueType::mac:
            return is_mac(value);
        case ValueType::interface_name:
            return is_interface_name(value);
    }
    return true;
}

std::string field_title(const ControlSpec& c) {
    std::string title = c.label;
    while (!title.empty() && (title.back() == ':' || title.back() == ' ')) title.pop_back();
    if (title.ends_with("：")) title.resize(title.size() - std::string_view("：").size());
    const std::size_t open = title.find('(');
    if (open != std::string::npos && open > 0) title.resize(open);
    if (title.empty() || title == "/") return c.name;
    return title;
}

std::optional<Message> bound_problem(const PageSpec& page, const Form& form) {
    for (const ControlSpec& c : page.controls) {
        const ValueForm value = kind_info(c.kind).value;
        const FieldValue* v = form.find(c.name);
        if (v == nullptr) continue;
        if (value == ValueForm::text && v->text.size() > byte_bound(c))
            return refusal(too_long(field_title(c), byte_bound(c), v->text.size()), c.name);
        if (value != ValueForm::rows) continue;
        if (v->rows.size() > kMaxListRows)
            return refusal("「" + c.name + "」最多" + std::to_string(kMaxListRows) + "行,当前" +
                               std::to_string(v->rows.size()) + "行",
                           c.name);
        for (std::size_t r = 0; r < v->rows.size(); ++r)
            for (std::size_t k = 0; k < v->rows[r].size(); ++k)
                if (v->rows[r][k].size() > byte_bound(c))
                    return refusal(
                        too_long(c.name + " 第" + std::to_string(r + 1) + "行第" + std::to_string(k + 1) + "列",
                                 byte_bound(c), v->rows[r][k].size()),
                        c.name);
    }
    return std::nullopt;
}

std::optional<Message> gbk_problem(const PageSpec& page, const Form& form,
                                   const std::set<std::string, std::less<>>& read) {
    for (const std::string& name : read) {
        const ControlSpec* c = page.find(name);
        const FieldValue* v = form.find(name);
        if (c == nullptr || v == nullptr || c->any_unicode) continue;
        const ValueForm value = kind_info(c->kind).value;
        std::optional<std::string> bad;
        if (value == ValueForm::text) bad = first_non_gbk(v->text);
        for (const Row& row : v->rows)
            for (const std::string& cell : row)
                if (!bad) bad = first_non_gbk(cell);
        if (bad) return refusal("「" + field_title(*c) + "」中的「" + *bad + "」无法用GBK表示", c->name);
    }
    return std::nullopt;
}

std::vector<std::string> type_problems(const PageSpec& page, const Form& form,
                                       const std::set<std::string, std::less<>>& read) {
    std::vector<std::string> problems;
    const auto report = [&](std::string what, std::string_view value, ValueType type) {
        problems.push_back("「" + what + "」的值「" + std::string(value) + "」不是" + std::string(type_words(type)));
    };
    for (const ControlSpec& c : page.controls) {
        if (!read.contains(c.name)) continue;
        const FieldValue* v = form.find(c.name);
        if (v == nullptr) continue;
        if (one_line(c.kind) && !fits(c.type, v->text)) report(field_title(c), v->text, c.type);
        for (std::size_t r = 0; r < v->rows.size(); ++r)
            for (std::size_t k = 0; k < v->rows[r].size() && k < c.columns.size(); ++k)
                if (!fits(c.columns[k].type, v->rows[r][k]))
                    report(c.columns[k].title + " 第" + std::to_string(r + 1) + "行", v->rows[r][k], c.columns[k].type);
    }
    return problems;
}

}  // namespace vorlix
