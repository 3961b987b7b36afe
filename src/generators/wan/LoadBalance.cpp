#include "generators/wan/LoadBalance.hpp"

#include <array>
#include <utility>

#include "generators/wan/WanScript.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"

namespace vorlix {
namespace {

// The drop-down shows words with blanks; RouterOS wants the hyphenated keyword.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kClassifiers{{
    {"both addresses", "both-addresses"},
    {"both addresses and ports", "both-addresses-and-ports"},
    {"both ports", "both-ports"},
    {"dst address", "dst-address"},
    {"dst address and port", "dst-address-and-port"},
    {"dst port", "dst-port"},
    {"src address", "src-address"},
    {"src address and port", "src-address-and-port"},
    {"src port", "src-port"},
}};

// The names of one page's controls: the two pages share the generator's inputs and differ in names.
struct LoadBalanceNames {
    std::string_view settings, lan, lan_address, lan_prefix, dns1, dns2, mss, classifier, pcc, nth;
    std::string_view lines, list, add, modify, remove, notice_group, notice;
    std::array<std::string_view, 4> line_inputs;  // the boxes that fill a row, in cell order ("" = none)
};

constexpr LoadBalanceNames kFixed{
    .settings = "分组框_13设置",
    .lan = "组合框_13内网卡",
    .lan_address = "编辑框_13内网网关",
    .lan_prefix = "编辑框_13内网网关掩码",
    .dns1 = "编辑框_13首选DNS",
    .dns2 = "编辑框_13备用DNS",
    .mss = "编辑框_13MSS值",
    .classifier = "组合框_13pcc叠加类型",
    .pcc = "按钮_13PCC生成",
    .nth = "按钮_13NTH生成",
    .lines = "分组框_13列表",
    .list = "超级列表框_13",
    .add = "按钮_13添加账号",
    .modify = "按钮_13修改账号",
    .remove = "按钮_13删除账号",
    .notice_group = "分组框_13注意",
    .notice = "标签_13注意",
    .line_inputs = {"编辑框_13配置IP", "编辑框_13配置IP掩码", "编辑框_13配置网关", "组合框_13配置网卡"},
};

constexpr LoadBalanceNames kPppoe{
    .settings = "分组框_15设置",
    .lan = "组合框_15内网卡",
    .lan_address = "编辑框_15内网网段",
    .lan_prefix = "编辑框_15内网网段掩码",
    .dns1 = "编辑框_15首选DNS",
    .dns2 = "编辑框_15备用DNS",
    .mss = "编辑框_15MSS值",
    .classifier = "组合框_15pcc叠加类型",
    .pcc = "按钮15PCC生成",
    .nth = "按钮_15NTH生成",
    .lines = "分组框_15列表",
    .list = "超级列表框_15",
    .add = "按钮_15添加账号",
    .modify = "按钮_15修改账号",
    .remove = "按钮_15删除账号",
    .notice_group = "分组框_15注意",
    .notice = "标签_15注意",
    .line_inputs = {"编辑框_15配置账号", "编辑框_15配置密码", "组合框_15配置网卡", ""},
};

constexpr const char* kNotice = "不同带宽的线路做负载达不到最佳效果！建议您选择做分流！";
constexpr const char* kLanHint = "(这里设置您将要作为内网网关的IP)";

std::string num(std::size_t n) {
    return std::to_string(n);
}

// The classifier of line i of n: bucket i-1 of n.
std::string pcc_suffix(std::string_view keyword, std::size_t n, std::size_t i) {
    return std::string(keyword) + ":" + num(n) + "/" + num(i - 1);
}

// Every n-th new LAN connection, counter i, to line i; both pages write it alike but for the mark.
std::string nth_rule(std::string_view lan, const std::string& mark, std::size_t n, std::size_t i) {
    return "add chain=prerouting action=mark-connection connection-state=new dst-address-type=!local in-interface=" +
           bare_value(lan) + " connection-mark=no-mark new-connection-mark=" + mark +
           " disabled=no passthrough=yes nth=" + num(n) + "," + num(i) + " comment=NTH_" + num(n) + "_" + num(i);
}

}  // namespace

const std::vector<std::string>& pcc_classifier_items() {
    static const std::vector<std::string> kItems = [] {
        std::vector<std::string> items;
        for (const auto& [item, keyword] : kClassifiers) items.emplace_back(item);
        return items;
    }();
    return kItems;
}

