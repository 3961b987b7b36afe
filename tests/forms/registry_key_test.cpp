#include <gtest/gtest.h>

#include "generators/all_pages.hpp"

namespace vorlix {
namespace {

Outcome nothing(const Form&, Env&) {
    return {};
}

// A side window's button that shares its name with a main-window button is listed, and found, only
// under the window's caption; the plain name keeps meaning the main window's button.
TEST(RegistryKeys, ClashingWindowButtonsAreQualifiedWithTheWindowCaption) {
    const PageSpec main_page{.caption = "主页", .controls = {button("按钮_生成", "a")}};
    const PageSpec side{
        .caption = "窗口", .window = "窗口", .controls = {button("按钮_生成", "b"), button("按钮_x", "c")}};
    const Registry reg({{kOuterTabs[0], {{&main_page, {{"按钮_生成", nothing}}}}}},
                       {{&side, {{"按钮_生成", nothing}, {"按钮_x", nothing}}}});
    const PageEntry& w = reg.windows()[0];
    EXPECT_EQ(reg.key_of(w, w.bindings[0]), "窗口/按钮_生成");
    EXPECT_EQ(reg.key_of(w, w.bindings[1]), "按钮_x");
    EXPECT_EQ(reg.find("按钮_生成").page, &reg.areas()[0].pages[0]);
    EXPECT_EQ(reg.find("窗口/按钮_生成").binding, &w.bindings[0]);
    EXPECT_EQ(reg.find("窗口/按钮_x").binding, &w.bindings[1]);
    EXPECT_EQ(reg.find("别的窗口/按钮_生成").binding, nullptr);
}

TEST(RegistryKeys, EveryListedKeyFindsItsOwnButton) {
    const Registry& reg = registry();
    for (const PageEntry* page : reg.entries())
        for (const Binding& b : page->bindings) EXPECT_EQ(reg.find(reg.key_of(*page, b)).binding, &b) << b.control;
}

}  // namespace
}  // namespace vorlix
