#include "forms/main_frame.hpp"

namespace vorlix {

const PageSpec& main_frame_spec() {
    static const PageSpec kFrame{
        .caption = "主窗口",
        .controls =
            {
                edit("编辑框_待替换", "", ""),
                edit("编辑框_替换为", "", ""),
                label("标签455", "将编辑器中的"),
                label("标签456", "替换为"),
                label("标签56", "当前版本:"),
                label("标签_版本", "beta V1.2"),
                label("标签503", "直接将脚本文件拖曳到上方↑编辑器里就可以直接显示内容,然后另存为即可"),
                button("按钮_子网计算工具", "子网计算工具"),
                button("按钮_路由表", "路由表生成器"),
                button("按钮_替换", "替换"),
                button(frame::language, "切换为繁体"),
                button("按钮_脚本编辑器", "脚本编辑器"),
                button("按钮_另存为", "内容另存为"),
                button("按钮_复制内容", "复制内容"),
                button(frame::export_packs, ""),
                // Its caption follows the tree; at the start it shows the first item.
                group_box(frame::page_frame, "系统"),
            },
    };
    return kFrame;
}

const PageSpec& form_file_buttons_spec() {
    static const PageSpec kButtons{
        .caption = "表单文件",
        .controls = {button(frame::save_form, "保存表单"), button(frame::load_form, "载入表单")},
    };
    return kButtons;
}

}  // namespace vorlix
