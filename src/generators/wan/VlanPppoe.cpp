#include "generators/wan/VlanPppoe.hpp"

namespace vorlix {

const LineListSpec& vlan_pppoe_list() {
    static const LineListSpec kList{
        .list = "超级列表框_18",
        .inputs = {"编辑框_18配置账号", "编辑框_18配置密码", "编辑框_18配置VLANID"},
        .keys = {{0, "宽带账号: "}, {2, "VLAN ID: "}},
        .add_button = "按钮_18添加账号",
        .modify_button = "按钮_18修改账号",
        .delete_button = "按钮_18删除账号",
    };
    return kList;
}

const PageSpec& vlan_pppoe_page_spec() {
    static const PageSpec kPage{
        .caption = "VLAN多线PPPoE",
        .outer = 1,
        .inner = 8,
        .controls = {
            group_box("分组框_18列表", "当前配置PPPoE账号"),
            edit("编辑框_18配置账号", "宽带账号:", "adsl0001").in("分组框_18列表"),
            edit("编辑框_18配置密码", "宽带密码:", "123456").in("分组框_18列表"),
            edit("编辑框_18配置VLANID", "VLAN  ID:", "1").in("分组框_18列表"),
            button("按钮_18添加账号", "添加账号").in("分组框_18列表"),
            button("按钮_18修改账号", "修改账号").in("分组框_18列表").beside(),
            button("按钮_18删除账号", "删除账号").in("分组框_18列表").beside(),
            line_list("超级列表框_18", {{"宽带账号", 180}, {"宽带密码", 180}, {"VLAN ID", 100}}).in("分组框_18列表"),
        }};
    return kPage;
}

PageEntry vlan_pppoe_page() {
    return {&vlan_pppoe_page_spec(), line_list_bindings<vlan_pppoe_list>()};
}

}  // namespace vorlix
