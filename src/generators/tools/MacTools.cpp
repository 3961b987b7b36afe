#include "generators/tools/MacTools.hpp"

#include <array>
#include <optional>
#include <string_view>

#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"
#include "tools/mac_address.hpp"

namespace vorlix {
namespace {

namespace name {
inline constexpr std::string_view prefix_a = "编辑框_81macA";
inline constexpr std::string_view prefix_b = "编辑框_81macB";
inline constexpr std::string_view prefix_c = "编辑框_81macC";
inline constexpr std::string_view count = "编辑框_81生成个数";
inline constexpr std::string_view interface = "组合框_81网卡接口";
inline constexpr std::string_view new_mac = "编辑框_81修改为mac";
}  // namespace name

}  // namespace

Result generate_mac_list(const MacListFields& f, RandomSource& random) {
    std::array<std::uint8_t, 3> prefix{};
    if (f.fixed_prefix) {
        const std::array<std::pair<const std::string*, std::string_view>, 3> typed = {{
            {&f.prefix_a, name::prefix_a},
            {&f.prefix_b, name::prefix_b},
            {&f.prefix_c, name::prefix_c},
        }};
        for (std::size_t i = 0; i < typed.size(); ++i) {
            const std::optional<std::uint8_t> byte = parse_hex_byte(*typed[i].first);
            if (!byte)
                return Result::refuse("固定的MAC头部每段须为两位十六进制数字(0-9、A-F),如 E4:8D:8C!",
                                      std::string(typed[i].second));
            prefix[i] = *byte;
        }
    }
    const long long count = leading_integer(f.count);
    if (count < 1 || count > kMaxMacCount)
        return Result::refuse("生成个数须在1到" + std::to_string(kMaxMacCount) + "之间!", std::string(name::count));

    const char separator = f.colon ? ':' : '-';
    ScriptBuilder list;
    MacAddress mac{};
    for (long long i = 0; i < count; ++i) {
        if (f.fixed_prefix) {
            std::copy(prefix.begin(), prefix.end(), mac.begin());
            for (std::size_t b = 3; b < mac.size(); ++b) mac[b] = random_byte(random);
        } else {
            mac = random_mac(random);
        }
        list.line(format_mac(mac, separator));
    }
    return Result::ok(list.str());
}

Result generate_mac_change(const MacChangeFields& f) {
    if (f.interface.empty()) return Result::refuse("请输入要修改的网卡名称!", std::string(name::interface));
    const std::optional<std::string> mac = normalize_mac(f.mac);
    if (!mac)
        return Result::refuse("MAC地址格式不正确:请输入12位十六进制数字,如 00:01:6C:06:A6:29 或 00-01-6C-06-A6-29!",
                              std::string(name::new_mac));
    return Result::ok("/interface ethernet set " + bare_value(f.interface) + " mac-address=" + *mac);
}

}  // namespace vorlix
