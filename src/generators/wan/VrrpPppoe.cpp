#include "generators/wan/VrrpPppoe.hpp"

namespace vorlix {

const LineListSpec& vrrp_pppoe_list() {
    static const LineListSpec kList{
        .list = "超级列表框_1a",
        .inputs = {"编辑框_1a配置账号", "编辑框_1a配置密码"},
        .keys = {{0, "宽带账号: "}},
        .add_button = "按钮_1a添加账号",
        .modify_button = "按钮_1a修改账号",
        .delete_button = "按钮_1a删除账号",
    };
    return kList;
}

const PageSpec& vrrp_pppoe_page_spec() {
    static const PageSpec kPage{
        .caption = "VRRP多线PPPoE",
        .outer = 1,
        .inner = 10,
        .controls = {
            group_box("分组框_1a列表", "当前配置列表"),
            edit("编辑框_1a配置账号", "宽带账号:", "adsl0001").in("分组框_1a列表"),
            edit("编辑框_1a配置密码", "宽带密码:", "123456").in("分组框_1a列表"),
            button("按钮_1a添加账号", "添加账号").in("分组框_1a列表"),
            button("按钮_1a修改账号", "修改账号").in("分组框_1a列表").beside(),
            button("按钮_1a删除账号", "删除账号").in("分组框_1a列表").beside(),
            line_list("超级列表框_1a", {{"宽带账号", 180}, {"宽带密码", 180}}).in("分组框_1a列表"),
        }};
    return kPage;
}

PageEntry vrrp_pppoe_page() {
    return {&vrrp_pppoe_page_spec(), line_list_bindings<vrrp_pppoe_list>()};
}

}  // namespace vorlix
