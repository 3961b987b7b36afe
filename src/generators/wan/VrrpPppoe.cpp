#include "generators/wan/VrrpPppoe.hpp"

#include "generators/wan/WanScript.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view settings = "分组框_1a设置";
constexpr std::string_view wan = "组合框_1a外网卡";
constexpr std::string_view lan = "组合框_1a内网卡";
constexpr std::string_view prefix = "编辑框_1a内网网段";
constexpr std::string_view generate = "按钮_1a生成";
constexpr std::string_view lines = "分组框_1a列表";
constexpr std::string_view account = "编辑框_1a配置账号";
constexpr std::string_view password = "编辑框_1a配置密码";
constexpr std::string_view add = "按钮_1a添加账号";
constexpr std::string_view modify = "按钮_1a修改账号";
constexpr std::string_view remove = "按钮_1a删除账号";
constexpr std::string_view list = "超级列表框_1a";
}  // namespace
}  // namespace name

Result generate_vrrp_pppoe(const VrrpPppoeFields& f) {
    const std::size_t n = f.lines.size();
    if (n < 1) return refuse_with_empty_caption("至少需要1个用户!");
    if (n > kVrrpMaxLines)
        return refuse_with_empty_caption("最多只能添加" + std::to_string(kVrrpMaxLines) +
                                         "个用户!(每个用户占用一个VRID和一个IP地址)");
    const auto num = [](std::size_t i) { return std::to_string(i); };
    const auto out = [&](std::size_t i) { return "pppoe-out" + num(i); };
    ScriptBuilder b;
    b.line("/interface vrrp");
    for (std::size_t i = 1; i <= n; ++i)
        b.line("add arp=enabled authentication=none disabled=no interface=" + bare_value(f.wan) +
               " interval=1 mtu=1500 name=vrrp" + num(i) + " preemption-mode=yes priority=100 vrid=" + num(i));
    // The port holds the network; each VRRP interface holds one host of it, its own number, so no
    // two interfaces share an address.
    b.line("/ip address");
    b.line("add address=" + bare_value(f.prefix + ".254/24") + " disabled=no interface=" + bare_value(f.wan));
    for (std::size_t i = 1; i <= n; ++i)
        b.line("add address=" + bare_value(f.prefix + "." + num(i) + "/32") + " disabled=no interface=vrrp" + num(i));
    for (std::size_t i = 1; i <= n; ++i) {
        const WanLine& row = f.lines[i - 1];
        b.line("/interface pppoe-client add name=" + quote_text(out(i)) + " interface=" + quote_text("vrrp" + num(i)) +
               " user=" + quote_value(cell_of(row, 0)) + " password=" + quote_value(cell_of(row, 1)) + " disabled=no");
    }
    b.line(
        "/ip firewall mangle add action=change-mss chain=forward comment=change-mss disabled=no new-mss=1440 "
        "protocol=tcp tcp-flags=syn");
    // A connection arriving on line i is marked in prerouting, where connections forwarded to a LAN host
    // pass too (input sees only those to the router), so the replies below leave by line i.
    for (std::size_t i = 1; i <= n; ++i)
        b.line(
            "/ip firewall mangle add action=mark-connection chain=prerouting connection-mark=no-mark disabled=no "
            "in-interface=" +
            out(i) + " new-connection-mark=" + out(i) + "_conn passthrough=yes");
    for (std::size_t i = 1; i <= n; ++i)
        b.line("/ip firewall mangle add action=mark-routing chain=output connection-mark=" + out(i) +
               "_conn disabled=no new-routing-mark=to_" + out(i) + " passthrough=yes");
    for (std::size_t i = 1; i <= n; ++i)
        b.line("/ip firewall mangle add action=mark-routing chain=prerouting connection-mark=" + out(i) +
               "_conn disabled=no in-interface=" + bare_value(f.lan) + " new-routing-mark=to_" + out(i) +
               " passthrough=yes");
    // The marked route sends replies back by their own line; the unmarked one gives the LAN and the
    // router a way out, line 1 first, the next line when a gateway stops answering.
    for (std::size_t i = 1; i <= n; ++i) {
        b.line("/ip route add comment=" + num(i) + " disabled=no distance=1 dst-address=0.0.0.0/0 gateway=" + out(i) +
               " routing-mark=to_" + out(i) + " check-gateway=ping");
        b.line("/ip route add comment=" + num(i) + " disabled=no distance=" + num(i) +
               " dst-address=0.0.0.0/0 gateway=" + out(i) + " check-gateway=ping");
    }
    for (std::size_t i = 1; i <= n; ++i)
        b.line("/ip firewall nat add action=masquerade chain=srcnat comment=" + num(i) +
               " disabled=no out-interface=" + out(i));
    return Result::ok(b.str());
}

const LineListSpec& vrrp_pppoe_list() {
    static const LineListSpec kList{
        .list = name::list,
        .inputs = {name::account, name::password},
        .keys = {{0, "宽带账号: "}},
        .add_button = name::add,
        .modify_button = name::modify,
        .delete_button = name::remove,
    };
    return kList;
}

const PageSpec& vrrp_pppoe_page_spec() {
    static const PageSpec kPage{
        .caption = "VRRP多线PPPoE",
        .summary = "用VRRP接口在一个外网口上拨多条PPPoE",
        .tree = "VRRP多线PPPoE拨号",
        .controls = {
            group_box(name::settings, "VRRP多线PPPoE分流安装设置脚本"),
            editable_combo(name::wan, "外网网卡:", ether_items(12), "ether1")
                .typed(ValueType::interface_name)
                .in(name::settings),
            editable_combo(name::lan, "内网网卡:", ether_items(12), "ether2")
                .typed(ValueType::interface_name)
                .in(name::settings),
            edit(name::prefix, "内网网段:", "11.11.11").in(name::settings).hinted("如:11.11.11.0 输入 11.11.11 即可"),
            button(name::generate, "5.X/6.X系列脚本生成").in(name::settings),
            group_box(name::lines, "当前配置列表"),
            edit(name::account, "宽带账号:", "adsl0001").at_most(64).in(name::lines),
            edit(name::password, "宽带密码:", "123456").at_most(64).in(name::lines),
            button(name::add, "添加账号").in(name::lines),
            button(name::modify, "修改账号").in(name::lines).beside(),
            button(name::remove, "删除账号").in(name::lines).beside(),
            line_list(name::list, {{"宽带账号", 180}, {"宽带密码", 180}}).in(name::lines),
        }};
    return kPage;
}

VrrpPppoeFields vrrp_pppoe_fields(const Form& form) {
    return {
        .wan = form.text(name::wan),
        .lan = form.text(name::lan),
        .prefix = form.text(name::prefix),
        .lines = form.rows(name::list),
    };
}

namespace {

Outcome run_vrrp_pppoe(const Form& form, Env&) {
    return Outcome::from(generate_vrrp_pppoe(vrrp_pppoe_fields(form)));
}

}  // namespace

PageEntry vrrp_pppoe_page() {
    return line_list_page<vrrp_pppoe_list>(vrrp_pppoe_page_spec(), {{name::generate, run_vrrp_pppoe}});
}

}  // namespace vorlix
