#include "generators/system/SystemMaintenance.hpp"

#include "script/encoding.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

namespace name {
constexpr std::string_view identity_group = "分组框6", identity = "编辑框_03计算机名", identity_button = "按钮_03生成";
constexpr std::string_view backup_group = "分组框7", backup = "编辑框_03备份", remove_old = "选择框_03",
                           backup_by_name = "按钮_03备份名称", backup_by_date = "按钮_03备份日期";
constexpr std::string_view cleanup_group = "分组框8", cleanup_interval = "编辑框_03删除连接间隔时间",
                           cleanup_button = "按钮_03删除连接";
constexpr std::string_view restore_group = "分组框9", restore = "编辑框_03还原", restore_by_name = "按钮_03还原名称",
                           restore_by_date = "按钮_03还原日期";
constexpr std::string_view time_group = "分组框10", time_sync = "按钮_03时间同步";
constexpr std::string_view dns_group = "分组框11", dns_flush = "按钮_03定时清理DDNS";
constexpr std::string_view fixed_group = "分组框12", inspect_group = "分组框_03查看", act_group = "分组框_03操作";
}  // namespace name

// Public time servers that answer from inside China. RouterOS 5.x/6.x takes only addresses for its
// SNTP client (no host names), so they are written as addresses:
//   203.107.6.88   ntp.aliyun.com, Alibaba Cloud's public NTP service
//   114.118.7.161  ntp.ntsc.ac.cn, the National Time Service Center of the Chinese Academy of Sciences
constexpr std::string_view kPrimaryNtp = "203.107.6.88";
constexpr std::string_view kSecondaryNtp = "114.118.7.161";

constexpr std::string_view kServiceTemplate = "/ip service set [find name=\"{通道}\"] disabled=yes";

}  // namespace

std::string service_off_command(std::string_view service) {
    return replace_all(kServiceTemplate, "{通道}", service);
}

const std::array<FixedCommand, kFixedCommandCount>& fixed_commands() {
    static const std::array<FixedCommand, kFixedCommandCount> kCommands = {{
        {"按钮_03监控CPU", "监控CPU及内存使用情况", "/system resource monitor"},
        {"按钮_03所有连接", "查看当前所有网络连接", "/ip firewall connection print"},
        {"按钮_03路由重启", "路由器重启脚本", "/system reboot", true},
        {"按钮_03路由关机", "路由器关机脚本", "/system shutdown", true},
        {"按钮_03恢复初始化", "ROS恢复安装默认(初始化脚本)", "/system reset", true},
        {"按钮_03系统时间", "查看系统时间", "/system clock print"},
        {"按钮_03系统信息", "查看系统常规信息", "/system resource print"},
        {"按钮_03系统PCI", "查看系统PCI信息", "/system resource pci print"},
        {"按钮_03ROS版本", "查看ROS版本等级许可", "/system license print"},
        {"按钮_03组件情况", "查看系统组件包安装情况", "/system package print"},
        {"按钮_03系统管理员", "查看系统管理员列表", "/user print"},
        {"按钮_03系统日志", "查看系统日志", "/log print"},
        {"按钮_03IP配置", "查看IP配置情况", "/ip address print"},
        {"按钮_03网卡", "查看网卡情况", "/interface print"},
        {"按钮_03网关", "查看网关配置情况", "/ip route print"},
        {"按钮_03防火墙", "查看防火墙配置情况", "/ip firewall filter print"},
        {"按钮_03关闭ssh", "关闭ssh通道", service_off_command("ssh"), true},
        {"按钮_03关闭telnet", "关闭telnet通道", service_off_command("telnet"), true},
        {"按钮_03关闭ftp", "关闭ftp通道", service_off_command("ftp"), true},
    }};
    return kCommands;
}

const PageSpec& system_maintenance_page_spec() {
    static const PageSpec kPage = [] {
        PageSpec page{.caption = "系统其它设置"};
        page.controls = {
            group_box(name::identity_group, "修改ROS计算机名"),
            edit(name::identity, "新计算机名:", "MavekRouter").in(name::identity_group).hinted("(支持中文输入)"),
            button(name::identity_button, "5.X/6.X系列脚本生成").in(name::identity_group),

            group_box(name::backup_group, "备份系统设置-脚本生成(5.X/6.X 系列通用脚本)"),
            edit(name::backup, "备份名称:", "MavekBak").in(name::backup_group).hinted("(支持中文输入,在Files查看)"),
            check_box(name::remove_old, "备份时删除与此次备份名称重复的备份文件", false).in(name::backup_group),
            button(name::backup_by_name, "备份文件名:备份名称").in(name::backup_group),
            button(name::backup_by_date, "备份文件名:当前日期").in(name::backup_group).beside(),

            group_box(name::cleanup_group, "自动删除-Connections-连接提升系统资源"),
            edit(name::cleanup_interval, "间隔时间:", "00:01:00").in(name::cleanup_group),
            button(name::cleanup_button, "5.X/6.X系列脚本生成").in(name::cleanup_group),

            group_box(name::restore_group, "还原系统设置-脚本生成(5.X/6.X 系列通用脚本)"),
            edit(name::restore, "还原名称:", "MavekBak").in(name::restore_group).hinted("(支持中文输入)"),
            button(name::restore_by_name, "还原文件名:备份名称").in(name::restore_group),
            button(name::restore_by_date, "还原文件名:当前日期").in(name::restore_group).beside(),

            group_box(name::time_group, "设置时间与时间同步"),
            button(name::time_sync, "通用时间同步脚本生成").in(name::time_group),

            group_box(name::dns_group, "定时清理DNS缓存"),
            button(name::dns_flush, "每24小时清理DNS缓存").in(name::dns_group),

            group_box(name::fixed_group, "其他5.X/6.X通用脚本生成"),
            group_box(name::inspect_group, "查看").in(name::fixed_group),
            group_box(name::act_group, "操作").in(name::fixed_group),
        };
        // The commands that only look, four to a row, apart from those that change or stop the router,
        // three to a row.
        std::size_t looks = 0, acts = 0;
        for (const FixedCommand& c : fixed_commands()) {
            if (c.destructive) continue;
            ControlSpec b = button(c.button, std::string(c.caption)).in(name::inspect_group);
            page.controls.push_back(looks++ % 4 == 0 ? std::move(b) : std::move(b).beside());
        }
        for (const FixedCommand& c : fixed_commands()) {
            if (!c.destructive) continue;
            ControlSpec b = button(c.button, std::string(c.caption)).in(name::act_group).warns();
            page.controls.push_back(acts++ % 3 == 0 ? std::move(b) : std::move(b).beside());
        }
        return page;
    }();
    return kPage;
}

