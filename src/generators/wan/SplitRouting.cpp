#include "generators/wan/SplitRouting.hpp"

#include <array>

#include "generators/wan/WanScript.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"

namespace vorlix {
namespace {

std::string num(std::size_t n) {
    return std::to_string(n);
}

// The lines both pages start with; only the masquerade rule differs.
void head(ScriptBuilder& b, const SplitRoutingFields& f, std::string_view nat_options) {
    b.line(lan_address_line(f.lan_address, f.lan_prefix, f.lan));
    b.line(dns_line(f.dns1, f.dns2));
    b.line("/ip firewall nat add action=masquerade chain=srcnat " + std::string(nat_options) +
           "src-address=" + bare_value(f.network + "/" + f.network_prefix));
    b.line(mss_clamp_line(f.mss));
    b.blank();
}

}  // namespace

Result generate_fixed_split(const SplitRoutingFields& f) {
    const std::size_t n = f.lines.size();
    if (n < 2) return refuse_with_empty_caption("光纤线路至少需要2条以上的线路,才能启用分流功能!");
    ScriptBuilder b;
    head(b, f, "");
    for (std::size_t i = 1; i <= n; ++i) {
        const WanLine& row = f.lines[i - 1];
        const std::string mark = num(i), comment = quote_text(num(i));
        const std::string gateway = bare_value(pinned_gateway(cell_of(row, 1), cell_of(row, 2)));
        if (i > 1) b.blank();
        b.line("/ip address add address=" + bare_value(cell_of(row, 0)) + " interface=" + bare_value(cell_of(row, 2)) +
               " comment=" + comment);
        b.line("/ip firewall mangle add chain=prerouting src-address=" + bare_value(cell_of(row, 3)) +
               " action=mark-routing new-routing-mark=" + mark + " comment=" + comment);
        b.line("/ip route add gateway=" + gateway + " check-gateway=ping routing-mark=" + mark + " comment=" + comment);
        b.line("/ip route add dst-address=0.0.0.0/0 gateway=" + gateway + " distance=" + num(i) +
               " check-gateway=ping comment=" + comment);
    }
    return Result::ok(b.str(), problems_warning(line_problems(f.lines)));
}

Result generate_pppoe_split(const SplitRoutingFields& f) {
    const std::size_t n = f.lines.size();
    if (n < 2) return refuse_with_empty_caption("至少需要2条以上的线路,才能启用分流功能!");
    ScriptBuilder b;
    head(b, f, "disabled=no ");
    for (std::size_t i = 1; i <= n; ++i) {
        const WanLine& row = f.lines[i - 1];
        const std::string out = "pppoe-out" + num(i), mark = "routing_" + num(i);
        if (i > 1) b.blank();
        b.line(pppoe_client_line(i, row));
        b.line("/interface pppoe-client enable " + out);
        b.line("/ip firewall mangle add chain=prerouting src-address=" + bare_value(cell_of(row, 3)) +
               " action=mark-routing new-routing-mark=" + mark + " comment=" + quote_text(out) + " passthrough=no");
        b.line("/ip route add disabled=no distance=1 dst-address=0.0.0.0/0 gateway=" + out + " routing-mark=" + mark);
        b.line("/ip route add disabled=no distance=" + num(i) + " dst-address=0.0.0.0/0 gateway=" + out +
               " check-gateway=ping");
    }
    return Result::ok(b.str());
}

namespace {

// The names of one page's controls: the two pages share the generator's inputs and differ in names.
struct SplitNames {
    std::string_view settings, lan, lan_address, lan_prefix, network, network_prefix, dns1, dns2, mss, generate;
    std::string_view lines, list, add, modify, remove;
    std::array<std::string_view, 5> line_inputs;  // the boxes that fill a row, in cell order ("" = none)
};

constexpr SplitNames kFixed{
    .settings = "分组框_14设置",
    .lan = "组合框_14内网卡",
    .lan_address = "编辑框_14内网网关",
    .lan_prefix = "编辑框_14内网网关掩码",
    .network = "编辑框_14内网网段",
    .network_prefix = "编辑框_14内网网段掩码",
    .dns1 = "编辑框_14首选DNS",
    .dns2 = "编辑框_14备用DNS",
    .mss = "编辑框_14MSS值",
    .generate = "按钮_14生成",
    .lines = "分组框_14列表",
    .list = "超级列表框_14",
    .add = "按钮_14添加账号",
    .modify = "按钮_14修改账号",
    .remove = "按钮_14删除账号",
    .line_inputs = {"编辑框_14配置IP", "编辑框_14配置IP掩码", "编辑框_14配置网关", "组合框_14配置网卡",
                    "编辑框_14配置IP段"},
};

constexpr SplitNames kPppoe{
    .settings = "分组框_16设置",
    .lan = "组合框_16内网卡",
    .lan_address = "编辑框_16内网网关",
    .lan_prefix = "编辑框_16内网网关掩码",
    .network = "编辑框_16内网网段",
    .network_prefix = "编辑框_16内网网段掩码",
    .dns1 = "编辑框_16首选DNS",
    .dns2 = "编辑框_16备用DNS",
    .mss = "编辑框_16MSS值",
    .generate = "按钮_16生成",
    .lines = "分组框_16列表",
    .list = "超级列表框_16",
    .add = "按钮_16添加账号",
    .modify = "按钮_16修改账号",
    .remove = "按钮_16删除账号",
    .line_inputs = {"编辑框_16配置账号", "编辑框_16配置密码", "组合框_16配置网卡", "编辑框_16配置IP段", ""},
};

LineListSpec list_of(const SplitNames& n, std::vector<LineKey> keys, bool address_cell) {
    return line_list_of(n.list, n.line_inputs, address_cell, std::move(keys), n.add, n.modify, n.remove);
}

// The page-wide controls of both pages.
void add_settings(std::vector<ControlSpec>& out, const SplitNames& n, const std::string& caption) {
    const std::string_view g = n.settings;
    out.push_back(group_box(g, caption));
    out.push_back(editable_combo(n.lan, "内网网卡:", ether_items(12), "ether1").typed(ValueType::interface_name).in(g));
    out.push_back(edit(n.lan_address, "内网网关:", "192.168.0.254").typed(ValueType::ipv4).in(g));
    out.push_back(edit(n.lan_prefix, "/", "24")
                      .typed(ValueType::prefix)
                      .in(g)
                      .beside()
                      .hinted("(这里设置您将要作为内网网关的IP)"));
    out.push_back(edit(n.network, "内网网段:", "192.168.0.0").typed(ValueType::ipv4).in(g));
    out.push_back(
        edit(n.network_prefix, "/", "24").typed(ValueType::prefix).in(g).beside().hinted("(设置局域网内网网段)"));
    out.push_back(edit(n.dns1, "首选 DNS:", "218.85.152.99").typed(ValueType::ipv4).in(g));
    out.push_back(edit(n.dns2, "备用 DNS:", "218.85.157.99").typed(ValueType::ipv4).in(g));
    out.push_back(edit(n.mss, "TCP MSS值:", "1440").in(g));
    out.push_back(button(n.generate, "5.X/6.X系列脚本生成").in(g));
}

void add_list_buttons(std::vector<ControlSpec>& out, const SplitNames& n) {
    out.push_back(button(n.add, "添加账号").in(n.lines));
    out.push_back(button(n.modify, "修改账号").in(n.lines).beside());
    out.push_back(button(n.remove, "删除账号").in(n.lines).beside());
}

SplitRoutingFields split_fields(const Form& form, const SplitNames& n) {
    return {
        .lan = form.text(n.lan),
        .lan_address = form.text(n.lan_address),
        .lan_prefix = form.text(n.lan_prefix),
        .network = form.text(n.network),
        .network_prefix = form.text(n.network_prefix),
        .dns1 = form.text(n.dns1),
        .dns2 = form.text(n.dns2),
        .mss = form.text(n.mss),
        .lines = form.rows(n.list),
    };
}

}  // namespace

const LineListSpec& fixed_split_list() {
    static const LineListSpec kList = list_of(kFixed, {{0, "IP地址: "}, {2, "外网网卡: "}}, true);
    return kList;
}

const LineListSpec& pppoe_split_list() {
    static const LineListSpec kList = list_of(kPppoe, {{0, "宽带账号: "}, {2, "外网网卡: "}}, false);
    return kList;
}

const PageSpec& fixed_split_page_spec() {
    static const PageSpec kPage = [] {
        const SplitNames& n = kFixed;
        const auto& in = n.line_inputs;
        PageSpec page{.caption = "多线固定IP分流", .summary = "多条固定IP线路按运营商地址表分流"};
        auto& c = page.controls;
        add_settings(c, n, "多线固定IP分流均衡安装设置脚本");
        c.push_back(group_box(n.lines, "当前配置列表"));
        c.push_back(edit(in[0], "IP地址:", "218.85.167.150").typed(ValueType::ipv4).in(n.lines));
        c.push_back(edit(in[1], "/", "24").typed(ValueType::prefix).in(n.lines).beside());
        c.push_back(edit(in[2], "网关地址:", "218.85.167.1").typed(ValueType::ipv4).in(n.lines));
        c.push_back(
            editable_combo(in[3], "外网网卡:", ether_items(12), "ether2").typed(ValueType::interface_name).in(n.lines));
        c.push_back(edit(in[4], "分流IP段:", "192.168.0.1-192.168.0.100").typed(ValueType::address_range).in(n.lines));
        add_list_buttons(c, n);
        c.push_back(line_list(n.list, {{"IP地址", 120, ValueType::ipv4_net},
                                       {"网关地址", 110, ValueType::ipv4},
                                       {"外网网卡", 60, ValueType::interface_name},
                                       {"分流IP段", 200, ValueType::address_range}})
                        .in(n.lines));
        return page;
    }();
    return kPage;
}

const PageSpec& pppoe_split_page_spec() {
    static const PageSpec kPage = [] {
        const SplitNames& n = kPppoe;
        const auto& in = n.line_inputs;
        PageSpec page{.caption = "多线PPPoE分流", .summary = "多条PPPoE拨号线路按运营商地址表分流"};
        auto& c = page.controls;
        add_settings(c, n, "多线PPPoE分流安装设置脚本");
        c.push_back(group_box(n.lines, "当前配置列表"));
        c.push_back(edit(in[0], "宽带账号:", "adsl0001").at_most(64).in(n.lines));
        c.push_back(edit(in[1], "宽带密码:", "123456").at_most(64).in(n.lines));
        c.push_back(
            editable_combo(in[2], "外网网卡:", ether_items(12), "ether2").typed(ValueType::interface_name).in(n.lines));
        c.push_back(edit(in[3], "分流IP段:", "192.168.0.1-192.168.0.100").typed(ValueType::address_range).in(n.lines));
        add_list_buttons(c, n);
        c.push_back(line_list(n.list, {{"宽带账号", 120},
                                       {"宽带密码", 110},
                                       {"外网网卡", 60, ValueType::interface_name},
                                       {"分流IP段", 200, ValueType::address_range}})
                        .in(n.lines));
        return page;
    }();
    return kPage;
}

SplitRoutingFields fixed_split_fields(const Form& form) {
    return split_fields(form, kFixed);
}
SplitRoutingFields pppoe_split_fields(const Form& form) {
    return split_fields(form, kPppoe);
}

namespace {

Outcome run_fixed_split(const Form& form, Env&) {
    return Outcome::from(generate_fixed_split(fixed_split_fields(form)));
}
Outcome run_pppoe_split(const Form& form, Env&) {
    return Outcome::from(generate_pppoe_split(pppoe_split_fields(form)));
}

}  // namespace

PageEntry fixed_split_page() {
    return line_list_page<fixed_split_list>(fixed_split_page_spec(), {{kFixed.generate, run_fixed_split}});
}

PageEntry pppoe_split_page() {
    return line_list_page<pppoe_split_list>(pppoe_split_page_spec(), {{kPppoe.generate, run_pppoe_split}});
}

}  // namespace vorlix
