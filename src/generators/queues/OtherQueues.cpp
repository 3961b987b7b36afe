#include "generators/queues/OtherQueues.hpp"

#include <charconv>
#include <vector>

#include "script/quote.hpp"
#include "script/script_builder.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view group = "分组框_整体限速", interface = "编辑框162", ip_prefix = "编辑框187",
                           name_prefix = "编辑框186", first = "编辑框185", last = "编辑框184", by_host = "单选框5",
                           by_type = "单选框4", tabs = "选择夹31", generate = "按钮63";
// The page "Simple Queue".
constexpr std::string_view host_page = "分组框_SimpleQueue", up_rates = "面板_目标上传", down_rates = "面板_目标下载",
                           up_burst = "面板_爆发上传", down_burst = "面板_爆发下载", up_column = "标签_目标上传",
                           down_column = "标签_目标下载", up_max_limit = "组合框14", down_max_limit = "组合框15",
                           up_limit_at = "组合框16", down_limit_at = "组合框17", burst_on = "选择框33",
                           burst_box = "分组框_爆发", up_burst_limit = "组合框18", down_burst_limit = "组合框19",
                           up_burst_threshold = "组合框20", down_burst_threshold = "组合框21",
                           up_burst_time = "编辑框139", down_burst_time = "编辑框143", priority = "编辑框144";
// The page "Queue Type".
constexpr std::string_view type_page = "分组框_QueueType", type_up_side = "面板_Type上传",
                           type_down_side = "面板_Type下载", type_up_column = "标签_Type上传",
                           type_down_column = "标签_Type下载", up_name = "编辑框_上传Type名",
                           down_name = "编辑框_下载Type名", kind = "编辑框157", up_rate = "编辑框_上传Rate",
                           down_rate = "编辑框_下载Rate", up_limit = "编辑框_上传Limit",
                           down_limit = "编辑框_下载Limit", up_total = "编辑框_上传TotalLimit",
                           down_total = "编辑框_下载TotalLimit", rate_note = "标签_Rate说明",
                           limit_note = "标签_Limit说明", total_note = "标签_TotalLimit说明",
                           type_note = "标签_两个Type";
}  // namespace
}  // namespace name

namespace {

constexpr std::string_view kUnlimited = "unlimited";

std::vector<std::string> rate_items() {
    return {
        std::string(kUnlimited), "64k", "128k", "256k", "384k", "512k", "768k", "1M", "2M", "3M", "4M", "5M", "10M"};
}

// RouterOS writes "no limit" as 0.
std::string rate_of(const std::string& text) {
    return text == kUnlimited ? "0" : text;
}

RatePair rates_of(const Form& form, std::string_view up, std::string_view down) {
    return {rate_of(form.text(up)), rate_of(form.text(down))};
}

// A whole number as RouterOS takes one for these settings (0 to 2^32-1), or nothing.
std::optional<unsigned long long> whole_number(std::string_view text) {
    unsigned long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value > 4294967295ULL) return std::nullopt;
    return value;
}

Result generate_host_queues(const OtherQueueFields& f) {
    if (f.hosts.burst) {
        const std::optional<unsigned long long> priority = whole_number(f.hosts.burst->priority);
        if (!priority || *priority < 1 || *priority > 8)
            return Result::refuse("优先级请填写1至8之间的数字!", name::priority, kIconWarning);
    }
    return host_queue_loop(f.hosts, {});
}

struct TypeBoxes {
    std::string_view name, rate, limit, total;
};
constexpr TypeBoxes kUpBoxes{name::up_name, name::up_rate, name::up_limit, name::up_total};
constexpr TypeBoxes kDownBoxes{name::down_name, name::down_rate, name::down_limit, name::down_total};

// The type's line, or the refusal of what is wrong in its column.
Result type_line(const PcqTypeInput& t, const TypeBoxes& boxes, std::string_view classifier) {
    if (t.name.empty()) return Result::refuse("请填写Type名称!", boxes.name, kIconWarning);
    const std::optional<unsigned long long> rate = whole_number(t.rate);
    if (!rate) return Result::refuse("PCQ-Rate请填写以KByte/s为单位的数字!", boxes.rate, kIconWarning);
    if (!whole_number(t.limit)) return Result::refuse("PCQ-Limit请填写数字!", boxes.limit, kIconWarning);
    if (!whole_number(t.total_limit)) return Result::refuse("PCQ-Total Limit请填写数字!", boxes.total, kIconWarning);
    // RouterOS rates are bits per second: a KByte/s is 8k.
    const std::string bits = *rate == 0 ? "0" : std::to_string(*rate * 8) + "k";
    return Result::ok("/queue type add name=" + bare_value(t.name) + " kind=pcq pcq-rate=" + bits + " pcq-limit=" +
                      t.limit + " pcq-classifier=" + std::string(classifier) + " pcq-total-limit=" + t.total_limit);
}

