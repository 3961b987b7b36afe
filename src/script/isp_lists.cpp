#include "script/isp_lists.hpp"

#include <string>

#include "data/embedded.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

struct Stored {
    std::string_view key;
    std::string_view file;
};

constexpr std::array<Stored, kIspLists.size()> kStored = {{
    {"telecom", "isp/telecom.txt"},
    {"unicom", "isp/unicom.txt"},
    {"mobile", "isp/mobile.txt"},
    {"netcom", "isp/netcom.txt"},
    {"tietong", "isp/tietong.txt"},
    {"greatwall", "isp/greatwall.txt"},
    {"cernet", "isp/cernet.txt"},
    {"qq_servers", "isp/qq_servers.txt"},
    {"all_china", "isp/all_china.txt"},
}};

const Stored& stored(IspList list) {
    return kStored[static_cast<std::size_t>(list)];
}

}  // namespace

std::string_view isp_key(IspList list) {
    return stored(list).key;
}

std::optional<IspList> isp_list_by_key(std::string_view key) {
    for (const IspList list : kIspLists)
        if (isp_key(list) == key) return list;
    return std::nullopt;
}

std::string_view isp_keys_text() {
    static const std::string kText = [] {
        std::string text;
        for (const IspList list : kIspLists) text += (text.empty() ? "" : ", ") + std::string(isp_key(list));
        return text;
    }();
    return kText;
}

std::string_view isp_list_text(IspList list) {
    return embedded_file(stored(list).file);
}

std::vector<std::string_view> isp_list_entries(IspList list) {
    return split_lines(isp_list_text(list));
}

}  // namespace vorlix
