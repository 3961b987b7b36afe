#include "generators/tools/ChineseSsid.hpp"

#include <string_view>

#include "script/encoding.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view group = "分组框90", interface = "编辑框_82无线接口名", ssid = "编辑框_82中文名",
                           generate = "按钮_82生成", hint = "标签502";
}  // namespace
}  // namespace name

const PageSpec& chinese_ssid_page_spec() {
    static const PageSpec kPage{
        .caption = "中文SSID生成器",
        .controls = {
            group_box(name::group, "中文名SSID生成工具"),
            edit(name::interface, "要修改的无线网卡接口:", "wlan1").in(name::group),
            edit(name::ssid, "想要修改的中文名:", "无线网络").unicode().in(name::group),
            button(name::generate, "5.X/6.X系列脚本生成").in(name::group),
            label(
                name::hint,
                "如果直接在winbox里修改wireless的SSID写入中文名,搜索的时候是会出现乱码的,使用这个脚本,就可以完美解决了")
                .in(name::group),
        }};
    return kPage;
}

Result generate_chinese_ssid(const ChineseSsidFields& f) {
    if (f.interface.empty()) return Result::refuse("请输入要修改的无线网卡接口!", name::interface);
    if (f.name.empty()) return Result::refuse("请输入要修改的中文名!", name::ssid);
    // Text inside the program is UTF-8 already; bytes that are not would reach the router as garbage.
    if (!is_valid_utf8(f.name)) return Result::refuse("中文名无法转换为UTF-8编码,请重新输入!", name::ssid);
    if (f.name.size() > kMaxSsidBytes)
        return Result::refuse(
            "SSID最长" + std::to_string(kMaxSsidBytes) + "字节,当前" + std::to_string(f.name.size()) + "字节",
            name::ssid);
    return Result::ok("/interface wireless set " + item_by_name(f.interface) +
                      " ssid=" + quote_text(ros_escape(f.name)));
}

namespace {

Outcome run_chinese_ssid(const Form& form, Env&) {
    return Outcome::from(
        generate_chinese_ssid({.interface = form.text(name::interface), .name = form.text(name::ssid)}));
}

}  // namespace

PageEntry chinese_ssid_page() {
    return {&chinese_ssid_page_spec(), {{name::generate, run_chinese_ssid}}};
}

}  // namespace vorlix
