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
           bare_value(lan) + " new-connection-mark=" + mark + " disabled=no passthrough=yes nth=" + num(n) + "," +
           num(i) + " comment=NTH_" + num(n) + "_" + num(i);
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
    if (how == Balancing::pcc && keyword.empty()) return Result::refuse("请选择PCC叠加类型!", "组合框_13pcc叠加类型");
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
            b.line("add chain=prerouting dst-address-type=!local in-interface=" + lan + " per-connection-classifier=" +
                   pcc_suffix(keyword, n, i) + " action=mark-connection new-connection-mark=" + conn +
                   " passthrough=yes comment=" + quote_text("pcc_" + num(i)));
        else
            b.line(nth_rule(f.lan, conn, n, i));
        b.line("add chain=prerouting connection-mark=" + conn + " in-interface=" + lan +
               " action=mark-routing new-routing-mark=" + route);
        b.line("add chain=input in-interface=" + bare_value(cell_of(row, 2)) +
               " action=mark-connection new-connection-mark=" + conn);
        b.line("add chain=output connection-mark=" + conn + " action=mark-routing new-routing-mark=" + route);
        b.blank();
    }

    b.line("/ip route");
    for (std::size_t i = 1; i <= n; ++i) {
        const WanLine& row = f.lines[i - 1];
        b.line("add disabled=no distance=1 dst-address=0.0.0.0/0 gateway=" + bare_value(cell_of(row, 1)) +
               " check-gateway=ping routing-mark=ip_route_" + num(i));
        b.line("add dst-address=0.0.0.0/0 gateway=" + bare_value(cell_of(row, 2)) +
               " check-gateway=ping disabled=no distance=" + num(i));
        b.blank();
    }

    b.line("/ip firewall nat");
    for (std::size_t i = 1; i <= n; ++i) {
        if (i > 1) b.blank();
        b.line("add action=masquerade chain=srcnat comment=" + num(i) +
               " out-interface=" + bare_value(cell_of(f.lines[i - 1], 2)));
    }
    return Result::ok(b.str());
}

