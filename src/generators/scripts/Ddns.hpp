#pragma once
// Page "DDNS动态域名服务": a scheduler entry that keeps a dynamic-DNS host name pointed at the
// address of the router's outside interface, for one of four providers.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/page_entry.hpp"

namespace vorlix {

enum class DdnsProvider { f3322, huashengke, meibu, changeip };

struct DdnsProviderInfo {
    DdnsProvider provider;
    std::string_view caption;  // the radio button's caption
    std::string_view suffix;   // the domain suffix a click on the radio button puts after the prefix
    std::string_view signup;   // the provider's web site, where an account is made
};

// The four providers in the order of the radio buttons and of the suffix list.
const std::array<DdnsProviderInfo, 4>& ddns_providers();
const DdnsProviderInfo& ddns_provider(DdnsProvider provider);

struct DdnsFields {
    DdnsProvider provider = DdnsProvider::f3322;
    std::string account, password;
    std::string prefix, suffix;  // the host name is the two joined as they stand
    std::string interface;       // whose address the provider is told
};

// "/system scheduler add ... on-event=<script>": every five minutes the router reads the address of
// the interface and hands it to the provider: by a DNS update with the account as key name and the
// password as key (f3322, changeip), or by an HTTP request to the provider's update server (花生壳).
// Nothing for 每步, which has no update script.
std::optional<std::string> generate_ddns(const DdnsFields& f);

// The update script alone, as the scheduler entry stores and runs it (the typed values escaped for
// the quoted strings they stand in), or nothing for 每步.
std::optional<std::string> ddns_update_script(const DdnsFields& f);

const PageSpec& ddns_page_spec();
PageEntry ddns_page();
// The four tabs after the page, one a provider, in the order of the radio buttons: what each needs.
std::vector<PageEntry> ddns_provider_pages();

}  // namespace vorlix
