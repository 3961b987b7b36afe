#include "generators/wan/SplitRouting.hpp"

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
    b.line("/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=" +
           bare_value(f.mss));
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
        const std::string mark = num(i), comment = quote_text(num(i)), gateway = bare_value(cell_of(row, 1));
        if (i > 1) b.blank();
        b.line("/ip address add address=" + bare_value(cell_of(row, 0)) + " interface=" + bare_value(cell_of(row, 2)) +
               " comment=" + comment);
        b.line("/ip firewall mangle add chain=prerouting src-address=" + bare_value(cell_of(row, 3)) +
               " action=mark-routing new-routing-mark=" + mark + " comment=" + comment);
        b.line("/ip route add gateway=" + gateway + " routing-mark=" + mark + " comment=" + comment);
        b.line("/ip route add dst-address=0.0.0.0/0 gateway=" + gateway + " distance=" + num(i) +
               " check-gateway=ping comment=" + comment);
    }
    return Result::ok(b.str());
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

const LineListSpec& fixed_split_list() {
    static const LineListSpec kList{
        .list = "超级列表框_14",
        .inputs = {"编辑框_14配置IP", "编辑框_14配置IP掩码", "编辑框_14配置网关", "组合框_14配置网卡",
                   "编辑框_14配置IP段"},
        .address_cell = true,
        .keys = {{0, "IP地址: "}, {2, "外网网卡: "}},
        .add_button = "按钮_14添加账号",
        .modify_button = "按钮_14修改账号",
        .delete_button = "按钮_14删除账号",
    };
    return kList;
}

const LineListSpec& pppoe_split_list() {
    static const LineListSpec kList{
        .list = "超级列表框_16",
        .inputs = {"编辑框_16配置账号", "编辑框_16配置密码", "组合框_16配置网卡", "编辑框_16配置IP段"},
        .keys = {{0, "宽带账号: "}, {2, "外网网卡: "}},
        .add_button = "按钮_16添加账号",
        .modify_button = "按钮_16修改账号",
        .delete_button = "按钮_16删除账号",
    };
    return kList;
}

namespace {

// The page-wide controls of both pages; `p` is the page code ("14" or "16").
void add_settings(std::vector<ControlSpec>& out, const std::string& p, const std::string& caption) {
    const std::string g = "分组框_" + p + "设置";
    out.push_back(group_box(g, caption));
    out.push_back(editable_combo("组合框_" + p + "内网卡", "内网网卡:", ether_items(12), "ether1").in(g));
    out.push_back(edit("编辑框_" + p + "内网网关", "内网网关:", "192.168.0.254").in(g));
    out.push_back(
        edit("编辑框_" + p + "内网网关掩码", "/", "24").in(g).beside().hinted("(这里设置您将要作为内网网关的IP)"));
    out.push_back(edit("编辑框_" + p + "内网网段", "内网网段:", "192.168.0.0").in(g));
    out.push_back(edit("编辑框_" + p + "内网网段掩码", "/", "24").in(g).beside().hinted("(设置局域网内网网段)"));
    out.push_back(edit("编辑框_" + p + "首选DNS", "首选 DNS:", "218.85.152.99").in(g));
    out.push_back(edit("编辑框_" + p + "备用DNS", "备用 DNS:", "218.85.157.99").in(g));
    out.push_back(edit("编辑框_" + p + "MSS值", "TCP MSS值:", "1440").in(g));
    out.push_back(button("按钮_" + p + "生成", "5.X/6.X系列脚本生成").in(g));
}

void add_list_buttons(std::vector<ControlSpec>& out, const std::string& p, const std::string& g) {
    out.push_back(button("按钮_" + p + "添加账号", "添加账号").in(g));
    out.push_back(button("按钮_" + p + "修改账号", "修改账号").in(g).beside());
    out.push_back(button("按钮_" + p + "删除账号", "删除账号").in(g).beside());
}

}  // namespace

