#include "generators/scripts/Ddns.hpp"

#include "generators/scripts/ScriptTemplate.hpp"
#include "script/quote.hpp"
#include "script/text.hpp"

namespace vorlix {

const std::array<DdnsProviderInfo, 4>& ddns_providers() {
    static constexpr std::array<DdnsProviderInfo, 4> kProviders{{
        {DdnsProvider::f3322, "f3322", ".f3322.net", "https://www.pubyun.com/"},
        {DdnsProvider::huashengke, "花生壳", ".oicp.net", "https://hsk.oray.com/"},
        {DdnsProvider::meibu, "每步", ".meibu.com", "http://www.meibu.com/"},
        {DdnsProvider::changeip, "changeip", ".changeip.net", "https://www.changeip.com/"},
    }};
    return kProviders;
}

const DdnsProviderInfo& ddns_provider(DdnsProvider provider) {
    return ddns_providers()[static_cast<std::size_t>(provider)];
}

std::optional<std::string> ddns_update_script(const DdnsFields& f) {
    std::string_view file;
    switch (f.provider) {
        case DdnsProvider::f3322:
        case DdnsProvider::changeip:
            file = "ddns_dns_update.rsc";
            break;
        case DdnsProvider::huashengke:
            file = "ddns_http_update.rsc";
            break;
        case DdnsProvider::meibu:
            return std::nullopt;
    }
    // Account, password and host name sit in quoted strings of the script; the interface is a
    // quoted string in the DNS-update script and a bare word in the HTTP one.
    const bool bare_interface = f.provider == DdnsProvider::huashengke;
    return fill_placeholders(script_template(file),
                             {
                                 {"{账号}", escape_value(f.account)},
                                 {"{密码}", escape_value(f.password)},
                                 {"{域名}", escape_value(f.prefix + f.suffix)},
                                 {"{网卡}", bare_interface ? bare_value(f.interface) : escape_value(f.interface)},
                             });
}

std::optional<std::string> generate_ddns(const DdnsFields& f) {
    const std::optional<std::string> script = ddns_update_script(f);
    if (!script) return std::nullopt;
    return "/system scheduler add name=Mavek_DDNS interval=00:05:00 start-time=startup "
           "policy=ftp,reboot,read,write,policy,test,password,sniff,sensitive on-event=" +
           quote_script(*script);
}

}  // namespace vorlix
