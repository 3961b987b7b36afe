#include "generators/firewall/BlockSoftware.hpp"

#include <cstddef>

#include "generators/firewall/FixedRuleSets.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view thunder_group = "分组框441", thunder_note = "标签441";
constexpr std::string_view xuanfeng_group = "分组框442", xuanfeng_note = "标签442";
constexpr std::string_view p2p_group = "分组框443", p2p_note = "标签443";
constexpr std::string_view qq_chat_group = "分组框444", qq_chat_note = "标签444";
constexpr std::string_view pplive_group = "分组框445", pplive_note = "标签445";
constexpr std::string_view qq_live_group = "分组框446", qq_live_note = "标签446";
}  // namespace
}  // namespace name

namespace {

constexpr const char* kGenerate = "5.X/6.X系列脚本生成";
// Both download groups carry this description.
constexpr const char* kDownloadNote =
    "让迅雷只能使用原始地址下载(既一个线程下载),和IE下载一样,不影响迅雷登陆及相关迅雷网站！";

// The page's buttons, in the order fixed_rule_sets() lists them.
constexpr std::size_t kButtons = 8;

template <std::size_t I>
Outcome run_rule_set(const Form&, Env&) {
    static_assert(I < kButtons);
    return Outcome::from(generate_fixed_rule_set(fixed_rule_sets()[I].button));
}

}  // namespace

const PageSpec& block_software_page_spec() {
    static const PageSpec kPage{
        .caption = "封锁软件类",
        .summary = "用7层协议过滤封锁下载、游戏、聊天等软件",
        .controls = {
            button(name::layer7_catalogue, "7层协议过滤脚本生成"),

            group_box(name::thunder_group, "封迅雷多线程下载脚本生成"),
            label(name::thunder_note, kDownloadNote).in(name::thunder_group),
            button(name::block_thunder, kGenerate).in(name::thunder_group),
            button(name::block_thunder_fully, "彻底封迅雷下载5.X/6.X系列脚本生成").in(name::thunder_group).beside(),

            group_box(name::xuanfeng_group, "封QQ旋风下载脚本生成"),
            label(name::xuanfeng_note, kDownloadNote).in(name::xuanfeng_group),
            button(name::block_xuanfeng, kGenerate).in(name::xuanfeng_group).beside(),

            group_box(name::p2p_group, "批量禁止部分网络软件脚本生成"),
            label(name::p2p_note, "批量禁止《电骡/屁屁狗(PPGOU)/KUGO酷狗/比特精灵/宝酷/百度下吧》！")
                .in(name::p2p_group),
            button(name::block_p2p_tools, kGenerate).in(name::p2p_group).beside(),

            group_box(name::qq_chat_group, "禁止QQ聊天脚本生成"),
            label(name::qq_chat_note, "禁止QQ登陆,不影响腾讯其他业务及网站(适合企业用户使用)!").in(name::qq_chat_group),
            button(name::block_qq_chat, kGenerate).in(name::qq_chat_group).beside(),

            group_box(name::pplive_group, "禁止PPlive网络电视脚本生成"),
            label(name::pplive_note, "禁止PPlive网络电视在线观看！").in(name::pplive_group),
            button(name::block_pplive, kGenerate).in(name::pplive_group),

            group_box(name::qq_live_group, "禁止腾讯QQ直播脚本生成").beside(),
            label(name::qq_live_note, "禁止腾讯QQ直播,禁止后将无法连接获取列表!").in(name::qq_live_group),
            button(name::block_qq_live, kGenerate).in(name::qq_live_group),
        }};
    return kPage;
}

PageEntry block_software_page() {
    return {&block_software_page_spec(),
            {{fixed_rule_sets()[0].button, run_rule_set<0>},
             {fixed_rule_sets()[1].button, run_rule_set<1>},
             {fixed_rule_sets()[2].button, run_rule_set<2>},
             {fixed_rule_sets()[3].button, run_rule_set<3>},
             {fixed_rule_sets()[4].button, run_rule_set<4>},
             {fixed_rule_sets()[5].button, run_rule_set<5>},
             {fixed_rule_sets()[6].button, run_rule_set<6>},
             {fixed_rule_sets()[7].button, run_rule_set<7>}}};
}

}  // namespace vorlix
