#include "generators/firewall/PingBlock.hpp"

#include "generators/firewall/FirewallText.hpp"
#include "script/quote.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view group = "分组框_41Ping", network = "编辑框_41内网网段", prefix = "编辑框_41内网网段掩码",
                           lan = "按钮_41禁止内网ping生成", outside = "按钮_41禁止外网ping生成", all = "按钮_41生成";
}  // namespace
}  // namespace name

const PageSpec& ping_block_page_spec() {
    static const PageSpec kPage{
        .caption = "禁止Ping",
        .controls = {
            group_box(name::group, "Ping"),
            edit(name::network, "内网网段:", "192.168.0.0").typed(ValueType::ipv4).in(name::group),
            edit(name::prefix, "/", "24").typed(ValueType::prefix).in(name::group).beside().hinted("(设置内网网段)"),
            button(name::lan, "生成禁止内网Ping的脚本").in(name::group),
            button(name::outside, "生成禁止外网Ping的脚本").in(name::group).beside(),
            button(name::all, "禁止内外网对路由的ICMP数据包(禁止来自内外网的Ping)").in(name::group),
        }};
    return kPage;
}

std::string generate_ping_block(const PingBlockFields& f, PingScope scope) {
    // Echo requests (type 8) only: replies and errors addressed to the router keep coming in.
    constexpr std::string_view kHead = "/ip firewall filter add chain=input ";
    constexpr std::string_view kMatch = "protocol=icmp icmp-options=8:0-255 action=drop comment=";
    const std::string lan = f.network + "/" + f.prefix;
    switch (scope) {
        case PingScope::lan:
            // The comment names the network in front of the escaped 禁止Ping.
            return std::string(kHead) + "src-address=" + bare_value(lan) + " " + std::string(kMatch) + "\"" +
                   escape_value(f.network) + "  \\BD\\FB\\D6\\B9Ping\"";
        case PingScope::outside:
            return std::string(kHead) + "src-address=" + negated_value(lan) + " " + std::string(kMatch) +
                   quote_text("\\BD\\FB\\D6\\B9\\CD\\E2\\CD\\F8Ping");
        case PingScope::all:
            break;
    }
    return std::string(kHead) + std::string(kMatch) + quote_text("No Ping");
}

namespace {

template <PingScope Scope>
Outcome run_ping_block(const Form& form, Env&) {
    return Outcome::from(Result::ok(
        generate_ping_block({.network = form.text(name::network), .prefix = form.text(name::prefix)}, Scope)));
}

}  // namespace

PageEntry ping_block_page() {
    return {&ping_block_page_spec(),
            {{name::lan, run_ping_block<PingScope::lan>},
             {name::outside, run_ping_block<PingScope::outside>},
             {name::all, run_ping_block<PingScope::all>}}};
}

}  // namespace vorlix
