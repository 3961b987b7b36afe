#include "generators/firewall/PortMapping.hpp"

#include "generators/firewall/FirewallText.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"
#include "script/script_builder.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view fixed = "分组框_45固定IP", public_address = "编辑框_45外网ip",
                           public_port1 = "编辑框_45外网端口1", protocol1 = "组合框_45协议名1",
                           lan_host1 = "编辑框_45内网ip", lan_port1 = "编辑框_45内网端口1", comment1 = "编辑框_45备注1",
                           generate1 = "按钮_45生成1";
constexpr std::string_view dialup = "分组框_45动态IP", network = "编辑框_45内网网段", prefix = "编辑框_45内网网段掩码",
                           gateway = "编辑框_45内网网关", public_port2 = "编辑框_45目标端口2",
                           protocol2 = "组合框_45协议名2", lan_host2 = "编辑框_45映射ip主机",
                           lan_port2 = "编辑框_45映射端口2", comment2 = "编辑框_45备注2", generate_dialup = "按钮89";
constexpr std::string_view upnp = "分组框_45UPNP", internal = "组合框_45内网网卡接口",
                           external = "组合框_45外网网卡接口", add = "按钮_45增加外网接口",
                           remove = "按钮_45删除外网接口", list = "列表框_45外网网卡", generate2 = "按钮_45生成2",
                           upnp_note = "标签_45UPNP说明";
}  // namespace
}  // namespace name

namespace {

constexpr int kNoIcon = 0;

// " protocol=P dst-port=PORT action=dst-nat to-addresses=HOST to-ports=PORT comment=C", without the
// ports for a protocol that has none.
std::string mapping_tail(std::string_view protocol, std::string_view public_port, std::string_view lan_host,
                         std::string_view lan_port, std::string_view comment) {
    const bool ports = has_ports(protocol);
    std::string s = " protocol=" + bare_value(protocol);
    if (ports) s += " dst-port=" + bare_value(public_port);
    s += " action=dst-nat to-addresses=" + bare_value(lan_host);
    if (ports) s += " to-ports=" + bare_value(lan_port);
    return s + " comment=" + ros_comment(comment);
}

}  // namespace

const PageSpec& port_mapping_page_spec() {
    static const std::string kCaption = "5.X/6.X系列脚本生成";
    static const std::string kRangeHint = "(注:本规则支持连续端口,如:21-80)";
    static const std::string kCommentHint = "(支持中文,可留空)";
    static const PageSpec kPage{
        .caption = "端口映射",
        .tree = "端口映射(UPNP)",
        .controls = {
            group_box(name::fixed, "固定IP端口映射脚本生成"),
            edit(name::public_address, "外网IP:", "203.0.113.10").typed(ValueType::ipv4).in(name::fixed),
            edit(name::public_port1, "外网端口:", "80").typed(ValueType::ports).in(name::fixed).hinted(kRangeHint),
            editable_combo(name::protocol1, "使用协议:", ip_protocol_items(), "tcp").in(name::fixed),
            edit(name::lan_host1, "内网IP:", "192.168.0.1").typed(ValueType::ipv4).in(name::fixed),
            edit(name::lan_port1, "内网端口:", "80").typed(ValueType::ports).in(name::fixed),
            edit(name::comment1, "备注:", "WEB SERVER").in(name::fixed).hinted(kCommentHint),
            button(name::generate1, kCaption).in(name::fixed),

            group_box(name::dialup, "PPPOE动态IP端口映射(包含多线叠加进行端口映射)"),
            edit(name::network, "内网网段:", "192.168.0.0").typed(ValueType::ipv4).in(name::dialup),
            edit(name::prefix, "/", "24").typed(ValueType::prefix).in(name::dialup).beside(),
            edit(name::gateway, "内网网关:", "192.168.0.254").typed(ValueType::ipv4).in(name::dialup),
            edit(name::public_port2, "目标端口:", "80").typed(ValueType::ports).in(name::dialup).hinted(kRangeHint),
            editable_combo(name::protocol2, "使用协议:", ip_protocol_items(), "tcp").in(name::dialup),
            edit(name::lan_host2, "需要映射的主机IP地址:", "192.168.0.253").typed(ValueType::ipv4).in(name::dialup),
            edit(name::lan_port2, "映射端口:", "80").typed(ValueType::ports).in(name::dialup),
            edit(name::comment2, "备注:", "WEB SERVER").in(name::dialup).hinted(kCommentHint),
            button(name::generate_dialup, kCaption).in(name::dialup),

            group_box(name::upnp, "开启ROS的UPNP端口自动映射功能"),
            editable_combo(name::internal, "内网网卡接口名称:", ether_items(), "lan")
                .typed(ValueType::interface_name)
                .in(name::upnp),
            editable_combo(name::external, "外网网卡接口名称:", ether_items(), "wan")
                .typed(ValueType::interface_name)
                .in(name::upnp),
            button(name::add, "增加外网接口").in(name::upnp).beside(),
            button(name::remove, "删除外网接口").in(name::upnp).beside(),
            list_box(name::list).in(name::upnp),
            button(name::generate2, kCaption).in(name::upnp),
            label(name::upnp_note,
                  "UPNP(通用即插即用)让内网电脑上的软件(如下载、游戏、视频聊天软件)自动在路由上打开所需的端口映射,"
                  "不必逐条手动添加。内网网卡填连接内网的接口,外网网卡填连接宽带的接口(多线时每条线路的接口或"
                  "pppoe-out都要增加到列表中),然后生成脚本在路由中执行。")
                .in(name::upnp),
        }};
    return kPage;
}

