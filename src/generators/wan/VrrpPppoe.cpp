#include "generators/wan/VrrpPppoe.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view lines = "分组框_1a列表";
constexpr std::string_view account = "编辑框_1a配置账号";
constexpr std::string_view password = "编辑框_1a配置密码";
constexpr std::string_view add = "按钮_1a添加账号";
constexpr std::string_view modify = "按钮_1a修改账号";
constexpr std::string_view remove = "按钮_1a删除账号";
constexpr std::string_view list = "超级列表框_1a";
}  // namespace
}  // namespace name

const LineListSpec& vrrp_pppoe_list() {
    static const LineListSpec kList{
        .list = name::list,
        .inputs = {name::account, name::password},
        .keys = {{0, "宽带账号: "}},
        .add_button = name::add,
        .modify_button = name::modify,
        .delete_button = name::remove,
    };
    return kList;
}

const PageSpec& vrrp_pppoe_page_spec() {
    static const PageSpec kPage{.caption = "VRRP多线PPPoE",
                                .tree = "VRRP多线PPPoE拨号",
                                .controls = {
                                    group_box(name::lines, "当前配置列表"),
                                    edit(name::account, "宽带账号:", "adsl0001").at_most(64).in(name::lines),
                                    edit(name::password, "宽带密码:", "123456").at_most(64).in(name::lines),
                                    button(name::add, "添加账号").in(name::lines),
                                    button(name::modify, "修改账号").in(name::lines).beside(),
                                    button(name::remove, "删除账号").in(name::lines).beside(),
                                    line_list(name::list, {{"宽带账号", 180}, {"宽带密码", 180}}).in(name::lines),
                                }};
    return kPage;
}

PageEntry vrrp_pppoe_page() {
    return {&vrrp_pppoe_page_spec(), line_list_bindings<vrrp_pppoe_list>()};
}

}  // namespace vorlix
