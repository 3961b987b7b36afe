#include "generators/firewall/BlockPortsAddresses.hpp"

#include <algorithm>

#include "generators/firewall/FirewallText.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"
#include "script/script_builder.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view ports = "分组框_46封端口", port = "编辑框_46端口", protocol = "组合框_46tcp协议名",
                           comment1 = "编辑框_46备注1", generate1 = "按钮_46生成1";
constexpr std::string_view addresses = "分组框_46封IP", address1 = "编辑框_46封锁ip1", prefix1 = "编辑框_46封锁ip掩码1",
                           comment2 = "编辑框_46备注2", generate2 = "按钮_46生成2";
constexpr std::string_view lists = "分组框_46另类封IP", list_rule = "按钮_46第一次生成",
                           entry_list = "编辑框_46maveklist", address2 = "编辑框_46封锁ip2",
                           prefix2 = "编辑框_46封锁ip掩码2", comment3 = "编辑框_46备注3", generate3 = "按钮_46生成3";
constexpr std::string_view batch = "分组框_46批量", batch_tip = "标签_46批量说明", batch_box = "编辑框_46ip地址列表",
                           use_batch_list = "选择框_46列表名称", batch_list = "编辑框_46批量maveklist",
                           generate_batch = "按钮_46生成脚本", clear = "按钮_46清空ip";
}  // namespace
}  // namespace name

namespace {

constexpr std::string_view kDefaultList = "MavekList";

}  // namespace

const PageSpec& block_ports_addresses_page_spec() {
    static const std::string kCaption = "5.X/6.X系列脚本生成";
    static const PageSpec kPage{
        .caption = "封端口及封IP(批量)",
        .controls = {
            group_box(name::ports, "封端口"),
            edit(name::port, "要封锁的端口:", "20")
                .typed(ValueType::ports)
                .in(name::ports)
                .hinted("(支持连续端口输入,如:21-80;支持多端口输入,如:21,80,110)"),
            editable_combo(name::protocol, "使用协议:", ip_protocol_items(), "tcp").in(name::ports),
            edit(name::comment1, "备注:", "WEB SERVER").in(name::ports).hinted("(支持中文,可留空)"),
            button(name::generate1, kCaption).in(name::ports),

            group_box(name::addresses, "封IP"),
            edit(name::address1, "要封锁的IP:", "203.0.113.20").typed(ValueType::ipv4).in(name::addresses),
            edit(name::prefix1, "/", "32")
                .typed(ValueType::prefix)
                .in(name::addresses)
                .beside()
                .hinted("提示：封IP时注意子网掩码"),
            edit(name::comment2, "备注:", "WEB SERVER").in(name::addresses),
            button(name::generate2, kCaption).in(name::addresses),

            group_box(name::lists, "另类封IP(将IP放在列表中,对整个列表IP进行封锁,封IP比较多的用户推荐使用)"),
            button(name::list_rule, "第一次使用此功能请先点击添加此脚本,以后不需要再次添加!").in(name::lists),
            edit(name::entry_list, "IP列表名称:", std::string(kDefaultList)).in(name::lists),
            edit(name::address2, "要封锁的IP:", "203.0.113.20").typed(ValueType::ipv4).in(name::lists),
            edit(name::prefix2, "/", "32")
                .typed(ValueType::prefix)
                .in(name::lists)
                .beside()
                .hinted("小提示：封IP时注意子网掩码,但掩码为32时为单IP,为24时为整个IP段!"),
            edit(name::comment3, "备      注:", "example.com").in(name::lists),
            button(name::generate3, kCaption).in(name::lists),
            group_box(name::batch, "批量添加IP封锁").in(name::lists),
            label(name::batch_tip, "每一行一个IP,支持192.168.0.0/24格式").in(name::batch),
            multi_line_edit(name::batch_box, "").in(name::batch),
            check_box(name::use_batch_list, "备注名称 (默认为MavekList)", false).in(name::batch),
            edit(name::batch_list, "", std::string(kDefaultList)).in(name::batch).beside(),
            button(name::generate_batch, "生成脚本").in(name::batch),
            button(name::clear, "清空IP栏").in(name::batch).beside(),
        }};
    return kPage;
}

