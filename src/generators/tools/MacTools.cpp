#include "generators/tools/MacTools.hpp"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "generators/wan/WanScript.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"
#include "tools/mac_address.hpp"
#include "tools/mac_vendor.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view list_group = "分组框84", fixed = "单选框_81固定mac", prefix_a = "编辑框_81macA",
                           prefix_b = "编辑框_81macB", prefix_c = "编辑框_81macC", all_random = "单选框_81固定mac1",
                           options_tab = "分组框_81选项", options_tabs = "选择夹11", colon = "单选框_81连接符1",
                           dash = "单选框_81连接符2", count = "编辑框_81生成个数", generate_list = "按钮_81生成1";
constexpr std::string_view change_group = "分组框85", interface = "组合框_81网卡接口", new_mac = "编辑框_81修改为mac",
                           generate_change = "按钮_81生成", reset_hint = "标签_81还原提示";
constexpr std::string_view lookup_group = "分组框86", lookup_mac = "编辑框_81查询mac", look_up = "按钮_81查询",
                           mac = "标签_81mac", vendor = "标签_81厂商", address = "标签_81厂址",
                           copy_vendor = "按钮_81复制厂商", copy_address = "按钮_81复制厂址";
}  // namespace
}  // namespace name

namespace {

constexpr std::string_view kBadMacMessage =
    "MAC地址格式不正确:请输入12位十六进制数字,如 00:01:6C:06:A6:29 或 00-01-6C-06-A6-29!";

}  // namespace

const PageSpec& mac_tools_page_spec() {
    static const PageSpec kPage{
        .caption = "MAC随机生成",
        .summary = "随机生成MAC地址,查询MAC地址的厂商",
        .tree = "MAC相关工具",
        .controls = {
            group_box(name::list_group, "MAC地址随机生成工具"),
            radio_button(name::fixed, "固定的MAC头部:", true).in(name::list_group),
            edit(name::prefix_a, "", "E4").in(name::list_group).beside(),
            edit(name::prefix_b, ":", "8D").in(name::list_group).beside(),
            edit(name::prefix_c, ":", "8C").in(name::list_group).beside(),
            radio_button(name::all_random, "全部随机:所有部分均为随机", false).in(name::list_group),
            group_box(name::options_tab, "").in(name::list_group).on_tab(name::options_tabs, "选项"),
            radio_button(name::colon, ":", true).labelled("连接符:").in(name::options_tab),
            radio_button(name::dash, "-", false).in(name::options_tab).beside(),
            edit(name::count, "生成个数:", "50").in(name::options_tab),
            button(name::generate_list, "生成MAC地址").in(name::list_group),

            group_box(name::change_group, "修改网卡MAC地址-因为在Winbox上无法直接修改MAC地址"),
            editable_combo(name::interface, "要修改的网卡名称:", ether_items(12), "ether1")
                .typed(ValueType::interface_name)
                .in(name::change_group),
            edit(name::new_mac, "修改为的MAC地址:", "00:00:00:00:00:00").in(name::change_group),
            button(name::generate_change, "5.X/6.X系列脚本生成").in(name::change_group),
            label(name::reset_hint,
                  "如果想要还原原来的网卡物理地址，请点击右边的 Reset MAC Address 这时候将会重置到原来的物理网卡地址")
                .in(name::change_group),

            group_box(name::lookup_group, "MAC地址查询功能-可以查询网卡厂商"),
            edit(name::lookup_mac, "MAC地址:", "00:01:6C:06:A6:29")
                .in(name::lookup_group)
                .hinted("(输入的格式如：00-01-6C-06-A6-29 或 00:01:6C:06:A6:29)"),
            button(name::look_up, "查询").in(name::lookup_group).beside(),
            label(name::mac, "").labelled("MAC地址:").in(name::lookup_group),
            label(name::vendor, "").labelled("厂商:").in(name::lookup_group),
            button(name::copy_vendor, "复制厂商")
                .in(name::lookup_group)
                .beside()
                .acts_on(name::vendor, EditorCommand::copy),
            label(name::address, "").labelled("厂址:").in(name::lookup_group),
            button(name::copy_address, "复制厂址")
                .in(name::lookup_group)
                .beside()
                .acts_on(name::address, EditorCommand::copy),
        }};
    return kPage;
}

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
                return Result::refuse("固定的MAC头部每段须为两位十六进制数字(0-9、A-F),如 E4:8D:8C!", typed[i].second);
            prefix[i] = *byte;
        }
    }
    const long long count = leading_integer(f.count);
    if (count < 1 || count > kMaxMacCount)
        return Result::refuse("生成个数须在1到" + std::to_string(kMaxMacCount) + "之间!", name::count);

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
    if (f.interface.empty()) return Result::refuse("请输入要修改的网卡名称!", name::interface);
    const std::optional<std::string> mac = normalize_mac(f.mac);
    if (!mac) return Result::refuse(std::string(kBadMacMessage), name::new_mac);
    // A group address is never an interface's own: the router refuses it or the port stops receiving.
    if (is_multicast(*parse_mac(*mac)))
        return Result::refuse("这是组播地址(第一个字节为奇数),不能作为网卡的MAC地址!", name::new_mac);
    return Result::ok("/interface ethernet set " + item_by_name(f.interface) + " mac-address=" + *mac);
}

namespace {

Outcome run_list(const Form& form, Env& env) {
    return Outcome::from(generate_mac_list(
        {
            .fixed_prefix = form.checked(name::fixed),
            .prefix_a = form.text(name::prefix_a),
            .prefix_b = form.text(name::prefix_b),
            .prefix_c = form.text(name::prefix_c),
            .colon = form.checked(name::colon),
            .count = form.text(name::count),
        },
        env.random));
}

Outcome run_change(const Form& form, Env&) {
    return Outcome::from(
        generate_mac_change({.interface = form.text(name::interface), .mac = form.text(name::new_mac)}));
}

// The lookup fills the three labels; a malformed address is refused and leaves them as they were.
Outcome run_lookup(const Form& form, Env& env) {
    const VendorLookup lookup =
        lookup_mac_vendor(form.text(name::lookup_mac), mac_registry_locations(env.mac_registry));
    if (lookup.status == VendorLookup::Status::bad_address)
        return Outcome::from(Result::refuse(std::string(kBadMacMessage), name::lookup_mac));
    VendorTexts texts = vendor_texts(lookup);
    Outcome o;
    o.updates = {
        {.name = std::string(name::mac), .value = {.text = std::move(texts.mac)}},
        {.name = std::string(name::vendor), .value = {.text = std::move(texts.vendor)}},
        {.name = std::string(name::address), .value = {.text = std::move(texts.address)}},
    };
    return o;
}

}  // namespace

PageEntry mac_tools_page() {
    return {&mac_tools_page_spec(),
            {
                {name::generate_list, run_list},
                {name::generate_change, run_change},
                {name::look_up, run_lookup, BindingKind::action},
            }};
}

}  // namespace vorlix
