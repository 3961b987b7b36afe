#include "generators/system/AdminAccount.hpp"

#include "script/quote.hpp"
#include "script/ros_escape.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view group = "分组框2", user = "编辑框_01用户名", password = "编辑框_01密码",
                           level = "组合框_01权限", address = "编辑框_01IP地址", mask = "编辑框_01IP掩码",
                           mask_hint = "标签_01掩码提示", comment = "编辑框_01备注", generate = "按钮_01生成";
constexpr std::string_view tips_group = "分组框3", tips = "标签_01提示";
}  // namespace
}  // namespace name

const PageSpec& admin_account_page_spec() {
    static const PageSpec kPage{
        .caption = "添加管理账户",
        .tree = "添加管理员账户",
        .controls = {
            group_box(name::group, "添加ROS管理员账户"),
            edit(name::user, "用户名:", "MAVEK").at_most(64).in(name::group),
            edit(name::password, "密码:", "Mavek@2015").at_most(64).in(name::group),
            drop_down(name::level, "权限等级:", {"超级管理员", "可写管理员", "只读管理员"}, 0).in(name::group),
            edit(name::address, "允许访问ROS的IP地址:", "0.0.0.0").typed(ValueType::ipv4).in(name::group),
            edit(name::mask, "/", "0").typed(ValueType::prefix).in(name::group).beside(),
            label(name::mask_hint, "(默认 0.0.0.0/0,内外网都可以直接登陆访问Winbox)").in(name::group).beside(),
            edit(name::comment, "备注:", "ADMIN-MAVEK").in(name::group).hinted("(支持中文备注)"),
            button(name::generate, "5.X/6.X系列脚本生成").in(name::group),
            group_box(name::tips_group, "提示"),
            label(name::tips,
                  "超级管理员(full):系统默认拥有系统所有权限和操作权限,不受任何限制!\n\n"
                  "可写管理员(write):系统默认除了对policy及ftp无权限外(例如添加管理帐户等),其它均和超级管理员一样!\n\n"
                  "只读管理员(read):对系统所有操作均无权限,只有查看只读权限!")
                .in(name::tips_group),
        }};
    return kPage;
}

Result generate_admin_account(const AdminAccountFields& f) {
    if (f.user.empty()) return Result::refuse("请输入要添加的管理员名称!", name::user);
    if (f.password.empty()) return Result::refuse("请输入管理员的密码!", name::password);
    static constexpr const char* kGroups[] = {"full", "write", "read"};
    const std::string group = f.level >= 0 && f.level <= 2 ? kGroups[f.level] : "";
    return Result::ok("/user add name=" + quote_value(f.user) + " password=" + quote_value(f.password) +
                      " group=" + quote_text(group) + " address=" + quote_value(f.address + "/" + f.mask) +
                      " comment=" + ros_comment(f.comment));
}

namespace {

Outcome run_admin_account(const Form& form, Env&) {
    return Outcome::from(generate_admin_account({
        .user = form.text(name::user),
        .password = form.text(name::password),
        .level = form.index(name::level),
        .address = form.text(name::address),
        .mask = form.text(name::mask),
        .comment = form.text(name::comment),
    }));
}

}  // namespace

PageEntry admin_account_page() {
    return {&admin_account_page_spec(), {{name::generate, run_admin_account}}};
}

}  // namespace vorlix