std::string_view pcc_classifier_keyword(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kClassifiers.size()) return {};
    return kClassifiers[static_cast<std::size_t>(index)].second;
}

Result generate_fixed_load(const LoadBalanceFields& f, Balancing how) {
    const std::size_t n = f.lines.size();
    if (n < 2) return refuse_with_empty_caption("光纤线路至少需要2条以上的线路,才能启用PCC负载功能!");
    const std::string_view keyword = pcc_classifier_keyword(f.classifier);
    if (how == Balancing::pcc && keyword.empty()) return Result::refuse("请选择PCC叠加类型!", kFixed.classifier);
    const std::string lan = bare_value(f.lan);

    ScriptBuilder b;
    b.line(lan_address_line(f.lan_address, f.lan_prefix, f.lan));
    b.line(dns_line(f.dns1, f.dns2)).blank();
    for (const WanLine& row : f.lines)
        b.line("/ip address add address=" + bare_value(cell_of(row, 0)) + " interface=" + bare_value(cell_of(row, 2)))
            .blank();

    b.line("/ip firewall mangle");
    for (std::size_t i = 1; i <= n; ++i) {
        const WanLine& row = f.lines[i - 1];
        const std::string conn = "ip_" + num(i) + "_conn", route = "ip_route_" + num(i);
        if (how == Balancing::pcc)
            b.line("add chain=prerouting dst-address-type=!local in-interface=" + lan +
                   " connection-mark=no-mark per-connection-classifier=" + pcc_suffix(keyword, n, i) +
                   " action=mark-connection new-connection-mark=" + conn +
                   " passthrough=yes comment=" + quote_text("pcc_" + num(i)));
        else
            b.line(nth_rule(f.lan, conn, n, i));
        b.line("add chain=prerouting connection-mark=" + conn + " in-interface=" + lan +
               " action=mark-routing new-routing-mark=" + route);
        b.line("add chain=prerouting in-interface=" + bare_value(cell_of(row, 2)) +
               " connection-mark=no-mark action=mark-connection new-connection-mark=" + conn);
        b.line("add chain=output connection-mark=" + conn + " action=mark-routing new-routing-mark=" + route);
        b.blank();
    }

    b.line("/ip route");
    for (std::size_t i = 1; i <= n; ++i) {
        const WanLine& row = f.lines[i - 1];
        const std::string gateway = bare_value(pinned_gateway(cell_of(row, 1), cell_of(row, 2)));
        b.line("add disabled=no distance=1 dst-address=0.0.0.0/0 gateway=" + gateway +
               " check-gateway=ping routing-mark=ip_route_" + num(i));
        b.line("add dst-address=0.0.0.0/0 gateway=" + gateway + " check-gateway=ping disabled=no distance=" + num(i));
        b.blank();
    }

    b.line("/ip firewall nat");
    for (std::size_t i = 1; i <= n; ++i) {
        if (i > 1) b.blank();
        b.line("add action=masquerade chain=srcnat comment=" + num(i) +
               " out-interface=" + bare_value(cell_of(f.lines[i - 1], 2)));
    }
    return Result::ok(b.str(), problems_warning(line_problems(f.lines)));
}