std::string generate_port_block(const PortBlockFields& f) {
    std::string s = "/ip firewall filter add chain=forward protocol=" + bare_value(f.protocol);
    if (has_ports(f.protocol)) s += " dst-port=" + bare_value(f.port);
    return s + " action=drop comment=" + ros_comment(f.comment);
}

std::string generate_address_block(const AddressBlockFields& f) {
    return "/ip firewall filter add chain=forward dst-address=" + bare_value(f.address + "/" + f.prefix) +
           " action=drop comment=" + ros_comment(f.comment);
}

std::string generate_list_entry(const ListEntryFields& f) {
    return "/ip firewall address-list add address=" + bare_value(f.address + "/" + f.prefix) +
           " list=" + quote_value(f.list) + " comment=" + ros_comment(f.comment);
}

std::string batch_list_name(const BatchListName& n) {
    return n.typed ? n.name : std::string(kDefaultList);
}

std::string generate_block_list_rules(std::string_view entry_list, const BatchListName& batch) {
    // A rule for a list nobody fills would block nothing, and a list filled without a rule blocks
    // nothing either: every list the page writes to gets its rule.
    std::vector<std::string> names;
    for (const std::string& n : {std::string(entry_list), batch_list_name(batch)})
        if (!trim_blanks(n).empty() && std::find(names.begin(), names.end(), n) == names.end()) names.push_back(n);
    if (names.empty()) names.emplace_back(kDefaultList);
    ScriptBuilder b;
    for (const std::string& n : names)
        b.line("/ip firewall filter add chain=forward dst-address-list=" + bare_value(n) +
               " action=drop comment=" + quote_text("Blockade IP List"));
    return b.str();
}

std::optional<std::string> generate_batch_list(const BatchListFields& f) {
    if (f.addresses.empty()) return std::nullopt;
    const std::string list = quote_value(batch_list_name(f.list));
    ScriptBuilder b;
    for (const std::string_view address : trimmed_pieces(f.addresses, "\r\n"))
        b.line("/ip firewall address-list add address=" + bare_value(address) + " list=" + list + " disabled=no");
    return b.str();
}

namespace {

BatchListName batch_name_of(const Form& form) {
    return {.typed = form.checked(name::use_batch_list), .name = form.text(name::batch_list)};
}

Outcome run_port(const Form& form, Env&) {
    return Outcome::from(Result::ok(generate_port_block({
        .port = form.text(name::port),
        .protocol = form.text(name::protocol),
        .comment = form.text(name::comment1),
    })));
}

Outcome run_address(const Form& form, Env&) {
    return Outcome::from(Result::ok(generate_address_block({
        .address = form.text(name::address1),
        .prefix = form.text(name::prefix1),
        .comment = form.text(name::comment2),
    })));
}

Outcome run_list_rule(const Form& form, Env&) {
    return Outcome::from(Result::ok(generate_block_list_rules(form.text(name::entry_list), batch_name_of(form))));
}

Outcome run_list_entry(const Form& form, Env&) {
    return Outcome::from(Result::ok(generate_list_entry({
        .list = form.text(name::entry_list),
        .address = form.text(name::address2),
        .prefix = form.text(name::prefix2),
        .comment = form.text(name::comment3),
    })));
}

Outcome run_batch(const Form& form, Env&) {
    Outcome o;
    o.script = generate_batch_list({.addresses = form.text(name::batch_box), .list = batch_name_of(form)});
    return o;
}

Outcome run_clear(const Form&, Env&) {
    Outcome o;
    o.updates.push_back({std::string(name::batch_box), FieldValue{}});
    return o;
}

}  // namespace

PageEntry block_ports_addresses_page() {
    return {&block_ports_addresses_page_spec(),
            {{name::generate1, run_port},
             {name::generate2, run_address},
             {name::list_rule, run_list_rule},
             {name::generate3, run_list_entry},
             {name::generate_batch, run_batch},
             {name::clear, run_clear, BindingKind::action}}};
}

}  // namespace vorlix