Result generate_pppoe_load(const LoadBalanceFields& f, Balancing how) {
    const std::size_t n = f.lines.size();
    if (n < 2) return refuse_with_empty_caption("至少需要2条以上的宽带线路,才能启用PCC负载功能!");
    const std::string_view keyword = pcc_classifier_keyword(f.classifier);
    if (how == Balancing::pcc && keyword.empty()) return Result::refuse("请选择PCC叠加类型!", "组合框_15pcc叠加类型");
    const std::string lan = bare_value(f.lan);

    ScriptBuilder b;
    b.line(lan_address_line(f.lan_address, f.lan_prefix, f.lan));
    b.line(dns_line(f.dns1, f.dns2)).blank();
    b.line("/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=" +
           bare_value(f.mss))
        .blank();
    for (std::size_t i = 1; i <= n; ++i) b.line(pppoe_client_line(i, f.lines[i - 1]));

    b.line("/ip firewall mangle");
    for (std::size_t i = 1; i <= n; ++i) {
        const std::string out = "pppoe-out" + num(i), conn = out + "_conn", route = "to_" + out;
        if (how == Balancing::pcc)
            b.line("add chain=prerouting action=mark-connection dst-address-type=!local in-interface=" + lan +
                   " per-connection-classifier=" + pcc_suffix(keyword, n, i) + " new-connection-mark=" + conn +
                   " passthrough=yes comment=" + quote_text("pcc_" + num(i)));
        else
            b.line(nth_rule(f.lan, conn, n, i));
        b.line("add chain=prerouting action=mark-routing connection-mark=" + conn + " in-interface=" + lan +
               " new-routing-mark=" + route);
        b.line("add action=mark-connection chain=input in-interface=" + out + " new-connection-mark=" + conn);
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

const LineListSpec& fixed_load_list() {
    static const LineListSpec kList{
        .list = "超级列表框_13",
        .inputs = {"编辑框_13配置IP", "编辑框_13配置IP掩码", "编辑框_13配置网关", "组合框_13配置网卡"},
        .address_cell = true,
        .keys = {{0, "IP地址: "}, {2, "外网网卡: "}},
        .add_button = "按钮_13添加账号",
        .modify_button = "按钮_13修改账号",
        .delete_button = "按钮_13删除账号",
    };
    return kList;
}

const LineListSpec& pppoe_load_list() {
    static const LineListSpec kList{
        .list = "超级列表框_15",
        .inputs = {"编辑框_15配置账号", "编辑框_15配置密码", "组合框_15配置网卡"},
        .keys = {{0, "宽带账号: "}, {2, "外网网卡: "}},
        .add_button = "按钮_15添加账号",
        .modify_button = "按钮_15修改账号",
        .delete_button = "按钮_15删除账号",
    };
    return kList;
}

const PageSpec& fixed_load_page_spec() {
    static const PageSpec kPage{
        .caption = "多线固定IP负载",
        .outer = 1,
        .inner = 3,
        .controls = {
            group_box("分组框_13设置", "多线固定IP负载安装设置脚本"),
            editable_combo("组合框_13内网卡", "内网网卡:", ether_items(8), "ether1").in("分组框_13设置"),
            edit("编辑框_13内网网关", "内网网关:", "192.168.0.254").in("分组框_13设置"),
            edit("编辑框_13内网网关掩码", "/", "24").in("分组框_13设置").beside().hinted(kLanHint),
            edit("编辑框_13首选DNS", "首选 DNS:", "218.85.152.99").in("分组框_13设置"),
            edit("编辑框_13备用DNS", "备用 DNS:", "218.85.157.99").in("分组框_13设置"),
            edit("编辑框_13MSS值", "TCP MSS值:", "1440").in("分组框_13设置"),
            drop_down("组合框_13pcc叠加类型", "PCC叠加类型:", pcc_classifier_items(), 0).in("分组框_13设置"),
            button("按钮_13PCC生成", "5.X/6.X系列 PCC 叠加脚本").in("分组框_13设置"),
            button("按钮_13NTH生成", "5.X/6.X系列 NTH 叠加脚本").in("分组框_13设置").beside(),
            group_box("分组框_13列表", "当前配置列表"),
            edit("编辑框_13配置IP", "IP  地址:", "218.85.167.150").in("分组框_13列表"),
            edit("编辑框_13配置IP掩码", "/", "24").in("分组框_13列表").beside(),
            edit("编辑框_13配置网关", "网关地址:", "218.85.150.1").in("分组框_13列表"),
            editable_combo("组合框_13配置网卡", "外网网卡:", ether_items(8), "ether2").in("分组框_13列表"),
            button("按钮_13添加账号", "添加账号").in("分组框_13列表"),
            button("按钮_13修改账号", "修改账号").in("分组框_13列表").beside(),
            button("按钮_13删除账号", "删除账号").in("分组框_13列表").beside(),
            line_list("超级列表框_13", {{"IP地址", 140}, {"网关地址", 140}, {"外网网卡", 140}}).in("分组框_13列表"),
            group_box("分组框_13注意", "注意事项"),
            label("标签_13注意", kNotice).in("分组框_13注意"),
        }};
    return kPage;
}

const PageSpec& pppoe_load_page_spec() {
    static const PageSpec kPage{
        .caption = "多线PPPoE负载",
        .outer = 1,
        .inner = 5,
        .controls = {
            group_box("分组框_15设置", "多线PPPoE负载均衡安装设置脚本"),
            editable_combo("组合框_15内网卡", "内网网卡:", ether_items(12), "ether1").in("分组框_15设置"),
            edit("编辑框_15内网网段", "内网网段:", "192.168.0.254").in("分组框_15设置"),
            edit("编辑框_15内网网段掩码", "/", "24").in("分组框_15设置").beside().hinted(kLanHint),
            edit("编辑框_15首选DNS", "首选 DNS:", "218.85.152.99").in("分组框_15设置"),
            edit("编辑框_15备用DNS", "备用 DNS:", "218.85.157.99").in("分组框_15设置"),
            edit("编辑框_15MSS值", "TCP MSS值:", "1440").in("分组框_15设置"),
            drop_down("组合框_15pcc叠加类型", "PCC叠加类型:", pcc_classifier_items(), 0).in("分组框_15设置"),
            button("按钮15PCC生成", "5.X/6.X系列 PCC 叠加脚本").in("分组框_15设置"),
            button("按钮_15NTH生成", "5.X/6.X系列 NTH 叠加脚本").in("分组框_15设置").beside(),
            group_box("分组框_15列表", "当前配置列表"),
            edit("编辑框_15配置账号", "宽带账号:", "adsl0001").in("分组框_15列表"),
            edit("编辑框_15配置密码", "宽带密码:", "123456").in("分组框_15列表"),
            editable_combo("组合框_15配置网卡", "外网网卡:", ether_items(12), "ether2").in("分组框_15列表"),
            button("按钮_15添加账号", "添加账号").in("分组框_15列表"),
            button("按钮_15修改账号", "修改账号").in("分组框_15列表").beside(),
            button("按钮_15删除账号", "删除账号").in("分组框_15列表").beside(),
            line_list("超级列表框_15", {{"宽带账号", 180}, {"宽带密码", 180}, {"外网网卡", 100}}).in("分组框_15列表"),
            group_box("分组框_15注意", "注意事项"),
            label("标签_15注意", kNotice).in("分组框_15注意"),
        }};
    return kPage;
}

// The fixed-address page reads no MSS: its script has no change-mss rule.
LoadBalanceFields fixed_load_fields(const Form& form) {
    return {
        .lan = form.text("组合框_13内网卡"),
        .lan_address = form.text("编辑框_13内网网关"),
        .lan_prefix = form.text("编辑框_13内网网关掩码"),
        .dns1 = form.text("编辑框_13首选DNS"),
        .dns2 = form.text("编辑框_13备用DNS"),
        .classifier = form.index("组合框_13pcc叠加类型"),
        .lines = form.rows("超级列表框_13"),
    };
}

LoadBalanceFields pppoe_load_fields(const Form& form) {
    return {
        .lan = form.text("组合框_15内网卡"),
        .lan_address = form.text("编辑框_15内网网段"),
        .lan_prefix = form.text("编辑框_15内网网段掩码"),
        .dns1 = form.text("编辑框_15首选DNS"),
        .dns2 = form.text("编辑框_15备用DNS"),
        .mss = form.text("编辑框_15MSS值"),
        .classifier = form.index("组合框_15pcc叠加类型"),
        .lines = form.rows("超级列表框_15"),
    };
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
    PageEntry page{&fixed_load_page_spec(), {{"按钮_13PCC生成", run_fixed_pcc}, {"按钮_13NTH生成", run_fixed_nth}}};
    for (ButtonBinding& b : line_list_bindings<fixed_load_list>()) page.bindings.push_back(std::move(b));
    return page;
}

PageEntry pppoe_load_page() {
    PageEntry page{&pppoe_load_page_spec(), {{"按钮15PCC生成", run_pppoe_pcc}, {"按钮_15NTH生成", run_pppoe_nth}}};
    for (ButtonBinding& b : line_list_bindings<pppoe_load_list>()) page.bindings.push_back(std::move(b));
    return page;
}

}  // namespace vorlix
