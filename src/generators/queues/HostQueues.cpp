#include "generators/queues/HostQueues.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <vector>

#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

// The names of one page's host-range, rate, burst and time controls: the two pages lay them out alike.
struct HostQueueNames {
    std::string_view group, ip_prefix, name_prefix, first, last;
    std::string_view up_rates, down_rates, up_column, down_column, up_limit_at, down_limit_at, up_max_limit,
        down_max_limit, limit_at_hint, max_limit_hint, zero_note;
    std::string_view burst_on, burst_box, up_burst, down_burst, up_burst_limit, down_burst_limit, up_burst_threshold,
        down_burst_threshold, up_burst_time, down_burst_time, priority;
    std::string_view time_on, time_box;
    std::array<std::string_view, 7> days;  // sun .. sat
    std::string_view time_start, time_end;
};

constexpr HostQueueNames kSimple{
    .group = "分组框_31简单限速",
    .ip_prefix = "编辑框_31ip前缀",
    .name_prefix = "编辑框_31name前缀",
    .first = "编辑框_31数量左",
    .last = "编辑框_31数量右",
    .up_rates = "面板_31上传",
    .down_rates = "面板_31下载",
    .up_column = "标签_31上传",
    .down_column = "标签_31下载",
    .up_limit_at = "组合框_31upLimitAt",
    .down_limit_at = "组合框_31downLimitAt",
    .up_max_limit = "组合框_31upMaxLimit",
    .down_max_limit = "组合框_31downMaxLimit",
    .limit_at_hint = "标签_31LimitAt说明",
    .max_limit_hint = "标签_31MaxLimit说明",
    .zero_note = "标签_31不限速",
    .burst_on = "选择框_31开启Burst功能",
    .burst_box = "分组框_31burst",
    .up_burst = "面板_31burst上传",
    .down_burst = "面板_31burst下载",
    .up_burst_limit = "组合框_31upBurstLimit",
    .down_burst_limit = "组合框_31downBurstLimit",
    .up_burst_threshold = "组合框_31upBurstThre",
    .down_burst_threshold = "组合框_31downBurstThre",
    .up_burst_time = "编辑框_31upBurstTime",
    .down_burst_time = "编辑框_31downBurstTime",
    .priority = "组合框_31Priority",
    .time_on = "选择框_31开启Time功能",
    .time_box = "分组框_31开启time",
    .days = {"选择框_31sun", "选择框_31mon", "选择框_31tue", "选择框_31wed", "选择框_31thu", "选择框_31fri",
             "选择框_31sat"},
    .time_start = "编辑框_31Time左",
    .time_end = "编辑框_31Time右",
};

constexpr HostQueueNames kAdvanced{
    .group = "分组框_33高级限速",
    .ip_prefix = "编辑框_33ip前缀",
    .name_prefix = "编辑框_33name前缀",
    .first = "编辑框_33数量左",
    .last = "编辑框_33数量右",
    .up_rates = "面板_33上传",
    .down_rates = "面板_33下载",
    .up_column = "标签_33上传",
    .down_column = "标签_33下载",
    .up_limit_at = "组合框_33upLimitAt",
    .down_limit_at = "组合框_33downLimitAt",
    .up_max_limit = "组合框_33upMaxLimit",
    .down_max_limit = "组合框_33downMaxLimit",
    .limit_at_hint = "标签_33LimitAt说明",
    .max_limit_hint = "标签_33MaxLimit说明",
    .zero_note = "标签_33不限速",
    .burst_on = "选择框_33开启Burst功能",
    .burst_box = "分组框_33burst",
    .up_burst = "面板_33burst上传",
    .down_burst = "面板_33burst下载",
    .up_burst_limit = "组合框_33upBurstLimit",
    .down_burst_limit = "组合框_33downBurstLimit",
    .up_burst_threshold = "组合框_33upBurstThre",
    .down_burst_threshold = "组合框_33downBurstThre",
    .up_burst_time = "编辑框_33upBurstTime",
    .down_burst_time = "编辑框_33downBurstTime",
    .priority = "组合框_33Priority",
    .time_on = "选择框_33开启Time功能",
    .time_box = "分组框_33开启time",
    .days = {"选择框_33sun", "选择框_33mon", "选择框_33tue", "选择框_33wed", "选择框_33thu", "选择框_33fri",
             "选择框_33sat"},
    .time_start = "编辑框_33Time左",
    .time_end = "编辑框_33Time右",
};

}  // namespace

