#include "generators/queues/PcqDynamic.hpp"

#include <vector>

#include "script/quote.hpp"
#include "script/script_builder.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view dynamic = "分组框_32动态", up_side = "面板_32上传", down_side = "面板_32下载",
                           up_column = "标签_32上传", down_column = "标签_32下载", up1 = "组合框_32up1",
                           down1 = "组合框_32down1", interface1 = "组合框_32网卡接口1", up_on = "组合框_32up开启限速",
                           up_off = "组合框_32up关闭限速", down_on = "组合框_32down开启限速",
                           down_off = "组合框_32down关闭限速", rate_hint = "标签_32速度提示",
                           generate1 = "按钮_32生成1";
constexpr std::string_view whole = "分组框_32整体", up2 = "组合框_32up2", down2 = "组合框_32down2",
                           interface2 = "组合框_32网卡接口2", generate2 = "按钮_32生成2";
}  // namespace
}  // namespace name

namespace {

constexpr const char* kAbove = "当网卡接收的流量高于:";
constexpr const char* kInterfaceHint = "(如无特殊原因请填写您的ROS外网网卡名称)";

std::vector<std::string> rate_items() {
    return {"64k", "128k", "256k", "384k", "512k", "768k", "1M", "2M", "3M", "4M", "5M", "10M"};
}

std::vector<std::string> threshold_items() {
    return {"4M", "8M", "10M", "20M", "40M", "80M", "100M", "200M"};
}

std::vector<std::string> interface_items() {
    std::vector<std::string> items;
    for (int i = 1; i <= 12; ++i) items.push_back("ether" + std::to_string(i));
    return items;
}

std::string type_line(std::string_view type, const std::string& rate, std::string_view classifier) {
    return "/queue type add name=" + quote_text(type) + " kind=pcq pcq-rate=" + bare_value(rate) +
           " pcq-limit=50 pcq-classifier=" + std::string(classifier) + " pcq-total-limit=2000";
}

constexpr const char* kMarkAll =
    "/ip firewall mangle add chain=prerouting action=mark-packet new-packet-mark=all-mark passthrough=yes";

std::string tree_line(std::string_view tree, const std::string& interface, std::string_view type) {
    return "/queue tree add name=" + quote_text(tree) + " parent=" + bare_value(interface) +
           " queue=" + std::string(type) + " packet-mark=all-mark";
}

std::string monitor_line(std::string_view monitor, const std::string& interface, std::string_view traffic,
                         std::string_view trigger, const std::string& threshold, std::string_view script) {
    return "/tool traffic-monitor add name=" + quote_text(monitor) + " interface=" + bare_value(interface) +
           " traffic=" + std::string(traffic) + " trigger=" + std::string(trigger) +
           " threshold=" + bare_value(threshold) + " on-event=" + std::string(script) + " disabled=no";
}

// A router script that switches a queue tree on (or off) unless it already is.
std::string switch_script_line(std::string_view script, std::string_view tree, bool on) {
    const std::string t(tree);
    const std::string source = ":if ([/queue tree get [/queue tree find name=\"" + t +
                               "\"] disabled]=" + (on ? "true" : "false") + ") do={/queue tree " +
                               (on ? "enable " : "disable ") + t + "}";
    // The source is a script inside a quoted value: its quotes are escaped once more.
    return "/system script add name=" + quote_text(script) + " source=" + quote_value(source) +
           " policy=ftp,password,read,reboot,sniff,telnet,web,write,local,policy,ssh,test,winbox";
}

}  // namespace

