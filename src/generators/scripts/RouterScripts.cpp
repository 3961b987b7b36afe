#include "generators/scripts/RouterScripts.hpp"

#include "generators/scripts/ScriptTemplate.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view online_subnet = "编辑框_71内网网段", online_interval = "编辑框_71执行周期",
                           online_generate = "按钮_71生成";
constexpr std::string_view backup_time = "编辑框_72执行时间", backup_interval = "编辑框_72执行周期",
                           backup_generate = "按钮_72生成";
constexpr std::string_view mail_advice = "标签_73建议", recipient = "编辑框_73收件邮箱前缀",
                           recipient_domain = "组合框_73收件邮箱后缀", sender = "编辑框_73寄件邮箱前缀",
                           sender_domain = "组合框_73寄件邮箱后缀", mail_password = "编辑框_73邮箱密码",
                           mail_interface = "编辑框_73ip接口", mail_generate = "按钮_73生成";
constexpr std::string_view pcc_condition = "标签_74使用条件", pcc_pros = "标签_74优点", pcc_cons = "标签_74缺点",
                           pcc_generate = "按钮_73生成1";
constexpr std::string_view expiry_note = "标签_75提示", expiry_page_note = "标签_75提醒页面",
                           expiry_generate = "按钮_75生成";
}  // namespace
}  // namespace name

Result generate_online_count(const OnlineCountFields& f) {
    ScriptBuilder b;
    b.line("/ip firewall address-list add address=" + bare_value(f.subnet) + " disabled=no list=lan");
    b.line(
        "/ip firewall mangle add chain=prerouting src-address-list=lan action=add-src-to-address-list "
        "address-list=" +
        quote_text("Online") + " address-list-timeout=1m  comment=" + quote_text("\\D4\\DA\\CF\\DF\\D3\\C3\\BB\\A7") +
        " disabled=no");
    b.block(fill_placeholders(script_template("online_count.rsc"), {{"{执行周期}", bare_time(f.interval)}}));
    return Result::ok(b.str());
}

Result generate_scheduled_backup(const ScheduledBackupFields& f) {
    return Result::ok(
        fill_placeholders(script_template("scheduled_backup.rsc"), {
                                                                       {"{执行周期}", bare_time(f.interval)},
                                                                       {"{执行时间}", bare_time(f.time)},
                                                                   }));
}

const std::array<MailProvider, 3>& mail_providers() {
    static constexpr std::array<MailProvider, 3> kProviders{{
        {"@qq.com", "smtp.qq.com", 465},
        {"@163.com", "smtp.163.com", 465},
        {"@126.com", "smtp.126.com", 465},
    }};
    return kProviders;
}

const MailProvider& sending_provider(int sender_index) {
    return mail_providers()[sender_index == 0 ? 0 : sender_index == 1 ? 1 : 2];
}

Result generate_mail_backup(const MailBackupFields& f) {
    const MailProvider& smtp = sending_provider(f.sender_index);
    const std::string script = fill_placeholders(
        script_template("mail_backup.rsc"), {
                                                {"{smtp}", escape_value(smtp.smtp)},
                                                {"{端口}", std::to_string(smtp.port)},
                                                {"{寄件邮箱前缀}", escape_value(f.sender_prefix)},
                                                {"{收件邮箱}", escape_value(f.recipient_prefix + f.recipient_domain)},
                                                {"{寄件邮箱}", escape_value(f.sender_prefix + f.sender_domain)},
                                                {"{密码}", escape_value(f.password)},
                                                {"{接口}", escape_value(f.interface)},
                                            });
    ScriptBuilder b;
    b.line("/system script remove [find name=Mavek_MailBackup]");
    b.block(
        "/system script add name=Mavek_MailBackup policy=ftp,reboot,read,write,policy,test,password,sniff,sensitive "
        "source=" +
        quote_script(script));
    b.line("/system script run Mavek_MailBackup");
    return Result::ok(b.str());
}

Result generate_pcc_rebalance() {
    ScriptBuilder b;
    b.block(
        "/system script add name=Mavek_PCC policy=ftp,reboot,read,write,policy,test,password,sniff,sensitive "
        "source=" +
        quote_script(script_template("pcc_rebalance.rsc")));
    b.line(
        "/system scheduler add name=Mavek_PCC interval=00:01:00 start-time=startup on-event=Mavek_PCC "
        "policy=ftp,reboot,read,write,policy,test,password,sniff,sensitive");
    return Result::ok(b.str());
}

Result generate_expiry_reminder() {
    return Result::ok(fill_placeholders(script_template("expiry_reminder.rsc"),
                                        {{"{脚本}", quote_script(script_template("expiry_reminder_source.rsc"))}}));
}

// The pages.

const PageSpec& online_count_page_spec() {
    static const PageSpec kPage{.caption = "统计在线计算机",
                                .controls = {
                                    edit(name::online_subnet, "内网网段IP:", "192.168.1.0/24")
                                        .typed(ValueType::ipv4_net)
                                        .hinted("格式 : 192.168.1.0/24 或 192.168.1.1-192.168.1.200"),
                                    edit(name::online_interval, "多久执行一次:", "00:10:00"),
                                    button(name::online_generate, "5.X/6.X系列脚本生成"),
                                }};
    return kPage;
}