const PageSpec& fixed_split_page_spec() {
    static const PageSpec kPage = [] {
        PageSpec page{.caption = "多线固定IP分流", .outer = 1, .inner = 4};
        auto& c = page.controls;
        add_settings(c, "14", "多线固定IP分流均衡安装设置脚本");
        const std::string g = "分组框_14列表";
        c.push_back(group_box(g, "当前配置列表"));
        c.push_back(edit("编辑框_14配置IP", "IP地址:", "218.85.167.150").in(g));
        c.push_back(edit("编辑框_14配置IP掩码", "/", "24").in(g).beside());
        c.push_back(edit("编辑框_14配置网关", "网关地址:", "218.85.150.1").in(g));
        c.push_back(editable_combo("组合框_14配置网卡", "外网网卡:", ether_items(12), "ether2").in(g));
        c.push_back(edit("编辑框_14配置IP段", "分流IP段:", "192.168.0.1-192.168.0.100").in(g));
        add_list_buttons(c, "14", g);
        c.push_back(
            line_list("超级列表框_14", {{"IP地址", 120}, {"网关地址", 110}, {"外网网卡", 60}, {"分流IP段", 200}})
                .in(g));
        return page;
    }();
    return kPage;
}

const PageSpec& pppoe_split_page_spec() {
    static const PageSpec kPage = [] {
        PageSpec page{.caption = "多线PPPoE分流", .outer = 1, .inner = 6};
        auto& c = page.controls;
        add_settings(c, "16", "多线PPPoE分流安装设置脚本");
        const std::string g = "分组框_16列表";
        c.push_back(group_box(g, "当前配置列表"));
        c.push_back(edit("编辑框_16配置账号", "宽带账号:", "adsl0001").in(g));
        c.push_back(edit("编辑框_16配置密码", "宽带密码:", "123456").in(g));
        c.push_back(editable_combo("组合框_16配置网卡", "外网网卡:", ether_items(12), "ether2").in(g));
        c.push_back(edit("编辑框_16配置IP段", "分流IP段:", "192.168.0.1-192.168.0.100").in(g));
        add_list_buttons(c, "16", g);
        c.push_back(
            line_list("超级列表框_16", {{"宽带账号", 120}, {"宽带密码", 110}, {"外网网卡", 60}, {"分流IP段", 200}})
                .in(g));
        return page;
    }();
    return kPage;
}

namespace {

SplitRoutingFields split_fields(const Form& form, const std::string& p) {
    return {
        .lan = form.text("组合框_" + p + "内网卡"),
        .lan_address = form.text("编辑框_" + p + "内网网关"),
        .lan_prefix = form.text("编辑框_" + p + "内网网关掩码"),
        .network = form.text("编辑框_" + p + "内网网段"),
        .network_prefix = form.text("编辑框_" + p + "内网网段掩码"),
        .dns1 = form.text("编辑框_" + p + "首选DNS"),
        .dns2 = form.text("编辑框_" + p + "备用DNS"),
        .mss = form.text("编辑框_" + p + "MSS值"),
        .lines = form.rows("超级列表框_" + p),
    };
}

}  // namespace

SplitRoutingFields fixed_split_fields(const Form& form) {
    return split_fields(form, "14");
}
SplitRoutingFields pppoe_split_fields(const Form& form) {
    return split_fields(form, "16");
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
    PageEntry page{&fixed_split_page_spec(), {{"按钮_14生成", run_fixed_split}}};
    for (ButtonBinding& b : line_list_bindings<fixed_split_list>()) page.bindings.push_back(std::move(b));
    return page;
}

PageEntry pppoe_split_page() {
    PageEntry page{&pppoe_split_page_spec(), {{"按钮_16生成", run_pppoe_split}}};
    for (ButtonBinding& b : line_list_bindings<pppoe_split_list>()) page.bindings.push_back(std::move(b));
    return page;
}

}  // namespace vorlix