namespace name {
namespace {
constexpr std::string_view simple_generate = "按钮_31生成", simple_remove = "按钮_31删除脚本";
constexpr std::string_view total_up = "组合框_33总上传带宽", total_down = "组合框_33总下载带宽",
                           parent = "编辑框_33主通道名称", up_type = "编辑框_33上传标记名",
                           down_type = "编辑框_33下载标记名", exempt_on = "选择框_33免限速",
                           exempt = "编辑框_33免限速名称", copy_bar = "按钮_33复制", advanced_generate = "按钮_33生成";
}  // namespace
}  // namespace name

namespace {

std::vector<std::string> rate_items() {
    return {"0", "64k", "128k", "256k", "384k", "512k", "768k", "1M", "2M", "3M", "4M", "5M", "10M"};
}

std::vector<std::string> total_items() {
    return {"4M", "8M", "10M", "20M", "40M", "80M", "100M", "200M"};
}

// The host range, the rates, and the burst and time panels, each panel under the check box that
// opens it.
void add_host_queue_controls(std::vector<ControlSpec>& c, const HostQueueNames& n) {
    const std::string_view g = n.group;
    c.push_back(edit(n.ip_prefix, "IP前缀:", "192.168.1").in(g).hinted("(格式:192.168.1.0 前三位 - Target Address)"));
    c.push_back(edit(n.name_prefix, "name前缀:", "PC").in(g));
    c.push_back(edit(n.first, "机器数量:", "1").in(g));
    c.push_back(edit(n.last, "至", "200")
                    .in(g)
                    .beside()
                    .hinted("(如果限速的IP段为192.168.0.1-192.168.0.200则需填写为 1 至 200)"));
    // Upload and download side by side, each column under its caption.
    c.push_back(panel(n.up_rates).in(g));
    c.push_back(label(n.up_column, "Traget Upload").in(n.up_rates));
    c.push_back(editable_combo(n.up_limit_at, "Limit At:", rate_items(), "0").typed(ValueType::rate).in(n.up_rates));
    c.push_back(editable_combo(n.up_max_limit, "Max Limit:", rate_items(), "0").typed(ValueType::rate).in(n.up_rates));
    c.push_back(panel(n.down_rates).in(g).beside());
    c.push_back(label(n.down_column, "Traget Download").in(n.down_rates));
    c.push_back(editable_combo(n.down_limit_at, "", rate_items(), "0").typed(ValueType::rate).in(n.down_rates));
    c.push_back(editable_combo(n.down_max_limit, "", rate_items(), "0").typed(ValueType::rate).in(n.down_rates));
    // The hints go under the columns: beside a field they could wrap and push its column out of line.
    c.push_back(label(n.limit_at_hint, "Limit At: 这个队列的约定流量").in(g));
    c.push_back(label(n.max_limit_hint, "Max Limit: 在有足够带宽可用的情况下可达到流量").in(g));
    c.push_back(label(n.zero_note, "( 0 为不限速 )").in(g));

    c.push_back(check_box(n.burst_on, "开启爆发-Burst-限速功能", false).in(g));
    c.push_back(group_box(n.burst_box, "").in(g).collapses_with(n.burst_on));
    c.push_back(panel(n.up_burst).in(n.burst_box));
    c.push_back(
        editable_combo(n.up_burst_limit, "Burst Limit:", rate_items(), "0").typed(ValueType::rate).in(n.up_burst));
    c.push_back(editable_combo(n.up_burst_threshold, "Burst Threshold:", rate_items(), "0")
                    .typed(ValueType::rate)
                    .in(n.up_burst));
    c.push_back(edit(n.up_burst_time, "Burst Time:", "3").in(n.up_burst).hinted("s"));
    c.push_back(panel(n.down_burst).in(n.burst_box).beside());
    c.push_back(editable_combo(n.down_burst_limit, "", rate_items(), "0").typed(ValueType::rate).in(n.down_burst));
    c.push_back(editable_combo(n.down_burst_threshold, "", rate_items(), "0").typed(ValueType::rate).in(n.down_burst));
    c.push_back(edit(n.down_burst_time, "", "3").in(n.down_burst).hinted("s"));
    c.push_back(drop_down(n.priority, "Priority:", {"1", "2", "3", "4", "5", "6", "7", "8"}, 7)
                    .in(n.burst_box)
                    .hinted("优先级-数据包优先传输,数字越小越优先"));

    c.push_back(check_box(n.time_on, "开启时间-Time-段限速(选中后在设置的时间段内此脚本有效)", false).in(g));
    c.push_back(group_box(n.time_box, "").in(g).collapses_with(n.time_on));
    const std::string_view t = n.time_box;
    for (std::size_t i = 0; i < n.days.size(); ++i) {
        ControlSpec day = check_box(n.days[i], std::string(kWeekdays[i]), true).in(t);
        c.push_back(i == 0 ? std::move(day) : std::move(day).beside());
    }
    c.push_back(edit(n.time_start, "Time:", "00:00:00").in(t));
    c.push_back(edit(n.time_end, "-", "1d 00:00:00").in(t).beside().hinted("(设置时间段内此限速脚本)"));
}

HostQueueFields host_queue_fields(const Form& form, const HostQueueNames& n) {
    HostQueueFields f{
        .ip_prefix = form.text(n.ip_prefix),
        .name_prefix = form.text(n.name_prefix),
        .first = form.text(n.first),
        .last = form.text(n.last),
        .limit_at = {form.text(n.up_limit_at), form.text(n.down_limit_at)},
        .max_limit = {form.text(n.up_max_limit), form.text(n.down_max_limit)},
    };
    if (form.checked(n.burst_on))
        f.burst = QueueBurst{
            .limit = {form.text(n.up_burst_limit), form.text(n.down_burst_limit)},
            .threshold = {form.text(n.up_burst_threshold), form.text(n.down_burst_threshold)},
            .up_time = form.text(n.up_burst_time),
            .down_time = form.text(n.down_burst_time),
            .priority = form.text(n.priority),
        };
    if (form.checked(n.time_on)) {
        QueueTimeWindow w{.start = form.text(n.time_start), .end = form.text(n.time_end)};
        for (std::size_t i = 0; i < n.days.size(); ++i) w.days[i] = form.checked(n.days[i]);
        f.time = std::move(w);
    }
    return f;
}

// Hosts from one number to the other, whichever is larger, times the packets each host may queue.
// Saturates instead of overflowing for absurd host numbers.
unsigned long long total_queue_packets(long long first, long long last) {
    constexpr unsigned long long kMax = std::numeric_limits<unsigned long long>::max();
    constexpr unsigned long long kPerHost = 50;
    const auto low = std::min(first, last), high = std::max(first, last);
    // The difference of two long longs always fits an unsigned long long.
    const unsigned long long span = static_cast<unsigned long long>(high) - static_cast<unsigned long long>(low);
    if (span >= kMax / kPerHost) return kMax;
    return (span + 1) * kPerHost;
}

// The pieces of a "|"-separated list, without the blanks around them, empty pieces left out.
std::vector<std::string> list_pieces(std::string_view text) {
    std::vector<std::string> out;
    while (true) {
        const std::size_t bar = text.find('|');
        std::string_view piece = text.substr(0, bar);
        const std::size_t begin = piece.find_first_not_of(" \t");
        if (begin != std::string_view::npos) {
            piece = piece.substr(begin, piece.find_last_not_of(" \t") - begin + 1);
            out.emplace_back(piece);
        }
        if (bar == std::string_view::npos) break;
        text.remove_prefix(bar + 1);
    }
    return out;
}

// The queue of that name, as `set` takes it: the name itself when it is a plain word. A name that
// needs quotes, or one of digits only (which `set` would read as a position in the list), is found
// by name instead.
std::string queue_named(const std::string& name) {
    const std::string bare = bare_value(name);
    const bool digits = name.find_first_not_of("0123456789") == std::string::npos;
    if (bare.front() != '"' && !digits) return bare;
    return "[find name=" + quote_value(name) + "]";
}

}  // namespace

