#include "generators/system/StartPage.hpp"

#include "data/embedded.hpp"

namespace vorlix {

const PageSpec& start_page_spec() {
    static const PageSpec kPage{
        .caption = "系统",
        .outer = 0,
        .inner = 0,
        .controls = {multi_line_edit("编辑框3", std::string(embedded_file("faq.txt")))},
    };
    return kPage;
}

PageEntry start_page() {
    return {&start_page_spec(), {}};
}

}  // namespace vorlix