std::string generate_fixed_mapping(const FixedMappingFields& f) {
    return "/ip firewall nat add chain=dstnat dst-address=" + bare_value(f.public_address) +
           mapping_tail(f.protocol, f.public_port, f.lan_host, f.lan_port, f.comment);
}

std::string generate_dialup_mapping(const DialupMappingFields& f) {
    return "/ip firewall nat add chain=dstnat src-address=" + negated_value(f.network + "/" + f.prefix) +
           " dst-address=" + negated_value(f.gateway) +
           mapping_tail(f.protocol, f.public_port, f.lan_host, f.lan_port, f.comment);
}

Result generate_upnp(const UpnpFields& f) {
    if (f.external.empty()) return Result::refuse("请先添加您要端口映射功能外网网卡接口!", {}, kNoIcon);
    ScriptBuilder b;
    // A LAN client must not be able to switch the WAN side off.
    b.line("/ip upnp set allow-disable-external-interface=no enabled=yes show-dummy-rule=yes");
    b.line("/ip upnp interfaces");
    b.line("add disabled=no interface=" + bare_value(f.internal) + " type=internal");
    for (const std::string& e : f.external) b.line("add disabled=no interface=" + bare_value(e) + " type=external");
    return Result::ok(b.str());
}

std::optional<Rows> add_list_entry(const Rows& rows, std::string_view text) {
    if (text.empty()) return std::nullopt;
    Rows out = rows;
    out.push_back({std::string(text)});
    return out;
}

std::optional<Rows> remove_list_entry(const Rows& rows, int selected) {
    if (selected < 0 || static_cast<std::size_t>(selected) >= rows.size()) return std::nullopt;
    Rows out = rows;
    out.erase(out.begin() + selected);
    return out;
}

namespace {

Outcome run_fixed(const Form& form, Env&) {
    return Outcome::from(Result::ok(generate_fixed_mapping({
        .public_address = form.text(name::public_address),
        .public_port = form.text(name::public_port1),
        .protocol = form.text(name::protocol1),
        .lan_host = form.text(name::lan_host1),
        .lan_port = form.text(name::lan_port1),
        .comment = form.text(name::comment1),
    })));
}

Outcome run_dialup(const Form& form, Env&) {
    return Outcome::from(Result::ok(generate_dialup_mapping({
        .network = form.text(name::network),
        .prefix = form.text(name::prefix),
        .gateway = form.text(name::gateway),
        .public_port = form.text(name::public_port2),
        .protocol = form.text(name::protocol2),
        .lan_host = form.text(name::lan_host2),
        .lan_port = form.text(name::lan_port2),
        .comment = form.text(name::comment2),
    })));
}

Outcome run_upnp(const Form& form, Env&) {
    UpnpFields f{.internal = form.text(name::internal)};
    for (const Row& row : form.rows(name::list)) f.external.push_back(cell_of(row, 0));
    return Outcome::from(generate_upnp(f));
}

// The list's new rows, with the selection kept where it still names a row.
Outcome list_changed(std::optional<Rows> rows, int selected) {
    Outcome o;
    if (!rows) return o;
    FieldValue v;
    v.index = selected >= 0 && static_cast<std::size_t>(selected) < rows->size() ? selected : -1;
    v.rows = std::move(*rows);
    o.updates.push_back({std::string(name::list), std::move(v)});
    return o;
}

Outcome run_add(const Form& form, Env&) {
    return list_changed(add_list_entry(form.rows(name::list), form.text(name::external)), form.index(name::list));
}

Outcome run_remove(const Form& form, Env&) {
    return list_changed(remove_list_entry(form.rows(name::list), form.index(name::list)), -1);
}

}  // namespace

PageEntry port_mapping_page() {
    return {&port_mapping_page_spec(),
            {{name::generate1, run_fixed},
             {name::generate_dialup, run_dialup},
             {name::add, run_add, BindingKind::action},
             {name::remove, run_remove, BindingKind::action},
             {name::generate2, run_upnp}}};
}

}  // namespace vorlix
