#include "generators/system/ScheduledReboot.hpp"

#include "script/encoding.hpp"
#include "script/quote.hpp"
#include "script/ros_date.hpp"
#include "script/ros_escape.hpp"

namespace vorlix {
namespace {

constexpr const char* kDateHint =
    "格式:年/月/日 如:1990/01/01(意思就是说从什么时候开始此脚本生效,以此日期为起始日进行循环)";
constexpr const char* kIntervalHint = "格式:天 时:分:秒 如:1d 00:00:00 (既每一天为一次循环,既每一天运行一次)";

// The five inputs and the button of one group; the two groups differ only in names and texts.
struct GroupNames {
    std::string_view group, name, start, run_time, interval, comment, button;
    const char* caption;
    const char* name_default;
    const char* what;  // "关机" or "重启"
};

constexpr GroupNames kShutdown{
    .group = "分组框5",
    .name = "编辑框_02sdname",
    .start = "编辑框_02sd开始",
    .run_time = "编辑框_02sd运行",
    .interval = "编辑框_02sd间隔",
    .comment = "编辑框_02sd备注",
    .button = "按钮_02关机生成",
    .caption = "定时关机脚本",
    .name_default = "Timing Shutdown",
    .what = "关机",
};
constexpr GroupNames kReboot{
    .group = "分组框4",
    .name = "编辑框_02rename",
    .start = "编辑框_02re开始",
    .run_time = "编辑框_02re运行",
    .interval = "编辑框_02re间隔",
    .comment = "编辑框_02re备注",
    .button = "按钮_02重启生成",
    .caption = "定时重启脚本",
    .name_default = "Timing Reboot",
    .what = "重启",
};

void add_group(std::vector<ControlSpec>& out, const GroupNames& g) {
    out.push_back(group_box(g.group, g.caption));
    out.push_back(edit(g.name, "名称Name:", g.name_default).in(g.group).hinted("自定义名称(尽量别使用中文)"));
    out.push_back(edit(g.start, "开始日期:", "2015/01/01").in(g.group).hinted(kDateHint));
    out.push_back(edit(g.run_time, "运行时间:", "05:30:00")
                      .in(g.group)
                      .hinted(std::string("格式:时:分:秒 如:05:30:00 (每天的") + g.what + "时间)"));
    out.push_back(edit(g.interval, "间隔时间:", "1d 00:00:00").in(g.group).hinted(kIntervalHint));
    out.push_back(edit(g.comment, "备    注:", std::string("定时") + g.what)
                      .in(g.group)
                      .hinted(std::string("支持中文备注(默认:定时") + g.what + ")"));
    out.push_back(button(g.button, "5.X/6.X系列脚本生成").in(g.group));
}

}  // namespace

const PageSpec& scheduled_reboot_page_spec() {
    static const PageSpec kPage = [] {
        PageSpec page{.caption = "定时重启/关机", .tree = "定时关机/重启"};
        add_group(page.controls, kShutdown);
        add_group(page.controls, kReboot);
        return page;
    }();
    return kPage;
}

Result generate_schedule(const ScheduleFields& f) {
    return Result::ok("/system scheduler add name=" + quote_value(f.name) + " on-event=" + quote_text(f.action) +
                      " start-date=" + quote_value(ros_date(f.start_date)) + " start-time=" + quote_value(f.run_time) +
                      " interval=" + quote_value(f.interval) + " comment=" + ros_comment(f.comment) + " disabled=no");
}

namespace {

Outcome run_group(const Form& form, const GroupNames& g, const char* action) {
    return Outcome::from(generate_schedule({
        .name = form.text(g.name),
        .start_date = form.text(g.start),
        .run_time = form.text(g.run_time),
        .interval = form.text(g.interval),
        .comment = form.text(g.comment),
        .action = action,
    }));
}

Outcome run_shutdown(const Form& form, Env&) {
    return run_group(form, kShutdown, "/system shutdown");
}
Outcome run_reboot(const Form& form, Env&) {
    return run_group(form, kReboot, "/system reboot");
}

}  // namespace

PageEntry scheduled_reboot_page() {
    return {&scheduled_reboot_page_spec(), {{kShutdown.button, run_shutdown}, {kReboot.button, run_reboot}}};
}

}  // namespace vorlix