Result generate_pppoe_load(const LoadBalanceFields& f, Balancing how) {
    const std::size_t n = f.lines.size();
    if (n < 2) return refuse_with_empty_caption("至少需要2条以上的宽带线路,才能启用PCC负载功能!");
    const std::string_view keyword = pcc_classifier_keyword(f.classifier);
    if (how == Balancing::pcc && keyword.empty()) return Result::refuse("请选择PCC叠加类型!", kPppoe.classifier);
    const std::string lan = bare_value(f.lan);

    ScriptBuilder b;
    b.line(lan_address_line(f.lan_address, f.lan_prefix, f.lan));
    b.line(dns_line(f.dns1, f.dns2)).blank();
    b.line(mss_clamp_line(f.mss)).blank();
    for (std::size_t i = 1; i <= n; ++i) b.line(pppoe_client_line(i, f.lines[i - 1]));

    b.line("/ip firewall mangle");
    for (std::size_t i = 1; i <= n; ++i) {
        const std::string out = "pppoe-out" + num(i), conn = out + "_conn", route = "to_" + out;
        if (how == Balancing::pcc)
            b.line("add chain=prerouting action=mark-connection dst-address-type=!local in-interface=" + lan +
                   " connection-mark=no-mark per-connection-classifier=" + pcc_suffix(keyword, n, i) +
                   " new-connection-mark=" + conn + " passthrough=yes comment=" + quote_text("pcc_" + num(i)));
        else
            b.line(nth_rule(f.lan, conn, n, i));
        b.line("add chain=prerouting action=mark-routing connection-mark=" + conn + " in-interface=" + lan +
               " new-routing-mark=" + route);
        b.line("add action=mark-connection chain=prerouting in-interface=" + out +
               " connection-mark=no-mark new-connection-mark=" + conn);
        b.line("add action=mark-routing chain=output connection-mark=" + conn + " new-routing-mark=" + route);
        b.blank();
    }

    // The comment is one quoted word: a quoted number glued to "_route" is not one value to RouterOS.
    b.line("/ip route");
    for (std::size_t i = 1; i <= n; ++i) {
        const std::string head = "add dst-address=0.0.0.0/0 gateway=pppoe-out" + num(i) +
                                 " check-gateway=ping comment=" + quote_text(num(i) + "_route") + " disabled=no";
        b.line(head + " distance=1 routing-mark=to_pppoe-out" + num(i));
        b.line(head + " distance=" + num(i));
    }

    b.line("/ip firewall nat");
    for (std::size_t i = 1; i <= n; ++i) {
        if (i > 1) b.blank();
        b.line("add action=masquerade chain=srcnat comment=" + num(i) + " out-interface=pppoe-out" + num(i));
    }
    return Result::ok(b.str());
}

namespace {

LineListSpec list_of(const LoadBalanceNames& n, std::vector<LineKey> keys, bool address_cell) {
    return line_list_of(n.list, n.line_inputs, address_cell, std::move(keys), n.add, n.modify, n.remove);
}

LoadBalanceFields fields_of(const Form& form, const LoadBalanceNames& n) {
    return {
        .lan = form.text(n.lan),
        .lan_address = form.text(n.lan_address),
        .lan_prefix = form.text(n.lan_prefix),
        .dns1 = form.text(n.dns1),
        .dns2 = form.text(n.dns2),
        .mss = form.text(n.mss),
        .classifier = form.index(n.classifier),
        .lines = form.rows(n.list),
    };
}

}  // namespace

const LineListSpec& fixed_load_list() {
    static const LineListSpec kList = list_of(kFixed, {{0, "IP地址: "}, {2, "外网网卡: "}}, true);
    return kList;
}

const LineListSpec& pppoe_load_list() {
    static const LineListSpec kList = list_of(kPppoe, {{0, "宽带账号: "}, {2, "外网网卡: "}}, false);
    return kList;
}

const PageSpec& fixed_load_page_spec() {
    const LoadBalanceNames& n = kFixed;
    const auto& in = n.line_inputs;
    static const PageSpec kPage{
        .caption = "多线固定IP负载",
        .summary = "多条固定IP线路用PCC或NTH分担流量",
        .tree = "多线固定IP叠加NTH+PCC负载",
        .controls = {
            group_box(n.settings, "多线固定IP负载安装设置脚本"),
            editable_combo(n.lan, "内网网卡:", ether_items(8), "ether1")
                .typed(ValueType::interface_name)
                .in(n.settings),
            edit(n.lan_address, "内网网关:", "192.168.0.254").typed(ValueType::ipv4).in(n.settings),
            edit(n.lan_prefix, "/", "24").typed(ValueType::prefix).in(n.settings).beside().hinted(kLanHint),
            edit(n.dns1, "首选 DNS:", "218.85.152.99").typed(ValueType::ipv4).in(n.settings),
            edit(n.dns2, "备用 DNS:", "218.85.157.99").typed(ValueType::ipv4).in(n.settings),
            edit(n.mss, "TCP MSS值:", "1440").in(n.settings),
            drop_down(n.classifier, "PCC叠加类型:", pcc_classifier_items(), 0).in(n.settings),
            button(n.pcc, "5.X/6.X系列 PCC 叠加脚本").in(n.settings),
            button(n.nth, "5.X/6.X系列 NTH 叠加脚本").in(n.settings).beside(),
            group_box(n.lines, "当前配置列表"),
            edit(in[0], "IP  地址:", "218.85.167.150").typed(ValueType::ipv4).in(n.lines),
            edit(in[1], "/", "24").typed(ValueType::prefix).in(n.lines).beside(),
            edit(in[2], "网关地址:", "218.85.167.1").typed(ValueType::ipv4).in(n.lines),
            editable_combo(in[3], "外网网卡:", ether_items(8), "ether2").typed(ValueType::interface_name).in(n.lines),
            button(n.add, "添加账号").in(n.lines),
            button(n.modify, "修改账号").in(n.lines).beside(),
            button(n.remove, "删除账号").in(n.lines).beside(),
            line_list(n.list, {{"IP地址", 140, ValueType::ipv4_net},
                               {"网关地址", 140, ValueType::ipv4},
                               {"外网网卡", 140, ValueType::interface_name}})
                .in(n.lines),
            group_box(n.notice_group, "注意事项"),
            label(n.notice, kNotice).in(n.notice_group),
        }};
    return kPage;
}

