#include "generators/firewall/ArpBinding.hpp"

#include "generators/firewall/FirewallText.hpp"
#include "script/quote.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view custom = "分组框_42自定义", address = "编辑框_42ip地址", mac = "编辑框_42mac",
                           interface1 = "组合框_42网卡接口1", add = "按钮_42自定义arp";
constexpr std::string_view learned = "分组框_42自动绑定", make_static = "按钮_42自动绑定arp";
constexpr std::string_view remove_all_group = "分组框_42自动删除", remove_all = "按钮_42自动删除所有arp绑定";
constexpr std::string_view mode = "分组框_42网卡属性", interface2 = "组合框_42网卡接口2";
constexpr std::string_view bind_group = "分组框_42绑定网卡", bind = "按钮_42绑定arp";
constexpr std::string_view unbind_group = "分组框_42解除网卡", unbind = "按钮_42解绑arp";
constexpr std::string_view tips_group = "分组框_42小提示", tips = "标签_42小提示";
}  // namespace
}  // namespace name

const PageSpec& arp_binding_page_spec() {
    static const std::string kCaption = "5.X/6.X系列脚本生成";
    static const PageSpec kPage{
        .caption = "ARP绑定(批量)",
        .controls = {
            group_box(name::custom, "自定义ARP绑定"),
            edit(name::address, "I P 地址:", "192.168.1.2")
                .typed(ValueType::ipv4)
                .in(name::custom)
                .hinted("(需要绑定的IP)"),
            edit(name::mac, "MAC 绑定:", "00:00:00:00:00:00")
                .typed(ValueType::mac)
                .in(name::custom)
                .hinted("(要绑定IP相对应的MAC地址)"),
            editable_combo(name::interface1, "绑定网卡:", ether_items(), "ether1")
                .typed(ValueType::interface_name)
                .in(name::custom)
                .hinted("(内网IP绑定内网网卡,外网IP绑定外网网卡)"),
            button(name::add, kCaption).in(name::custom),

            group_box(name::learned, "自动绑定已经连接的ARP"),
            button(name::make_static, kCaption).in(name::learned),
            group_box(name::remove_all_group, "自动删除所有ARP绑定").beside(),
            button(name::remove_all, kCaption).in(name::remove_all_group),

            group_box(name::mode, "将网卡ARP属性设置为reply-only,这步才是真正的绑定了列表中的ARP,没绑定的上不了网"),
            editable_combo(name::interface2, "绑定网卡:", ether_items(), "ether1")
                .typed(ValueType::interface_name)
                .in(name::mode)
                .hinted("(一般情况下可以只设置内网网卡,也可以所有网卡都设置为reply-only)"),
            group_box(name::bind_group, "绑定网卡(ARP属性为reply-only)").in(name::mode),
            button(name::bind, kCaption).in(name::bind_group),
            group_box(name::unbind_group, "解除网卡(ARP属性为enabled)").in(name::mode).beside(),
            button(name::unbind, kCaption).in(name::unbind_group),

            group_box(name::tips_group, "小提示"),
            label(name::tips,
                  "网卡的ARP属性设置为reply-only后,路由只应答ARP列表中已有(静态绑定)的IP与MAC,"
                  "不在列表中的电脑将无法与路由通信,也就上不了网。请先添加或自动绑定所有电脑的ARP,"
                  "再将内网网卡设置为reply-only;解除时把网卡的ARP属性改回enabled即可。")
                .in(name::tips_group),
        }};
    return kPage;
}

std::string generate_arp_entry(const ArpEntryFields& f) {
    return "/ip arp add address=" + bare_value(f.address) + " mac-address=" + bare_value(f.mac) +
           " interface=" + bare_value(f.interface);
}

std::string arp_make_static_script() {
    return ":foreach mavek in=[/ip arp find dynamic=yes ] do={/ip arp add copy-from=$mavek}";
}

std::string arp_remove_all_script() {
    return ":foreach mavek in=[/ip arp find] do={/ip arp remove $mavek}";
}

std::string generate_arp_mode(std::string_view interface, ArpMode mode) {
    // A name that needs quotes is looked up by name: a quoted word without a parameter name is not
    // read as the item to set.
    const std::string bare = bare_value(interface);
    const std::string item = bare == interface ? bare : "[find name=" + bare + "]";
    return "/interface ethernet set " + item + (mode == ArpMode::reply_only ? " arp=reply-only" : " arp=enabled");
}

namespace {

Outcome run_entry(const Form& form, Env&) {
    return Outcome::from(Result::ok(generate_arp_entry({
        .address = form.text(name::address),
        .mac = form.text(name::mac),
        .interface = form.text(name::interface1),
    })));
}

Outcome run_make_static(const Form&, Env&) {
    return Outcome::from(Result::ok(arp_make_static_script()));
}

Outcome run_remove_all(const Form&, Env&) {
    return Outcome::from(Result::ok(arp_remove_all_script()));
}

template <ArpMode Mode>
Outcome run_mode(const Form& form, Env&) {
    return Outcome::from(Result::ok(generate_arp_mode(form.text(name::interface2), Mode)));
}

}  // namespace

PageEntry arp_binding_page() {
    return {&arp_binding_page_spec(),
            {{name::add, run_entry},
             {name::make_static, run_make_static},
             {name::remove_all, run_remove_all},
             {name::bind, run_mode<ArpMode::reply_only>},
             {name::unbind, run_mode<ArpMode::enabled>}}};
}

}  // namespace vorlix
