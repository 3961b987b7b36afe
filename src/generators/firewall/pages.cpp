// The pages of the outer tab "防火墙", in tab order.
#include "generators/pages.hpp"
#include "generators/firewall/ArpBinding.hpp"
#include "generators/firewall/BlockPortsAddresses.hpp"
#include "generators/firewall/BlockSoftware.hpp"
#include "generators/firewall/ConnectionLimit.hpp"
#include "generators/firewall/KeywordBlocking.hpp"
#include "generators/firewall/PingBlock.hpp"
#include "generators/firewall/PortMapping.hpp"

namespace vorlix {

std::vector<PageEntry> firewall_pages() {
    static const PageSpec kIndex{.caption = "防火墙", .tree = "防火墙(Firewall)"};
    return {unbuilt_page(kIndex),  ping_block_page(),   arp_binding_page(),           connection_limit_page(),
            block_software_page(), port_mapping_page(), block_ports_addresses_page(), keyword_blocking_page()};
}

}  // namespace vorlix
