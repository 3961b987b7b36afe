#include "generators/wan/VlanPppoe.hpp"

#include <algorithm>
#include <vector>

#include "generators/wan/WanScript.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "tools/mac_address.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view settings = "分组框_18设置";
constexpr std::string_view port = "组合框_18VLAN网卡";
constexpr std::string_view generate = "按钮_18生成";
constexpr std::string_view notice_group = "分组框_18注意";
constexpr std::string_view notice = "标签_18注意";
constexpr std::string_view warning = "标签_18警告";
constexpr std::string_view lines = "分组框_18列表";
constexpr std::string_view account = "编辑框_18配置账号";
constexpr std::string_view password = "编辑框_18配置密码";
constexpr std::string_view vlan_id = "编辑框_18配置VLANID";
constexpr std::string_view add = "按钮_18添加账号";
constexpr std::string_view modify = "按钮_18修改账号";
constexpr std::string_view remove = "按钮_18删除账号";
constexpr std::string_view list = "超级列表框_18";
}  // namespace
}  // namespace name

namespace {

constexpr const char* kNotice =
    "交换机必须要支持VLAN才可以实现\n"
    "如何判定交换机是否能支持ROS的VLAN，可以根据几个参数判定:\n"
    "1.支持IEEE 802.1Q VLAN\n"
    "2.每个网口都能设置单独的PVID编号\n"
    "3.支持VLAN分组划分\n"
    "\n"
    "添加宽带信息的VLAN ID值:交换机设置中接外网网线网口的PVID值";

// A bridge MAC that no other bridge of the script has. A repeat is all but impossible from the
// operating system's random source and certain from a scripted one; it counts up from the drawn
// address, leaving the first octet (unicast, locally administered) as it is.
MacAddress fresh_mac(RandomSource& random, std::vector<MacAddress>& used) {
    MacAddress mac = random_mac(random);
    while (std::find(used.begin(), used.end(), mac) != used.end()) {
        // The next address: the last five octets read as one number, plus one.
        for (std::size_t k = mac.size() - 1; k > 0; --k)
            if (++mac[k] != 0) break;
    }
    used.push_back(mac);
    return mac;
}

}  // namespace

Result generate_vlan_pppoe(const VlanPppoeFields& f, RandomSource& random) {
    const std::size_t n = f.lines.size();
    if (n == 0) return {{}, Message{"请输入PPPoE拨号的相关信息!", kIconError, std::string(), {}}};
    const auto num = [](std::size_t i) { return std::to_string(i); };
    ScriptBuilder b;
    b.line("/interface vlan");
    for (std::size_t i = 1; i <= n; ++i)
        b.line("add arp=enabled disabled=no interface=" + bare_value(f.port) + " mtu=1500 name=vlan" + num(i) +
               " use-service-tag=no vlan-id=" + bare_value(cell_of(f.lines[i - 1], 2)));
    b.line("/interface bridge");
    std::vector<MacAddress> used;
    for (std::size_t i = 1; i <= n; ++i)
        b.line("add admin-mac=" + format_mac(fresh_mac(random, used)) +
               " ageing-time=5m arp=enabled auto-mac=no disabled=no forward-delay=15s l2mtu=65535 "
               "max-message-age=20s mtu=1500 name=ADSL-" +
               num(i) + " priority=0x8000 protocol-mode=none transmit-hold-count=6");
    b.line("/interface bridge port");
    for (std::size_t i = 1; i <= n; ++i)
        b.line("add bridge=ADSL-" + num(i) + " disabled=no edge=auto external-fdb=auto horizon=none interface=vlan" +
               num(i) + " path-cost=10 point-to-point=auto priority=0x80");
    for (std::size_t i = 1; i <= n; ++i) {
        const WanLine& row = f.lines[i - 1];
        b.line("/interface pppoe-client add name=pppoe-out" + num(i) + " interface=ADSL-" + num(i) +
               " user=" + quote_value(cell_of(row, 0)) + " password=" + quote_value(cell_of(row, 1)) +
               " add-default-route=yes disabled=no");
    }
    // The router refuses a VLAN line without a valid ID, and that line's client then dials on an empty
    // bridge: the script stands (the other lines work) with a warning that names the line.
    std::vector<std::string> problems;
    for (std::size_t i = 1; i <= n; ++i) {
        const std::string& id = cell_of(f.lines[i - 1], 2);
        const bool digits = !id.empty() && id.size() <= 4 &&
                            std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || std::stoi(id) < 1 || std::stoi(id) > 4094)
            problems.push_back("第" + num(i) + "条线路: VLAN ID \"" + id + "\" 不是1至4094之间的数字");
    }
    return Result::ok(b.str(), problems_warning(problems));
}

const LineListSpec& vlan_pppoe_list() {
    static const LineListSpec kList{
        .list = name::list,
        .inputs = {name::account, name::password, name::vlan_id},
        .keys = {{0, "宽带账号: "}, {2, "VLAN ID: "}},
        .add_button = name::add,
        .modify_button = name::modify,
        .delete_button = name::remove,
    };
    return kList;
}

const PageSpec& vlan_pppoe_page_spec() {
    static const PageSpec kPage{
        .caption = "VLAN多线PPPoE",
        .summary = "经VLAN交换机在一个网口上拨多条PPPoE",
        .tree = "VLAN多线PPPoE拨号",
        .controls = {
            group_box(name::settings, "VLAN交换机多线PPPOE拨号安装设置"),
            editable_combo(name::port, "VLAN网卡:", ether_items(12), "ether1")
                .typed(ValueType::interface_name)
                .in(name::settings)
                .hinted("(建议使用最好性能的网卡为外网网卡,连接VLAN交换机的网卡)"),
            button(name::generate, "5.X/6.X系列脚本生成").in(name::settings),
            group_box(name::lines, "当前配置PPPoE账号"),
            edit(name::account, "宽带账号:", "adsl0001").at_most(64).in(name::lines),
            edit(name::password, "宽带密码:", "123456").at_most(64).in(name::lines),
            edit(name::vlan_id, "VLAN  ID:", "1").in(name::lines),
            button(name::add, "添加账号").in(name::lines),
            button(name::modify, "修改账号").in(name::lines).beside(),
            button(name::remove, "删除账号").in(name::lines).beside(),
            line_list(name::list, {{"宽带账号", 180}, {"宽带密码", 180}, {"VLAN ID", 100}}).in(name::lines),
            group_box(name::notice_group, "注意事项"),
            label(name::notice, kNotice).in(name::notice_group),
            label(name::warning, "交换机一定要能支持802.1Q VLAN，否则无法实现！").in(name::notice_group),
        }};
    return kPage;
}

VlanPppoeFields vlan_pppoe_fields(const Form& form) {
    return {.port = form.text(name::port), .lines = form.rows(name::list)};
}

namespace {

Outcome run_vlan_pppoe(const Form& form, Env& env) {
    return Outcome::from(generate_vlan_pppoe(vlan_pppoe_fields(form), env.random));
}

}  // namespace

PageEntry vlan_pppoe_page() {
    return line_list_page<vlan_pppoe_list>(vlan_pppoe_page_spec(), {{name::generate, run_vlan_pppoe}});
}

}  // namespace vorlix