const PageSpec& pppoe_load_page_spec() {
    const LoadBalanceNames& n = kPppoe;
    const auto& in = n.line_inputs;
    static const PageSpec kPage{
        .caption = "多线PPPoE负载",
        .summary = "多条PPPoE拨号线路用PCC或NTH分担流量",
        .tree = "多线PPPoE叠加NTH+PCC负载",
        .controls = {
            group_box(n.settings, "多线PPPoE负载均衡安装设置脚本"),
            editable_combo(n.lan, "内网网卡:", ether_items(12), "ether1")
                .typed(ValueType::interface_name)
                .in(n.settings),
            edit(n.lan_address, "内网网段:", "192.168.0.254").typed(ValueType::ipv4).in(n.settings),
            edit(n.lan_prefix, "/", "24").typed(ValueType::prefix).in(n.settings).beside().hinted(kLanHint),
            edit(n.dns1, "首选 DNS:", "218.85.152.99").typed(ValueType::ipv4).in(n.settings),
            edit(n.dns2, "备用 DNS:", "218.85.157.99").typed(ValueType::ipv4).in(n.settings),
            edit(n.mss, "TCP MSS值:", "1440").in(n.settings),
            drop_down(n.classifier, "PCC叠加类型:", pcc_classifier_items(), 0).in(n.settings),
            button(n.pcc, "5.X/6.X系列 PCC 叠加脚本").in(n.settings),
            button(n.nth, "5.X/6.X系列 NTH 叠加脚本").in(n.settings).beside(),
            group_box(n.lines, "当前配置列表"),
            edit(in[0], "宽带账号:", "adsl0001").at_most(64).in(n.lines),
            edit(in[1], "宽带密码:", "123456").at_most(64).in(n.lines),
            editable_combo(in[2], "外网网卡:", ether_items(12), "ether2").typed(ValueType::interface_name).in(n.lines),
            button(n.add, "添加账号").in(n.lines),
            button(n.modify, "修改账号").in(n.lines).beside(),
            button(n.remove, "删除账号").in(n.lines).beside(),
            line_list(n.list, {{"宽带账号", 180}, {"宽带密码", 180}, {"外网网卡", 100, ValueType::interface_name}})
                .in(n.lines),
            group_box(n.notice_group, "注意事项"),
            label(n.notice, kNotice).in(n.notice_group),
        }};
    return kPage;
}

LoadBalanceFields fixed_load_fields(const Form& form) {
    return fields_of(form, kFixed);
}

LoadBalanceFields pppoe_load_fields(const Form& form) {
    return fields_of(form, kPppoe);
}

namespace {

Outcome run_fixed_pcc(const Form& form, Env&) {
    return Outcome::from(generate_fixed_load(fixed_load_fields(form), Balancing::pcc));
}
Outcome run_fixed_nth(const Form& form, Env&) {
    return Outcome::from(generate_fixed_load(fixed_load_fields(form), Balancing::nth));
}
Outcome run_pppoe_pcc(const Form& form, Env&) {
    return Outcome::from(generate_pppoe_load(pppoe_load_fields(form), Balancing::pcc));
}
Outcome run_pppoe_nth(const Form& form, Env&) {
    return Outcome::from(generate_pppoe_load(pppoe_load_fields(form), Balancing::nth));
}

}  // namespace

PageEntry fixed_load_page() {
    return line_list_page<fixed_load_list>(fixed_load_page_spec(),
                                           {{kFixed.pcc, run_fixed_pcc}, {kFixed.nth, run_fixed_nth}});
}

PageEntry pppoe_load_page() {
    return line_list_page<pppoe_load_list>(pppoe_load_page_spec(),
                                           {{kPppoe.pcc, run_pppoe_pcc}, {kPppoe.nth, run_pppoe_nth}});
}

}  // namespace vorlix
