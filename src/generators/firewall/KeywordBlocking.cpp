#include "generators/firewall/KeywordBlocking.hpp"

#include "generators/firewall/RecommendedFirewall.hpp"

#include "generators/firewall/FirewallText.hpp"
#include "script/quote.hpp"
#include "script/ros_escape.hpp"
#include "script/script_builder.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view keywords_group = "分组框_47关键字", keywords_label = "标签_47关键词",
                           keywords = "编辑框_47关键词", restrict_clients = "选择框_47封锁ip",
                           network = "编辑框_47ip段", prefix = "编辑框_47ip段掩码";
constexpr std::string_view deny_group = "分组框_47封锁", deny = "按钮_47封锁关键词";
constexpr std::string_view allow_group = "分组框_47允许", allow = "按钮_47允许关键词";
constexpr std::string_view firewall_group = "分组框_47推荐防火墙", firewall_note = "标签_47推荐防火墙",
                           firewall = "按钮_47生成";
constexpr std::string_view tips_group = "分组框_47小提示", tips = "标签_47小提示";
}  // namespace
}  // namespace name

const PageSpec& keyword_blocking_page_spec() {
    static const PageSpec kPage{
        .caption = "封关键字和域名",
        .controls = {
            group_box(name::keywords_group, "封锁关键字脚本生成(批量)"),
            label(name::keywords_label, "要封锁的关键字或域名(支持中文):").in(name::keywords_group),
            multi_line_edit(name::keywords, "迅雷\r\nPOPO\r\nwww.example.com").in(name::keywords_group),
            check_box(name::restrict_clients, "要封锁或允许的IP/IP段:", false).in(name::keywords_group),
            edit(name::network, "", "192.168.0.0").typed(ValueType::ipv4).in(name::keywords_group).beside(),
            edit(name::prefix, "/", "24")
                .typed(ValueType::prefix)
                .in(name::keywords_group)
                .beside()
                .hinted("(指定所限制的IP或IP段,默认不启用为封锁所有IP)"),

            group_box(name::deny_group, "批量生成[封锁]关键词脚本"),
            button(name::deny, "封锁关键词脚本(封锁列表的关键词)").in(name::deny_group),
            group_box(name::allow_group, "批量生成[允许]关键词脚本").beside(),
            button(name::allow, "允许访问脚本(只允许列表的关键词、其他全部屏蔽)").in(name::allow_group),

            group_box(name::firewall_group, "推荐防火墙(Firewall)脚本"),
            label(name::firewall_note,
                  "此脚本包含众多的放火墙策略，屏蔽病毒端口，限制单机连接数，屏蔽木马后门，压制DOS攻击等等。")
                .in(name::firewall_group),
            button(name::firewall, "5.X/6.X系列脚本生成").in(name::firewall_group),

            group_box(name::tips_group, "小提示"),
            label(name::tips,
                  "非特别情况请不要用此功能,此功能将会影响网页显示.\n"
                  "关键字按网页请求的内容匹配:例如封锁关键字\"qq\",所有请求中含有qq的网页都会被封锁,"
                  "而不只是qq.com。\n"
                  "允许访问脚本先放行含有列表关键词的请求,最后一条规则丢弃其余所有带\"Host:\"的网页请求"
                  "(每个网页请求都带有Host:),所以只有列表中的网站能打开;勾选IP/IP段时只对这些电脑生效。")
                .in(name::tips_group),
        }};
    return kPage;
}

std::optional<std::string> generate_keyword_rules(const KeywordFields& f, KeywordList list) {
    if (f.keywords.empty()) return std::nullopt;
    const std::string clients =
        f.restrict_clients ? "src-address=" + bare_value(f.network + "/" + f.prefix) + " " : std::string();
    const std::string head = "/ip firewall filter add chain=forward " + clients + "protocol=tcp dst-port=80 content=";
    const std::string action = list == KeywordList::deny ? " action=drop comment=" : " action=accept comment=";
    ScriptBuilder b;
    for (const std::string_view keyword : typed_lines(f.keywords)) {
        const std::string q = ros_comment(keyword);
        b.line(head + q + action + q + " disabled=no");
    }
    // An allow list with nothing on it would only block the web.
    if (list == KeywordList::allow && !b.empty()) {
        // Every HTTP request names its host in a "Host:" header, while the handshake packets carry no
        // content: connections still open, and a request the rules above did not accept is dropped.
        b.line(head + quote_text("Host:") + " action=drop comment=" + quote_text("LanJieAll 80") + " disabled=no");
    }
    return b.str();
}

namespace {

template <KeywordList List>
Outcome run_keywords(const Form& form, Env&) {
    Outcome o;
    o.script = generate_keyword_rules(
        {
            .keywords = form.text(name::keywords),
            .restrict_clients = form.checked(name::restrict_clients),
            .network = form.text(name::network),
            .prefix = form.text(name::prefix),
        },
        List);
    return o;
}

}  // namespace

PageEntry keyword_blocking_page() {
    return {&keyword_blocking_page_spec(),
            {{name::deny, run_keywords<KeywordList::deny>},
             {name::allow, run_keywords<KeywordList::allow>},
             recommended_firewall_binding()}};
}

}  // namespace vorlix
