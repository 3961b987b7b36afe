#include "generators/system/StartPage.hpp"

#include "data/embedded.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view faq = "编辑框3";
}
}  // namespace name

const PageSpec& start_page_spec() {
    static const PageSpec kPage{
        .caption = "系统",
        .controls = {multi_line_edit(name::faq, std::string(embedded_file("faq.txt")))},
    };
    return kPage;
}

PageEntry start_page() {
    return {&start_page_spec(), {}};
}

}  // namespace vorlix