// Upload is what the LAN sends out of the interface, download what comes in through it. Both are
// marked while they are forwarded and queued in the router's global queue, where the upload still
// carries the LAN host's own source address for the PCQ to tell hosts apart.
Result generate_type_queues(const OtherQueueFields& f) {
    if (f.interface.empty()) return Result::refuse("请填写限速的网卡名称!", name::interface, kIconWarning);
    Result up = type_line(f.up, kUpBoxes, "src-address");
    if (up.refusal) return up;
    Result down = type_line(f.down, kDownBoxes, "dst-address");
    if (down.refusal) return down;
    if (f.up.name == f.down.name) return Result::refuse("上传和下载的Type名称不能相同!", name::down_name, kIconWarning);
    const std::string interface = bare_value(f.interface);
    ScriptBuilder b;
    b.line(up.script);
    b.line(down.script);
    b.line("/ip firewall mangle add chain=forward out-interface=" + interface +
           " action=mark-packet new-packet-mark=Mavek_up passthrough=yes");
    b.line("/ip firewall mangle add chain=forward in-interface=" + interface +
           " action=mark-packet new-packet-mark=Mavek_down passthrough=yes");
    b.line("/queue tree add name=Mavek_up parent=global queue=" + bare_value(f.up.name) + " packet-mark=Mavek_up");
    b.line("/queue tree add name=Mavek_down parent=global queue=" + bare_value(f.down.name) +
           " packet-mark=Mavek_down");
    return Result::ok(b.str());
}

}  // namespace

