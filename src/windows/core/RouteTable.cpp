#include "windows/core/RouteTable.hpp"

#include <array>

#include "forms/checks.hpp"
#include "script/quote.hpp"

namespace vorlix {
namespace {

constexpr int kNoIcon = 0;  // a message box without an icon

namespace name {
constexpr std::string_view form = "面板_参数", output = "面板_输出";
constexpr std::string_view carriers = "分组框1", all_china = "单选框_中国ip", show_list = "按钮_生成";
constexpr std::string_view route_mode = "单选框_route", rule_mode = "单选框_rule", address_mode = "单选框_address";
constexpr std::string_view tabs = "选择夹1";
constexpr std::string_view route_page = "分组框_route", route_note = "标签_route提示", route_dst = "编辑框_1",
                           gateway = "编辑框_2", check_gateway = "组合框_3", type = "组合框_4", distance = "编辑框_5",
                           scope = "编辑框_6", target_scope = "编辑框_7", routing_mark = "编辑框_8",
                           pref_src = "编辑框_9", route_generate = "按钮_生成1";
constexpr std::string_view rule_page = "分组框_rule", rule_note = "标签_rule提示", rule_src = "编辑框_21",
                           rule_dst = "编辑框_22", rule_routing_mark = "编辑框_23", rule_interface = "编辑框_24",
                           rule_action = "组合框_25", rule_table = "编辑框_26", rule_generate = "按钮_生成2";
constexpr std::string_view address_page = "分组框_address", address_note = "标签_address提示", list_name = "编辑框_31",
                           list_address = "编辑框_32", timeout = "编辑框_33", address_generate = "按钮_生成3";
constexpr std::string_view editor = "编辑框_代码", save = "按钮_另存为", copy = "按钮_复制内容";
}  // namespace name

// The radio set of the three output modes.
constexpr std::string_view kModes = "模式";
constexpr const char* kNote = "不想填写的参数留空即可! * 为必填项目";
constexpr const char* kFromList = "路由表里的地址,自动分配";

constexpr const char* kWelcome =
    "欢迎使用路由表生成器！\r\n"
    "\r\n"
    "1. 在“运营商列表”里选择一个运营商，\r\n"
    "   点“IP列表生成”可以查看它的全部地址段。\r\n"
    "2. 选择输出方式 ip-route、ip-route-rule 或\r\n"
    "   ip-firewall-address list，填好对应页面的参数\r\n"
    "   （* 为必填项目），点“带参数生成”。\r\n"
    "3. 用“复制内容”或“内容另存为”取走脚本，\r\n"
    "   粘贴到 RouterOS 终端里执行。\r\n"
    "\r\n"
    "使用中遇到问题或有好的建议，\r\n"
    "欢迎到项目主页提交问题报告。";

// The carrier buttons in the order they are tested; when none of them is checked the list is
// all_china, whose own button therefore needs no entry here.
struct CarrierButton {
    std::string_view name;
    const char* caption;
    IspList list;
};
constexpr std::array<CarrierButton, 8> kCarrierButtons = {{
    {"单选框_电信", "电信", IspList::telecom},
    {"单选框_联通", "联通", IspList::unicom},
    {"单选框_移动", "移动", IspList::mobile},
    {"单选框_网通", "网通", IspList::netcom},
    {"单选框_铁通", "铁通", IspList::tietong},
    {"单选框_长宽", "长宽", IspList::greatwall},
    {"单选框_教育网", "教育网", IspList::cernet},
    {"单选框_qqip", "QQ服务器ip", IspList::qq_servers},
}};

// "name=value " for a filled-in optional parameter, nothing for an empty one.
std::string optional(std::string_view name, std::string_view value) {
    if (value.empty()) return {};
    return std::string(name) + "=" + bare_value(value) + " ";
}

}  // namespace

const PageSpec& route_table_window_spec() {
    static const PageSpec kPage = [] {
        PageSpec page{.caption = std::string(kRouteTableWindow),
                      .window = std::string(kRouteTableWindow),
                      .opener = "按钮_路由表",
                      .width = 960,
                      .height = 640};
        auto& c = page.controls;
        // The form on the left, the window's own editor taking the rest of the width.
        c.push_back(panel(name::form));
        c.push_back(group_box(name::carriers, "运营商列表").in(name::form));
        // Three carriers to a row.
        for (std::size_t i = 0; i < kCarrierButtons.size(); ++i) {
            const CarrierButton& b = kCarrierButtons[i];
            ControlSpec radio = radio_button(b.name, b.caption, b.list == IspList::telecom).in(name::carriers);
            c.push_back(i % 3 == 0 ? std::move(radio) : std::move(radio).beside());
        }
        c.push_back(radio_button(name::all_china, "中国ip", false).in(name::carriers).beside());
        c.push_back(button(name::show_list, "IP列表生成").in(name::form));
        c.push_back(radio_button(name::route_mode, "ip-route", true).in(name::form).radios(kModes));
        c.push_back(radio_button(name::rule_mode, "ip-route-rule", false).in(name::form).radios(kModes).beside());
        c.push_back(
            radio_button(name::address_mode, "ip-firewall-address list", false).in(name::form).radios(kModes).beside());

        // The tab pages "route", "rule" and "address list", each brought forward by its mode.
        c.push_back(
            group_box(name::route_page, "ip-route").in(name::form).on_tab(name::tabs, "route", name::route_mode));
        c.push_back(label(name::route_note, kNote).in(name::route_page));
        c.push_back(edit(name::route_dst, "Dst.Address:", kFromList).in(name::route_page).off());
        c.push_back(
            edit(name::gateway, "Gateway:", "").typed(ValueType::ipv4).in(name::route_page).hinted("* 网关地址"));
        c.push_back(editable_combo(name::check_gateway, "Check Gateway:", {"arp", "ping"}, "").in(name::route_page));
        c.push_back(drop_down(name::type, "Type:", {"blackhole", "prohibit", "unicast", "unreachable"}, 2)
                        .in(name::route_page));
        c.push_back(edit(name::distance, "Distance:", "").in(name::route_page));
        c.push_back(edit(name::scope, "Scope:", std::string(kDefaultScope)).in(name::route_page).hinted("*"));
        c.push_back(edit(name::target_scope, "Target Scope:", "").in(name::route_page));
        c.push_back(edit(name::routing_mark, "Routing Mark:", "").in(name::route_page));
        c.push_back(edit(name::pref_src, "Pref. Source:", "").typed(ValueType::ipv4).in(name::route_page));
        c.push_back(button(name::route_generate, "带参数生成").in(name::route_page));

        c.push_back(
            group_box(name::rule_page, "ip-route-rule").in(name::form).on_tab(name::tabs, "rule", name::rule_mode));
        c.push_back(label(name::rule_note, kNote).in(name::rule_page));
        c.push_back(edit(name::rule_src, "Src.Address:", "").typed(ValueType::address_range).in(name::rule_page));
        c.push_back(edit(name::rule_dst, "Dst.Address:", kFromList).in(name::rule_page).off());
        c.push_back(edit(name::rule_routing_mark, "Routing Mark:", "").in(name::rule_page));
        c.push_back(edit(name::rule_interface, "Interface:", "").typed(ValueType::interface_name).in(name::rule_page));
        c.push_back(
            drop_down(name::rule_action, "Action:", {"drop", "lookup", "lookup only in table", "unreachable"}, 1)
                .in(name::rule_page));
        c.push_back(edit(name::rule_table, "Table:", "").in(name::rule_page).hinted("*"));
        c.push_back(button(name::rule_generate, "带参数生成").in(name::rule_page));

        c.push_back(group_box(name::address_page, "ip-firewall-address list")
                        .in(name::form)
                        .on_tab(name::tabs, "address list", name::address_mode));
        c.push_back(label(name::address_note, kNote).in(name::address_page));
        c.push_back(edit(name::list_name, "Name:", "novpn").in(name::address_page).hinted("*"));
        c.push_back(edit(name::list_address, "Address:", kFromList).in(name::address_page).off());
        c.push_back(edit(name::timeout, "Timeout:", "")
                        .in(name::address_page)
                        .hinted("格式:00:00:00(5.X版本不支持此参数,请勿填写)"));
        c.push_back(button(name::address_generate, "带参数生成").in(name::address_page));

        c.push_back(panel(name::output).beside());
        c.push_back(editor(name::editor, kWelcome).in(name::output));
        c.push_back(button(name::save, "内容另存为").in(name::output).acts_on(name::editor, EditorCommand::save));
        c.push_back(
            button(name::copy, "复制内容").in(name::output).beside().acts_on(name::editor, EditorCommand::copy));
        return page;
    }();
    return kPage;
}

std::string rule_action_keyword(std::string_view caption) {
    std::string keyword(caption);
    for (char& ch : keyword)
        if (ch == ' ') ch = '-';
    return keyword;
}

std::string scope_after_edit(std::string_view text) {
    return std::string(text.empty() ? kDefaultScope : text);
}

Result generate_route_table(const RouteTableFields& f) {
    // Every line is head + network + tail; the parameters are the same for all of them.
    std::string header, head, tail;
    switch (f.mode) {
        case RouteTableMode::route:
            if (f.gateway.empty()) return Result::refuse("请填写网关地址!", name::gateway, kIconInformation);
            header = "/ip route";
            head = "add dst-address=";
            tail = " gateway=" + bare_value(f.gateway) + " " + optional("check-gateway", f.check_gateway) +
                   optional("type", f.type) + optional("distance", f.distance) + "scope=" + bare_value(f.scope) + " " +
                   optional("target-scope", f.target_scope) + optional("routing-mark", f.routing_mark) +
                   optional("pref-src", f.pref_src) + "disabled=no";
            break;
        case RouteTableMode::rule:
            if (f.rule_table.empty()) return Result::refuse("请填写必填参数 : table !", name::rule_table, kNoIcon);
            header = "/ip route rule";
            head = "add " + optional("src-address", f.rule_src_address) + "dst-address=";
            tail = " " + optional("routing-mark", f.rule_routing_mark) + optional("interface", f.rule_interface) +
                   "action=" + bare_value(rule_action_keyword(f.rule_action)) + " table=" + bare_value(f.rule_table) +
                   " disabled=no";
            break;
        case RouteTableMode::address_list:
            if (f.list_name.empty()) return Result::refuse("请填写必填参数 : name !", name::list_name, kNoIcon);
            header = "/ip firewall address-list";
            head = "add address=";
            tail = " " + optional("timeout", f.timeout) + "disabled=no list=" + bare_value(f.list_name);
            break;
    }
    const std::vector<std::string_view> entries = isp_list_entries(f.list);
    std::string text = header;
    const std::size_t size = header.size() + entries.size() * (head.size() + tail.size() + 22);
    if (size > kMaxScriptBytes) return too_long_script(size);
    text.reserve(size);
    for (const std::string_view entry : entries) text.append("\r\n").append(head).append(entry).append(tail);
    return Result::ok(std::move(text));
}

namespace {

IspList chosen_list(const Form& form) {
    for (const CarrierButton& b : kCarrierButtons)
        if (form.checked(b.name)) return b.list;
    return IspList::all_china;
}

RouteTableMode chosen_mode(const Form& form) {
    if (form.checked(name::route_mode)) return RouteTableMode::route;
    if (form.checked(name::rule_mode)) return RouteTableMode::rule;
    return RouteTableMode::address_list;
}

// All three generate buttons do the same: the mode radios decide, not the page the button is on.
Outcome run_generate(const Form& form, Env&) {
    return Outcome::from(generate_route_table({
        .list = chosen_list(form),
        .mode = chosen_mode(form),
        .gateway = form.text(name::gateway),
        .check_gateway = form.text(name::check_gateway),
        .type = form.text(name::type),
        .distance = form.text(name::distance),
        .scope = form.text(name::scope),
        .target_scope = form.text(name::target_scope),
        .routing_mark = form.text(name::routing_mark),
        .pref_src = form.text(name::pref_src),
        .rule_src_address = form.text(name::rule_src),
        .rule_routing_mark = form.text(name::rule_routing_mark),
        .rule_interface = form.text(name::rule_interface),
        .rule_action = form.text(name::rule_action),
        .rule_table = form.text(name::rule_table),
        .list_name = form.text(name::list_name),
        .timeout = form.text(name::timeout),
    }));
}

Outcome run_show_list(const Form& form, Env&) {
    return Outcome::from(Result::ok(std::string(isp_list_text(chosen_list(form)))));
}

// Choosing all of China switches the output to address-list entries (the list is meant for an
// address list that marks domestic traffic); choosing another carrier later leaves the mode alone.
Outcome run_all_china_chosen(const Form&, Env&) {
    Outcome o;
    o.updates = {
        {std::string(name::route_mode), FieldValue{.checked = false}},
        {std::string(name::rule_mode), FieldValue{.checked = false}},
        {std::string(name::address_mode), FieldValue{.checked = true}},
    };
    return o;
}

// An emptied scope box shows the default again once the user leaves it.
Outcome run_scope_left(const Form& form, Env&) {
    Outcome o;
    o.updates = {{std::string(name::scope), FieldValue{.text = scope_after_edit(form.text(name::scope))}}};
    return o;
}

}  // namespace

PageEntry route_table_window() {
    return {&route_table_window_spec(),
            {
                {name::show_list, run_show_list},
                {name::route_generate, run_generate},
                {name::rule_generate, run_generate},
                {name::address_generate, run_generate},
                {name::all_china, run_all_china_chosen, BindingKind::action},
                {name::scope, run_scope_left, BindingKind::action},
            }};
}

}  // namespace vorlix
