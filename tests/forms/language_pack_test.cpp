#include "forms/language_pack.hpp"

#include <gtest/gtest.h>

#include "generators/all_pages.hpp"
#include "generators/language_export.hpp"
#include "script/encoding.hpp"

namespace vorlix {
namespace {

// Marks what was converted, so a test sees which texts went through the conversion.
std::string mark(std::string_view text) {
    return text.empty() ? std::string() : "T(" + std::string(text) + ")";
}

TEST(LanguagePack, LineBreaksBecomeMarkersAndBack) {
    struct Case {
        std::string_view why, text, value;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb", "a><br><b"},
        {"a bare LF and a bare CR are breaks too", "a\nb\rc", "a><br><b><br><c"},
        {"an empty line stays", "a\r\n\r\nb", "a><br><><br><b"},
        {"no break", "中文", "中文"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(to_pack_value(c.text), c.value);
    }
    EXPECT_EQ(from_pack_value("a><br><b><br><"), "a\r\nb\r\n");
}

TEST(LanguagePack, OneSectionPerKindInOrderEveryControlCovered) {
    const PageSpec page{
        .caption = "页",
        .controls =
            {
                group_box("分组框7", "组"),
                edit("编辑框_x", "名称:", "值").in("分组框7").hinted("说明"),
                multi_line_edit("编辑框_多", "一\r\n二"),
                editor("编辑框_代码", "脚本"),
                editor("编辑框_其它", "也是编辑器"),
                label("标签1", ""),
                button("按钮_b", "生成"),
                check_box("选择框_c", "开启", false),
                radio_button("单选框_r", "甲", true),
                drop_down("组合框_d", "类型:", {"一", "二"}, 0),
            },
    };
    const PackText pack = language_pack_text({.pages = {&page}, .tree = "树型框1", .tree_items = {"系统"}}, mark);
    ASSERT_EQ(pack.error, std::nullopt);
    EXPECT_EQ(gbk_to_utf8(pack.bytes),
              "[编辑框1]\r\n编辑框_x=T(值)\r\n编辑框_多=T(一><br><二)\r\n"
              "[标签1]\r\n标签1=\r\n"
              "[按钮1]\r\n按钮_b=T(生成)\r\n"
              "[单选框1]\r\n单选框_r=T(甲)\r\n"
              "[选择框1]\r\n选择框_c=T(开启)\r\n"
              "[分组框1]\r\n分组框7=T(组)\r\n"
              "[输入标签1]\r\n编辑框_x=T(名称:)\r\n组合框_d=T(类型:)\r\n"
              "[提示1]\r\n编辑框_x=T(说明)\r\n"
              "[树型框1]\r\n树型框0=T(系统)\r\n");

    const LanguagePack parsed = LanguagePack::parse(pack.bytes);
    ASSERT_NE(parsed.find("标签1", "标签1"), nullptr);
    EXPECT_EQ(*parsed.find("标签1", "标签1"), "") << "an empty value is an entry";
    EXPECT_EQ(parsed.find("按钮1", "按钮_其它"), nullptr);
    EXPECT_EQ(parsed.find("编辑框1", "编辑框_代码"), nullptr) << "a script pane keeps its own text";
}

TEST(LanguagePack, RefusesWhatItCannotKeep) {
    const PageSpec one{.caption = "一", .controls = {button("按钮_同名", "生成")}};
    const PageSpec same{.caption = "二", .controls = {button("按钮_同名", "生成")}};
    const PageSpec other{.caption = "三", .controls = {button("按钮_同名", "保存")}};
    EXPECT_EQ(language_pack_text({.pages = {&one, &same}}, mark).error, std::nullopt)
        << "one name with one text is written once";
    const PackText clash = language_pack_text({.pages = {&one, &other}}, mark);
    ASSERT_TRUE(clash.error.has_value());
    EXPECT_NE(clash.error->find("按钮_同名"), std::string::npos);
    EXPECT_TRUE(clash.bytes.empty());

    // The pack is GBK: a converted text that GBK cannot hold would come back as "?".
    const PackText lost = language_pack_text({.pages = {&one}}, [](std::string_view) { return std::string("😀"); });
    ASSERT_TRUE(lost.error.has_value());
    EXPECT_NE(lost.error->find("GBK"), std::string::npos);
}

TEST(LanguageExport, EveryWindowOfTheRegistryHasItsOwnPack) {
    const PackExport packs = export_language_packs(mark);
    ASSERT_EQ(packs.error, std::nullopt);
    ASSERT_EQ(packs.files.size(), 1 + registry().windows().size());
    EXPECT_EQ(packs.files[0].name, "language1.ini");
    for (std::size_t i = 0; i < packs.files.size(); ++i)
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(packs.files[i].name, packs.files[j].name);

    // Every tree item, and a control of a page the tree does not reach.
    const LanguagePack main = LanguagePack::parse(packs.files[0].bytes);
    for (std::size_t i = 0; i < registry().tree().size(); ++i)
        EXPECT_NE(main.find("树型框1", tree_item_key(i)), nullptr) << i;
    ASSERT_NE(main.find("按钮1", "按钮_语言"), nullptr);
    EXPECT_EQ(*main.find("按钮1", "按钮_语言"), "T(切换为繁体)");
    for (const PageEntry& w : registry().windows()) {
        SCOPED_TRACE(w.spec->window);
        EXPECT_NE(side_window_pack_name(w), "language1.ini");
    }
}

}  // namespace
}  // namespace vorlix
