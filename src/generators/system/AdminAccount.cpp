#include "generators/system/AdminAccount.hpp"

#include "script/encoding.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"

namespace vorlix {

const PageSpec& admin_account_page_spec() {
    static const PageSpec kPage{
        .caption = "添加管理账户",
        .outer = 0,
        .inner = 1,
        .controls = {
            group_box("分组框2", "添加ROS管理员账户"),
            edit("编辑框_01用户名", "用户名:", "MAVEK").in("分组框2"),
            edit("编辑框_01密码", "密码:", "Mavek@2015").in("分组框2"),
            drop_down("组合框_01权限", "权限等级:", {"超级管理员", "可写管理员", "只读管理员"}, 0).in("分组框2"),
            edit("编辑框_01IP地址", "允许访问ROS的IP地址:", "0.0.0.0").in("分组框2"),
            edit("编辑框_01IP掩码", "/", "0").in("分组框2").beside(),
            label("标签_01掩码提示", "(默认 0.0.0.0/0,内外网都可以直接登陆访问Winbox)").in("分组框2").beside(),
            edit("编辑框_01备注", "备注:", "ADMIN-MAVEK").in("分组框2").hinted("(支持中文备注)"),
            button("按钮_01生成", "5.X/6.X系列脚本生成").in("分组框2"),
            group_box("分组框3", "提示"),
            label("标签_01提示",
                  "超级管理员(full):系统默认拥有系统所有权限和操作权限,不受任何限制!\n\n"
                  "可写管理员(write):系统默认除了对policy及ftp无权限外(例如添加管理帐户等),其它均和超级管理员一样!\n\n"
                  "只读管理员(read):对系统所有操作均无权限,只有查看只读权限!")
                .in("分组框3"),
        }};
    return kPage;
}

Result generate_admin_account(const AdminAccountFields& f) {
    if (f.user.empty()) return Result::refuse("请输入要添加的管理员名称!", "编辑框_01用户名");
    if (f.password.empty()) return Result::refuse("请输入管理员的密码!", "编辑框_01密码");
    static constexpr const char* kGroups[] = {"full", "write", "read"};
    const std::string group = f.level >= 0 && f.level <= 2 ? kGroups[f.level] : "";
    return Result::ok("/user add name=" + quote_value(f.user) + " password=" + quote_value(f.password) +
                      " group=" + quote_text(group) + " address=" + quote_value(f.address + "/" + f.mask) +
                      " comment=" + quote_text(ros_escape(utf8_to_gbk(f.comment))));
}

namespace {

Outcome run_admin_account(const Form& form, Env&) {
    return Outcome::from(generate_admin_account({
        .user = form.text("编辑框_01用户名"),
        .password = form.text("编辑框_01密码"),
        .level = form.index("组合框_01权限"),
        .address = form.text("编辑框_01IP地址"),
        .mask = form.text("编辑框_01IP掩码"),
        .comment = form.text("编辑框_01备注"),
    }));
}

}  // namespace

PageEntry admin_account_page() {
    return {&admin_account_page_spec(), {{"按钮_01生成", run_admin_account}}};
}

}  // namespace vorlix