const PageSpec& simple_queue_page_spec() {
    static const PageSpec kPage = [] {
        PageSpec page{.caption = "Queues简单限速"};
        auto& c = page.controls;
        c.push_back(group_box(kSimple.group, "Queues-简单限速"));
        add_host_queue_controls(c, kSimple);
        c.push_back(button(name::simple_generate, "5.X/6.X系列脚本生成").in(kSimple.group));
        c.push_back(button(name::simple_remove, "5.X/6.X系列 删除 限速脚本").in(kSimple.group).beside());
        return page;
    }();
    return kPage;
}

const PageSpec& pcq_advanced_page_spec() {
    static const PageSpec kPage = [] {
        PageSpec page{.caption = "PCQ高级动态限速"};
        auto& c = page.controls;
        const std::string_view g = kAdvanced.group;
        c.push_back(group_box(g, "PCQ高级限速"));
        c.push_back(editable_combo(name::total_up, "总上传带宽:", total_items(), "2M").typed(ValueType::rate).in(g));
        c.push_back(
            editable_combo(name::total_down, "总下载带宽:", total_items(), "4M").typed(ValueType::rate).in(g).beside());
        c.push_back(edit(name::parent, "主通道名称:", "PCQ").in(g));
        c.push_back(edit(name::up_type, "上传标记名:", "up").in(g));
        c.push_back(edit(name::down_type, "下载标记名:", "down").in(g).beside());
        add_host_queue_controls(c, kAdvanced);
        c.push_back(check_box(name::exempt_on, "免限速IP后缀:", false).in(g));
        c.push_back(edit(name::exempt, "", "").in(g).beside().hinted("填写数字,多个请以|分开,格式: 5|12|37"));
        c.push_back(button(name::copy_bar, "复制 |").in(g).beside());
        c.push_back(button(name::advanced_generate, "5.X/6.X系列脚本生成").in(g));
        return page;
    }();
    return kPage;
}

