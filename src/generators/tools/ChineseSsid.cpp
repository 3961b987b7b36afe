#include "generators/tools/ChineseSsid.hpp"

#include <string_view>

#include "script/encoding.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"

namespace vorlix {
namespace {

namespace name {
inline constexpr std::string_view interface = "编辑框_82无线接口名";
inline constexpr std::string_view ssid = "编辑框_82中文名";
}  // namespace name

}  // namespace

Result generate_chinese_ssid(const ChineseSsidFields& f) {
    if (f.interface.empty()) return Result::refuse("请输入要修改的无线网卡接口!", std::string(name::interface));
    if (f.name.empty()) return Result::refuse("请输入要修改的中文名!", std::string(name::ssid));
    // Text inside the program is UTF-8 already; bytes that are not would reach the router as garbage.
    if (!is_valid_utf8(f.name)) return Result::refuse("中文名无法转换为UTF-8编码,请重新输入!", std::string(name::ssid));
    if (f.name.size() > kMaxSsidBytes)
        return Result::refuse(
            "SSID最长" + std::to_string(kMaxSsidBytes) + "字节,当前" + std::to_string(f.name.size()) + "字节",
            std::string(name::ssid));
    return Result::ok("/interface wireless set " + bare_value(f.interface) + " ssid=" + quote_text(ros_escape(f.name)));
}

}  // namespace vorlix
