#include "windows/core/RouteTable.hpp"

#include <array>

#include "script/quote.hpp"

namespace vorlix {
namespace {

constexpr int kNoIcon = 0;  // a message box without an icon

constexpr const char* kCarriers = "分组框1";
constexpr const char* kRoutePage = "分组框_route";
constexpr const char* kRulePage = "分组框_rule";
constexpr const char* kAddressPage = "分组框_address";
constexpr const char* kModes = "模式";
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
    const char* name;
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
constexpr const char* kAllChinaButton = "单选框_中国ip";

// "name=value " for a filled-in optional parameter, nothing for an empty one.
std::string optional(std::string_view name, std::string_view value) {
    if (value.empty()) return {};
    return std::string(name) + "=" + bare_value(value) + " ";
}

}  // namespace

const PageSpec& route_table_window_spec() {
    static const PageSpec kPage = [] {
        PageSpec page{.caption = std::string(kRouteTableWindow), .window = std::string(kRouteTableWindow)};
        auto& c = page.controls;
        c.push_back(group_box(kCarriers, "运营商列表"));
        // Three carriers to a row.
        for (std::size_t i = 0; i < kCarrierButtons.size(); ++i) {
            const CarrierButton& b = kCarrierButtons[i];
            ControlSpec radio = radio_button(b.name, b.caption, b.list == IspList::telecom).in(kCarriers);
            c.push_back(i % 3 == 0 ? std::move(radio) : std::move(radio).beside());
        }
        c.push_back(radio_button(kAllChinaButton, "中国ip", false).in(kCarriers).beside());
        c.push_back(button("按钮_生成", "IP列表生成"));
        c.push_back(radio_button("单选框_route", "ip-route", true).radios(kModes));
        c.push_back(radio_button("单选框_rule", "ip-route-rule", false).radios(kModes).beside());
        c.push_back(radio_button("单选框_address", "ip-firewall-address list", false).radios(kModes).beside());

        // The tab pages "route", "rule" and "address list".
        c.push_back(group_box(kRoutePage, "ip-route"));
        c.push_back(label("标签_route提示", kNote).in(kRoutePage));
        c.push_back(edit("编辑框_1", "Dst.Address:", kFromList).in(kRoutePage).off());
        c.push_back(edit("编辑框_2", "Gateway:", "").in(kRoutePage).hinted("* 网关地址"));
        c.push_back(editable_combo("组合框_3", "Check Gateway:", {"arp", "ping"}, "").in(kRoutePage));
        c.push_back(
            drop_down("组合框_4", "Type:", {"blackhole", "prohibit", "unicast", "unreachable"}, 2).in(kRoutePage));
        c.push_back(edit("编辑框_5", "Distance:", "").in(kRoutePage));
        c.push_back(edit("编辑框_6", "Scope:", std::string(kDefaultScope)).in(kRoutePage).hinted("*"));
        c.push_back(edit("编辑框_7", "Target Scope:", "").in(kRoutePage));
        c.push_back(edit("编辑框_8", "Routing Mark:", "").in(kRoutePage));
        c.push_back(edit("编辑框_9", "Pref. Source:", "").in(kRoutePage));
        c.push_back(button("按钮_生成1", "带参数生成").in(kRoutePage));

        c.push_back(group_box(kRulePage, "ip-route-rule"));
        c.push_back(label("标签_rule提示", kNote).in(kRulePage));
        c.push_back(edit("编辑框_21", "Src.Address:", "").in(kRulePage));
        c.push_back(edit("编辑框_22", "Dst.Address:", kFromList).in(kRulePage).off());
        c.push_back(edit("编辑框_23", "Routing Mark:", "").in(kRulePage));
        c.push_back(edit("编辑框_24", "Interface:", "").in(kRulePage));
        c.push_back(drop_down("组合框_25", "Action:", {"drop", "lookup", "lookup only in table", "unreachable"}, 1)
                        .in(kRulePage));
        c.push_back(edit("编辑框_26", "Table:", "").in(kRulePage).hinted("*"));
        c.push_back(button("按钮_生成2", "带参数生成").in(kRulePage));

        c.push_back(group_box(kAddressPage, "ip-firewall-address list"));
        c.push_back(label("标签_address提示", kNote).in(kAddressPage));
        c.push_back(edit("编辑框_31", "Name:", "novpn").in(kAddressPage).hinted("*"));
        c.push_back(edit("编辑框_32", "Address:", kFromList).in(kAddressPage).off());
        c.push_back(
            edit("编辑框_33", "Timeout:", "").in(kAddressPage).hinted("格式:00:00:00(5.X版本不支持此参数,请勿填写)"));
        c.push_back(button("按钮_生成3", "带参数生成").in(kAddressPage));

        c.push_back(multi_line_edit("编辑框_代码", kWelcome));
        c.push_back(button("按钮_另存为", "内容另存为"));
        c.push_back(button("按钮_复制内容", "复制内容").beside());
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
            if (f.gateway.empty()) return Result::refuse("请填写网关地址!", "编辑框_2", kIconInformation);
            header = "/ip route";
            head = "add dst-address=";
            tail = " gateway=" + bare_value(f.gateway) + " " + optional("check-gateway", f.check_gateway) +
                   optional("type", f.type) + optional("distance", f.distance) + "scope=" + bare_value(f.scope) + " " +
                   optional("target-scope", f.target_scope) + optional("routing-mark", f.routing_mark) +
                   optional("pref-src", f.pref_src) + "disabled=no";
            break;
        case RouteTableMode::rule:
            if (f.rule_table.empty()) return Result::refuse("请填写必填参数 : table !", "编辑框_26", kNoIcon);
            header = "/ip route rule";
            head = "add " + optional("src-address", f.rule_src_address) + "dst-address=";
            tail = " " + optional("routing-mark", f.rule_routing_mark) + optional("interface", f.rule_interface) +
                   "action=" + bare_value(rule_action_keyword(f.rule_action)) + " table=" + bare_value(f.rule_table) +
                   " disabled=no";
            break;
        case RouteTableMode::address_list:
            if (f.list_name.empty()) return Result::refuse("请填写必填参数 : name !", "编辑框_31", kNoIcon);
            header = "/ip firewall address-list";
            head = "add address=";
            tail = " " + optional("timeout", f.timeout) + "disabled=no list=" + bare_value(f.list_name);
            break;
    }
    const std::vector<std::string_view> entries = isp_list_entries(f.list);
    std::string text = header;
    text.reserve(header.size() + entries.size() * (head.size() + tail.size() + 22));
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
    if (form.checked("单选框_route")) return RouteTableMode::route;
    if (form.checked("单选框_rule")) return RouteTableMode::rule;
    return RouteTableMode::address_list;
}

// All three generate buttons do the same: the mode radios decide, not the page the button is on.
Outcome run_generate(const Form& form, Env&) {
    return Outcome::from(generate_route_table({
        .list = chosen_list(form),
        .mode = chosen_mode(form),
        .gateway = form.text("编辑框_2"),
        .check_gateway = form.text("组合框_3"),
        .type = form.text("组合框_4"),
        .distance = form.text("编辑框_5"),
        .scope = form.text("编辑框_6"),
        .target_scope = form.text("编辑框_7"),
        .routing_mark = form.text("编辑框_8"),
        .pref_src = form.text("编辑框_9"),
        .rule_src_address = form.text("编辑框_21"),
        .rule_routing_mark = form.text("编辑框_23"),
        .rule_interface = form.text("编辑框_24"),
        .rule_action = form.text("组合框_25"),
        .rule_table = form.text("编辑框_26"),
        .list_name = form.text("编辑框_31"),
        .timeout = form.text("编辑框_33"),
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
        {"单选框_route", FieldValue{.checked = false}},
        {"单选框_rule", FieldValue{.checked = false}},
        {"单选框_address", FieldValue{.checked = true}},
    };
    return o;
}

}  // namespace

PageEntry route_table_window() {
    return {&route_table_window_spec(),
            {
                {"按钮_生成", run_show_list},
                {"按钮_生成1", run_generate},
                {"按钮_生成2", run_generate},
                {"按钮_生成3", run_generate},
                {kAllChinaButton, run_all_china_chosen, BindingKind::action},
            }};
}

}  // namespace vorlix
