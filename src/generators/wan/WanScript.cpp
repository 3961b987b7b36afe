#include "generators/wan/WanScript.hpp"

#include "script/ipv4.hpp"
#include "script/quote.hpp"
#include "script/text.hpp"

namespace vorlix {

std::vector<std::string> ether_items(int count) {
    std::vector<std::string> items;
    for (int i = 1; i <= count; ++i) items.push_back("ether" + std::to_string(i));
    return items;
}

std::string mss_clamp_line(std::string_view mss) {
    return "/ip firewall mangle add chain=forward protocol=tcp tcp-flags=syn action=change-mss new-mss=" +
           bare_value(mss);
}

std::string lan_address_line(std::string_view address, std::string_view prefix, std::string_view lan) {
    // One value: quoting the address and the prefix apart would glue a quoted string to "/24".
    return "/ip address add address=" + bare_value(std::string(address) + "/" + std::string(prefix)) +
           " interface=" + bare_value(lan) + " comment=" + quote_text("lan");
}

std::string dns_line(std::string_view first, std::string_view second, std::string_view cache_kib) {
    return "/ip dns set allow-remote-requests=yes cache-size=" + std::string(cache_kib) +
           " max-udp-packet-size=512 servers=" + bare_value(dns_servers(first, second));
}

std::string pppoe_client_line(std::size_t i, const Row& row) {
    return "/interface pppoe-client add name=" + quote_text("pppoe-out" + std::to_string(i)) +
           " interface=" + quote_value(cell_of(row, 2)) + " user=" + quote_value(cell_of(row, 0)) +
           " password=" + quote_value(cell_of(row, 1)) + " add-default-route=no disabled=no";
}

std::string pinned_gateway(std::string_view gateway, std::string_view interface) {
    if (gateway.empty() || interface.empty()) return std::string(gateway);
    return std::string(gateway) + "%" + std::string(interface);
}

std::vector<std::string> line_problems(const Rows& rows) {
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string_view cell = cell_of(rows[i], 0);
        const std::size_t slash = cell.find('/');
        if (slash == std::string_view::npos) continue;
        if (auto p = gateway_problem(cell.substr(0, slash), cell.substr(slash + 1), cell_of(rows[i], 1)))
            problems.push_back("第" + std::to_string(i + 1) + "条线路: " + *p);
    }
    return problems;
}

std::string problems_warning(const std::vector<std::string>& problems) {
    if (problems.empty()) return {};
    std::string text = "脚本已生成,但以下设置在路由器上不能正常工作,请检查:";
    for (const std::string& p : problems) text += "\n" + p;
    return text;
}

Result refuse_with_empty_caption(std::string text) {
    return {{}, Message{std::move(text), kIconInformation, std::string(), {}}};
}

}  // namespace vorlix