const PageSpec& pcq_dynamic_page_spec() {
    static const PageSpec kPage{
        .caption = "PCQ智能动态限速",
        .controls = {
            group_box(name::dynamic, "PCQ-动态限速"),
            editable_combo(name::interface1, "填写限速的网卡名称:", interface_items(), "ether1")
                .typed(ValueType::interface_name)
                .in(name::dynamic)
                .hinted(kInterfaceHint),
            // Upload and download side by side, each column under its caption.
            panel(name::up_side).in(name::dynamic),
            label(name::up_column, "Upload - 上传").in(name::up_side),
            editable_combo(name::up1, "每台机上传速度:", rate_items(), "1M").typed(ValueType::rate).in(name::up_side),
            editable_combo(name::up_on, kAbove, threshold_items(), "2M")
                .typed(ValueType::rate)
                .in(name::up_side)
                .hinted("时开启上传限速"),
            editable_combo(name::up_off, kAbove, threshold_items(), "4M")
                .typed(ValueType::rate)
                .in(name::up_side)
                .hinted("时开启上传限速"),
            panel(name::down_side).in(name::dynamic).beside(),
            label(name::down_column, "Download - 下载").in(name::down_side),
            editable_combo(name::down1, "下载速度:", rate_items(), "1M").typed(ValueType::rate).in(name::down_side),
            editable_combo(name::down_on, kAbove, threshold_items(), "4M")
                .typed(ValueType::rate)
                .in(name::down_side)
                .hinted("时开启下载限速"),
            editable_combo(name::down_off, kAbove, threshold_items(), "8M")
                .typed(ValueType::rate)
                .in(name::down_side)
                .hinted("时开启下载限速"),
            // Under the columns: beside a field it would wrap and push its column out of line.
            label(name::rate_hint, "(请根据客户机数量及带宽大小自行修改)").in(name::dynamic),
            button(name::generate1, "5.X/6.X系列脚本生成").in(name::dynamic),

            group_box(name::whole, "PCQ整体限速脚本生成"),
            editable_combo(name::up2, "每台机上传速度:", rate_items(), "1M").typed(ValueType::rate).in(name::whole),
            editable_combo(name::down2, "下载速度:", rate_items(), "1M")
                .typed(ValueType::rate)
                .in(name::whole)
                .beside(),
            editable_combo(name::interface2, "填写限速的网卡名称:", interface_items(), "ether1")
                .typed(ValueType::interface_name)
                .in(name::whole)
                .hinted(kInterfaceHint),
            button(name::generate2, "5.X/6.X系列脚本生成").in(name::whole),
        }};
    return kPage;
}

Result generate_pcq_static(const PcqFields& f) {
    ScriptBuilder b;
    b.line(type_line("PCQ-up", f.per_host.up, "src-address"));
    b.line(type_line("PCQ-down", f.per_host.down, "dst-address"));
    b.line(kMarkAll);
    b.line(tree_line("PCQup", f.interface, "PCQ-up"));
    b.line(tree_line("PCQdown", f.interface, "PCQ-down"));
    return Result::ok(b.str());
}

Result generate_pcq_dynamic(const PcqDynamicFields& f) {
    const std::string& interface = f.pcq.interface;
    ScriptBuilder b;
    b.line(type_line("PCQ-up", f.pcq.per_host.up, "src-address"));
    b.line(type_line("PCQ-down", f.pcq.per_host.down, "dst-address"));
    b.line(kMarkAll);
    b.line(tree_line("PCQdown", interface, "PCQ-down"));
    b.line(tree_line("PCQup", interface, "PCQ-up"));
    b.line(monitor_line("PCQupon", interface, "transmitted", "above", f.on.up, "upon"));
    b.line(monitor_line("PCQupoff", interface, "transmitted", "below", f.off.up, "upoff"));
    b.line(monitor_line("PCQdownon", interface, "received", "above", f.on.down, "downon"));
    b.line(monitor_line("PCQdownoff", interface, "received", "below", f.off.down, "downoff"));
    b.line(switch_script_line("upon", "PCQup", true));
    b.line(switch_script_line("upoff", "PCQup", false));
    b.line(switch_script_line("downon", "PCQdown", true));
    b.line(switch_script_line("downoff", "PCQdown", false));
    return Result::ok(b.str());
}

namespace {

Outcome run_pcq_dynamic(const Form& form, Env&) {
    return Outcome::from(generate_pcq_dynamic({
        .pcq = {.per_host = {form.text(name::up1), form.text(name::down1)}, .interface = form.text(name::interface1)},
        .on = {form.text(name::up_on), form.text(name::down_on)},
        .off = {form.text(name::up_off), form.text(name::down_off)},
    }));
}

Outcome run_pcq_static(const Form& form, Env&) {
    return Outcome::from(generate_pcq_static(
        {.per_host = {form.text(name::up2), form.text(name::down2)}, .interface = form.text(name::interface2)}));
}

}  // namespace

PageEntry pcq_dynamic_page() {
    return {&pcq_dynamic_page_spec(), {{name::generate1, run_pcq_dynamic}, {name::generate2, run_pcq_static}}};
}

}  // namespace vorlix