const PageSpec& other_queue_page_spec() {
    static const PageSpec kPage = [] {
        PageSpec page{.caption = "其他限速", .in_tree = false};
        auto& c = page.controls;
        const std::string_view g = name::group;
        c.push_back(group_box(g, "PCQ-整体限速"));
        c.push_back(edit(name::interface, "填写限速的网卡名称:", "ether1")
                        .typed(ValueType::interface_name)
                        .in(g)
                        .hinted("(如无特殊原因请填写您的ROS外网网卡名称)"));
        c.push_back(edit(name::ip_prefix, "IP前缀:", "192.168.5").in(g).hinted("(格式:192.168.0.1 前三位)"));
        c.push_back(edit(name::name_prefix, "计算机名前缀:", "MAVEK").in(g));
        c.push_back(edit(name::first, "机器数量:", "1").in(g));
        c.push_back(edit(name::last, "至", "200").in(g).beside());
        c.push_back(radio_button(name::by_host, "Simple Queue设置", true).in(g));
        c.push_back(radio_button(name::by_type, "Queue Type设置", false).in(g).beside());

        const std::string_view h = name::host_page;
        c.push_back(group_box(h, "").in(g).on_tab(name::tabs, "Simple Queue", name::by_host));
        // Upload and download side by side, each column under its caption.
        c.push_back(panel(name::up_rates).in(h));
        c.push_back(label(name::up_column, "Target Upload").in(name::up_rates));
        c.push_back(editable_combo(name::up_max_limit, "Max Limit:", rate_items(), "unlimited").in(name::up_rates));
        c.push_back(editable_combo(name::up_limit_at, "Limit At:", rate_items(), "unlimited").in(name::up_rates));
        c.push_back(panel(name::down_rates).in(h).beside());
        c.push_back(label(name::down_column, "Target Download").in(name::down_rates));
        c.push_back(editable_combo(name::down_max_limit, "", rate_items(), "unlimited").in(name::down_rates));
        c.push_back(editable_combo(name::down_limit_at, "", rate_items(), "unlimited").in(name::down_rates));
        c.push_back(check_box(name::burst_on, "开启爆发-Burst-限速功能", false).in(h));
        const std::string_view b = name::burst_box;
        c.push_back(group_box(b, "").in(h).collapses_with(name::burst_on));
        c.push_back(panel(name::up_burst).in(b));
        c.push_back(editable_combo(name::up_burst_limit, "Burst Limit:", rate_items(), "unlimited").in(name::up_burst));
        c.push_back(
            editable_combo(name::up_burst_threshold, "Burst Threshold:", rate_items(), "unlimited").in(name::up_burst));
        c.push_back(edit(name::up_burst_time, "Burst Time:", "3").in(name::up_burst).hinted("s"));
        c.push_back(panel(name::down_burst).in(b).beside());
        c.push_back(editable_combo(name::down_burst_limit, "", rate_items(), "unlimited").in(name::down_burst));
        c.push_back(editable_combo(name::down_burst_threshold, "", rate_items(), "unlimited").in(name::down_burst));
        c.push_back(edit(name::down_burst_time, "", "3").in(name::down_burst).hinted("s"));
        c.push_back(edit(name::priority, "Priority:", "8")
                        .in(b)
                        .hinted("(优先级-设置数据包优先传输,数字越小越优先,最高为8,最小为1)"));

        // Two columns of type settings, then what each setting means.
        const std::string_view t = name::type_page;
        c.push_back(group_box(t, "").in(g).on_tab(name::tabs, "Queue Type", name::by_type));
        c.push_back(edit(name::kind, "Kind:", "pcq").in(t).off());
        c.push_back(panel(name::type_up_side).in(t));
        c.push_back(label(name::type_up_column, "Upload - 上传").in(name::type_up_side));
        c.push_back(edit(name::up_name, "Type Name:", "up").in(name::type_up_side));
        c.push_back(edit(name::up_rate, "PCQ-Rate:", "0").in(name::type_up_side).hinted("KByte/s"));
        c.push_back(edit(name::up_limit, "PCQ-Limit:", "50").in(name::type_up_side));
        c.push_back(edit(name::up_total, "PCQ-Total Limit:", "2000").in(name::type_up_side));
        c.push_back(panel(name::type_down_side).in(t).beside());
        c.push_back(label(name::type_down_column, "Download - 下载").in(name::type_down_side));
        c.push_back(edit(name::down_name, "", "down").in(name::type_down_side));
        c.push_back(edit(name::down_rate, "", "0").in(name::type_down_side).hinted("KByte/s"));
        c.push_back(edit(name::down_limit, "", "50").in(name::type_down_side));
        c.push_back(edit(name::down_total, "", "2000").in(name::type_down_side));
        c.push_back(label(name::rate_note, "PCQ-Rate (默认:0) - 对每个子队列允许的最大数据率.0值是没有任何限制").in(t));
        c.push_back(label(name::limit_note, "PCQ-Limit (默认:50) - 可以容纳一个单个PCQ子队列的包的数目").in(t));
        c.push_back(label(name::total_note, "PCQ-Total Limit (默认:2000) - 可以容纳整个PCQ队列的包的数目").in(t));
        c.push_back(label(name::type_note, "直接生成上传和下载2个Type").in(t));

        c.push_back(button(name::generate, "5.X/6.X系列脚本生成").in(g));
        return page;
    }();
    return kPage;
}

Result generate_other_queues(const OtherQueueFields& f) {
    return f.by_type ? generate_type_queues(f) : generate_host_queues(f);
}

OtherQueueFields other_queue_fields(const Form& form) {
    OtherQueueFields f{
        .by_type = form.checked(name::by_type),
        .interface = form.text(name::interface),
        .hosts =
            {
                .ip_prefix = form.text(name::ip_prefix),
                .name_prefix = form.text(name::name_prefix),
                .first = form.text(name::first),
                .last = form.text(name::last),
                .limit_at = rates_of(form, name::up_limit_at, name::down_limit_at),
                .max_limit = rates_of(form, name::up_max_limit, name::down_max_limit),
            },
        .up = {form.text(name::up_name), form.text(name::up_rate), form.text(name::up_limit),
               form.text(name::up_total)},
        .down = {form.text(name::down_name), form.text(name::down_rate), form.text(name::down_limit),
                 form.text(name::down_total)},
    };
    if (form.checked(name::burst_on))
        f.hosts.burst = QueueBurst{
            .limit = rates_of(form, name::up_burst_limit, name::down_burst_limit),
            .threshold = rates_of(form, name::up_burst_threshold, name::down_burst_threshold),
            .up_time = form.text(name::up_burst_time),
            .down_time = form.text(name::down_burst_time),
            .priority = form.text(name::priority),
        };
    return f;
}

namespace {

Outcome run_other_queues(const Form& form, Env&) {
    return Outcome::from(generate_other_queues(other_queue_fields(form)));
}

}  // namespace

PageEntry other_queue_page() {
    return {&other_queue_page_spec(), {{name::generate, run_other_queues}}};
}

}  // namespace vorlix