const PageSpec& scheduled_backup_page_spec() {
    static const PageSpec kPage{
        .caption = "ROS备份",
        .tree = "ROS自动备份设置",
        .controls = {
            edit(name::backup_time, "什么时间备份:", "02:00:00").hinted("一般凌晨备份,不做任何操作设置了"),
            edit(name::backup_interval, "多久备份一次:", "1d 00:00:00")
                .hinted("默认每24小时备份一次,也就是一天 = 1d:00:00:00"),
            button(name::backup_generate, "5.X/6.X系列脚本生成"),
        }};
    return kPage;
}

const PageSpec& mail_backup_page_spec() {
    static const PageSpec kPage = [] {
        std::vector<std::string> domains;
        for (const MailProvider& p : mail_providers()) domains.emplace_back(p.domain);
        return PageSpec{
            .caption = "邮箱备份",
            .tree = "ROS邮箱自动备份",
            .controls = {
                label(name::mail_advice, "建议申请新的邮箱账号,专门做发送ROS备份文件使用,方便管理!"),
                edit(name::recipient, "收件用的邮箱账号:", "12345678").hinted("收件人邮箱没有限制,可以使用任何邮箱"),
                editable_combo(name::recipient_domain, "", domains, domains.front()).beside(),
                edit(name::sender, "寄件用的邮箱账号:", "12345678").hinted("可以和收件人邮箱一致,收发都是同一个邮箱"),
                drop_down(name::sender_domain, "", domains, 0).beside(),
                edit(name::mail_password, "寄件用的邮箱密码:", "Mavek2015").at_most(64),
                edit(name::mail_interface, "获取公网ip的接口:", "pppoe-out1").typed(ValueType::interface_name),
                button(name::mail_generate, "5.X/6.X系列脚本生成"),
            }};
    }();
    return kPage;
}

const PageSpec& pcc_rebalance_page_spec() {
    static const PageSpec kPage{
        .caption = "PPPoE断线修改PCC参数",
        .tree = "断线修改PCC参数",
        .controls = {
            label(name::pcc_condition, "使用条件:你的ROS使用了PCC功能,否则脚本无效"),
            label(name::pcc_pros,
                  "优点:某条PPPoE线路掉线后,新连接自动只分给在线的线路,不必手动修改PCC规则;所有线路恢复在线后,"
                  "规则自动还原。脚本每分钟检查一次,调整写在日志里。"),
            label(name::pcc_cons,
                  "缺点:按线路的序号调整,在线N条时由前N条线路的规则平分新连接;掉线的若不是最后几条线路,"
                  "它分到的连接经备用路由走其他线路,而排在后面的在线线路这段时间分不到新连接。"
                  "掉线后最长要等1分钟才调整,调整时正在进行的连接可能会中断。"),
            button(name::pcc_generate, "5.X/6.X系列脚本生成"),
        }};
    return kPage;
}

const PageSpec& expiry_reminder_page_spec() {
    static const PageSpec kPage{
        .caption = "pppoe到期提醒",
        .tree = "PPPoE到期用户提醒",
        .controls = {
            label(name::expiry_note, "此脚本并非完美一键生成,有些地方需要根据自己情况自行修改,具体看脚本内容"),
            label(name::expiry_page_note,
                  "提醒页面需要自己制作:被转到路由器web代理的访问看到的是代理的出错页面,把它换成你的提醒页面"
                  "(上传到路由器Files里的webproxy/error.html)即可。"),
            button(name::expiry_generate, "5.X/6.X系列脚本生成"),
        }};
    return kPage;
}

namespace {

Outcome run_online_count(const Form& form, Env&) {
    return Outcome::from(generate_online_count({
        .subnet = form.text(name::online_subnet),
        .interval = form.text(name::online_interval),
    }));
}

Outcome run_scheduled_backup(const Form& form, Env&) {
    return Outcome::from(generate_scheduled_backup({
        .time = form.text(name::backup_time),
        .interval = form.text(name::backup_interval),
    }));
}

Outcome run_mail_backup(const Form& form, Env&) {
    return Outcome::from(generate_mail_backup({
        .recipient_prefix = form.text(name::recipient),
        .recipient_domain = form.text(name::recipient_domain),
        .sender_prefix = form.text(name::sender),
        .sender_index = form.index(name::sender_domain),
        .sender_domain = form.text(name::sender_domain),
        .password = form.text(name::mail_password),
        .interface = form.text(name::mail_interface),
    }));
}

Outcome run_pcc_rebalance(const Form&, Env&) {
    return Outcome::from(generate_pcc_rebalance());
}

Outcome run_expiry_reminder(const Form&, Env&) {
    return Outcome::from(generate_expiry_reminder());
}

}  // namespace

PageEntry online_count_page() {
    return {&online_count_page_spec(), {{name::online_generate, run_online_count}}};
}
PageEntry scheduled_backup_page() {
    return {&scheduled_backup_page_spec(), {{name::backup_generate, run_scheduled_backup}}};
}
PageEntry mail_backup_page() {
    return {&mail_backup_page_spec(), {{name::mail_generate, run_mail_backup}}};
}
PageEntry pcc_rebalance_page() {
    return {&pcc_rebalance_page_spec(), {{name::pcc_generate, run_pcc_rebalance}}};
}
PageEntry expiry_reminder_page() {
    return {&expiry_reminder_page_spec(), {{name::expiry_generate, run_expiry_reminder}}};
}

}  // namespace vorlix