Result generate_simple_queues(const HostQueueFields& f) {
    return host_queue_loop(f, {kSimple.time_start, kSimple.time_end});
}

Result generate_simple_queue_removal(const HostQueueFields& f) {
    return Result::ok(host_queue_removal(f));
}

Result generate_pcq_advanced(const PcqAdvancedFields& f) {
    const long long first = leading_integer(f.hosts.first), last = leading_integer(f.hosts.last);
    HostQueueFields hosts = f.hosts;
    if (first > last) std::swap(hosts.first, hosts.last);
    Result loop = host_queue_loop(hosts, {kAdvanced.time_start, kAdvanced.time_end});
    if (loop.refusal) return loop;

    const std::string packets = std::to_string(total_queue_packets(first, last));
    const std::string up_type = bare_value(f.up_type), down_type = bare_value(f.down_type);
    ScriptBuilder b;
    b.line("/queue type add name=" + up_type + " kind=pcq pcq-rate=" + bare_value(f.total.up) +
           " pcq-limit=50 pcq-classifier=src-address pcq-total-limit=" + packets);
    b.line("/queue type add name=" + down_type + " kind=pcq pcq-rate=" + bare_value(f.total.down) +
           " pcq-limit=50 pcq-classifier=dst-address pcq-total-limit=" + packets);
    b.line("/queue simple add name=" + bare_value(f.parent) +
           " dst-address=0.0.0.0/0 parent=none priority=8 queue=" + rate_pair({f.up_type, f.down_type}) +
           " limit-at=" + rate_pair(f.total) + " max-limit=" + rate_pair(f.total) + " total-queue=" + down_type);
    b.line(loop.script);
    if (f.exempt)
        for (const std::string& host : list_pieces(*f.exempt))
            b.line("/queue simple set " + queue_named(f.hosts.name_prefix + host) +
                   " limit-at=0/0 max-limit=0/0 burst-limit=0/0 burst-threshold=0/0 burst-time=0/0");
    return Result::ok(b.str());
}

HostQueueFields simple_queue_fields(const Form& form) {
    return host_queue_fields(form, kSimple);
}

PcqAdvancedFields pcq_advanced_fields(const Form& form) {
    PcqAdvancedFields f{
        .hosts = host_queue_fields(form, kAdvanced),
        .total = {form.text(name::total_up), form.text(name::total_down)},
        .parent = form.text(name::parent),
        .up_type = form.text(name::up_type),
        .down_type = form.text(name::down_type),
    };
    if (form.checked(name::exempt_on)) f.exempt = form.text(name::exempt);
    return f;
}

namespace {

Outcome run_simple_queues(const Form& form, Env&) {
    return Outcome::from(generate_simple_queues(simple_queue_fields(form)));
}

Outcome run_simple_queue_removal(const Form& form, Env&) {
    return Outcome::from(generate_simple_queue_removal(simple_queue_fields(form)));
}

Outcome run_pcq_advanced(const Form& form, Env&) {
    return Outcome::from(generate_pcq_advanced(pcq_advanced_fields(form)));
}

// The separator of the exemption list, for pasting into the box.
Outcome run_copy_bar(const Form&, Env&) {
    Outcome o;
    o.clipboard = "|";
    return o;
}

}  // namespace

PageEntry simple_queue_page() {
    return {&simple_queue_page_spec(),
            {{name::simple_generate, run_simple_queues}, {name::simple_remove, run_simple_queue_removal}}};
}

PageEntry pcq_advanced_page() {
    return {&pcq_advanced_page_spec(),
            {{name::advanced_generate, run_pcq_advanced}, {name::copy_bar, run_copy_bar, BindingKind::action}}};
}

}  // namespace vorlix
