#include "generators/scripts/RouterScripts.hpp"

#include "generators/scripts/ScriptTemplate.hpp"
#include "script/quote.hpp"
#include "script/script_builder.hpp"
#include "script/text.hpp"

namespace vorlix {

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

}  // namespace vorlix