Result generate_identity(std::string_view name) {
    return Result::ok("/system identity set name=" + ros_comment(name));
}

Result generate_connection_cleanup(std::string_view interval) {
    return Result::ok("/system scheduler add name=" + quote_text("del_close") + " on-event=" +
                      quote_text("/ip firewall connection remove [/ip firewall connection find tcp-state=close]") +
                      " start-date=" + quote_text("Jan/01/1990") + " start-time=" + quote_text("00:00:00") +
                      " interval=" + quote_value(interval) + " disabled=no");
}

Result generate_time_sync() {
    ScriptBuilder b;
    b.line("/system ntp client set mode=unicast primary-ntp=" + quote_text(kPrimaryNtp) +
           " secondary-ntp=" + quote_text(kSecondaryNtp) + " enabled=yes");
    b.line("/system clock set time-zone-name=" + quote_text("Asia/Shanghai"));
    b.line("/system clock manual set dst-delta=" + quote_text("+00:00") +
           " dst-end=" + quote_text("Sep/10/2011 00:00:00") + " dst-start=" + quote_text("Sep/10/2011 00:00:00") +
           " time-zone=" + quote_text("+08:00"));
    return Result::ok(b.str());
}

Result generate_dns_flush() {
    // The comment is the RouterOS escape of 定期清理DNS缓存.
    return Result::ok(
        "/system scheduler add comment=" + quote_text("\\B6\\A8\\C6\\DA\\C7\\E5\\C0\\EDDNS\\BB\\BA\\B4\\E6") +
        " disabled=no interval=" + quote_text("1d") + " name=" + quote_text("Del-DNS-Cache") +
        " on-event=" + quote_text("/ip dns cache flush") +
        " policy=" + quote_text("ftp,reboot,read,write,policy,test,winbox,password,sniff,sensitive,api") +
        " start-date=" + quote_text("jan/01/1990") + " start-time=" + quote_text("05:00:00"));
}

std::string date_base(const DateTime& now) {
    return 时间_到文本(now, 1, 3);
}

Result generate_backup(std::string_view name, bool remove_old) {
    const std::string base = ros_escape(utf8_to_gbk(name));
    ScriptBuilder b;
    // `/file remove "X"` stops an imported script with "no such item" when X is missing, which it is
    // before the first backup; removing what `find` returns is a no-op then.
    if (remove_old) b.line("/file remove [find name=" + quote_text(base + ".backup") + "]");
    b.line("/system backup save name=" + quote_text(base));
    return Result::ok(b.str());
}

Result generate_restore(std::string_view name) {
    return Result::ok("/system backup load name=" + quote_text(ros_escape(utf8_to_gbk(name)) + ".backup"));
}

namespace {

template <std::size_t I>
Outcome run_fixed(const Form&, Env&) {
    return Outcome::from(Result::ok(fixed_commands()[I].text));
}

template <std::size_t... I>
void add_fixed(std::vector<Binding>& out, std::index_sequence<I...>) {
    (out.push_back({std::string(fixed_commands()[I].button), run_fixed<I>}), ...);
}

Outcome run_identity(const Form& form, Env&) {
    return Outcome::from(generate_identity(form.text(name::identity)));
}
Outcome run_connection_cleanup(const Form& form, Env&) {
    return Outcome::from(generate_connection_cleanup(form.text(name::cleanup_interval)));
}
Outcome run_time_sync(const Form&, Env&) {
    return Outcome::from(generate_time_sync());
}
Outcome run_dns_flush(const Form&, Env&) {
    return Outcome::from(generate_dns_flush());
}
Outcome run_backup_by_name(const Form& form, Env&) {
    return Outcome::from(generate_backup(form.text(name::backup), form.checked(name::remove_old)));
}
Outcome run_backup_by_date(const Form& form, Env& env) {
    return Outcome::from(generate_backup(date_base(env.now), form.checked(name::remove_old)));
}
Outcome run_restore_by_name(const Form& form, Env&) {
    return Outcome::from(generate_restore(form.text(name::restore)));
}
Outcome run_restore_by_date(const Form&, Env& env) {
    return Outcome::from(generate_restore(date_base(env.now)));
}

}  // namespace

PageEntry system_maintenance_page() {
    PageEntry entry{&system_maintenance_page_spec(),
                    {
                        {name::identity_button, run_identity},
                        {name::backup_by_name, run_backup_by_name},
                        {name::backup_by_date, run_backup_by_date},
                        {name::cleanup_button, run_connection_cleanup},
                        {name::restore_by_name, run_restore_by_name},
                        {name::restore_by_date, run_restore_by_date},
                        {name::time_sync, run_time_sync},
                        {name::dns_flush, run_dns_flush},
                    }};
    add_fixed(entry.bindings, std::make_index_sequence<kFixedCommandCount>{});
    return entry;
}

}  // namespace vorlix
