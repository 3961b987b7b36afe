#include "generators/wan/VlanPppoe.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view lines = "分组框_18列表";
constexpr std::string_view account = "编辑框_18配置账号";
constexpr std::string_view password = "编辑框_18配置密码";
constexpr std::string_view vlan_id = "编辑框_18配置VLANID";
constexpr std::string_view add = "按钮_18添加账号";
constexpr std::string_view modify = "按钮_18修改账号";
constexpr std::string_view remove = "按钮_18删除账号";
constexpr std::string_view list = "超级列表框_18";
}  // namespace
}  // namespace name

const LineListSpec& vlan_pppoe_list() {
    static const LineListSpec kList{
        .list = name::list,
        .inputs = {name::account, name::password, name::vlan_id},
        .keys = {{0, "宽带账号: "}, {2, "VLAN ID: "}},
        .add_button = name::add,
        .modify_button = name::modify,
        .delete_button = name::remove,
    };
    return kList;
}

const PageSpec& vlan_pppoe_page_spec() {
    static const PageSpec kPage{
        .caption = "VLAN多线PPPoE",
        .tree = "VLAN多线PPPoE拨号",
        .controls = {
            group_box(name::lines, "当前配置PPPoE账号"),
            edit(name::account, "宽带账号:", "adsl0001").at_most(64).in(name::lines),
            edit(name::password, "宽带密码:", "123456").at_most(64).in(name::lines),
            edit(name::vlan_id, "VLAN  ID:", "1").in(name::lines),
            button(name::add, "添加账号").in(name::lines),
            button(name::modify, "修改账号").in(name::lines).beside(),
            button(name::remove, "删除账号").in(name::lines).beside(),
            line_list(name::list, {{"宽带账号", 180}, {"宽带密码", 180}, {"VLAN ID", 100}}).in(name::lines),
        }};
    return kPage;
}

PageEntry vlan_pppoe_page() {
    return {&vlan_pppoe_page_spec(), line_list_bindings<vlan_pppoe_list>()};
}

}  // namespace vorlix
