#include "forms/form_file.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "forms/recent_form_files.hpp"
#include "generators/all_pages.hpp"
#include "support/hostile_form.hpp"
#include "windows/core/SubnetCalculator.hpp"

namespace vorlix {
namespace {

using test::hostile_form;
using test::kept_in_form_file;

std::vector<const PageSpec*> built_pages() {
    std::vector<const PageSpec*> pages;
    for (const PageEntry* e : registry().entries())
        if (!e->spec->controls.empty()) pages.push_back(e->spec);
    return pages;
}

TEST(FormFile, EveryPageRoundTripsItsDefaultsAndHostileValues) {
    const std::vector<const PageSpec*> pages = built_pages();
    ASSERT_GT(pages.size(), 10u);
    std::set<std::string> captions;
    for (const PageSpec* page : pages) {
        SCOPED_TRACE(page->caption);
        // The page name is what a file is checked against, so it must tell the pages apart.
        EXPECT_TRUE(captions.insert(page->caption).second);
        const Form defaults = Form::defaults(*page);
        std::vector<Form> forms = {defaults};
        for (std::size_t variant = 0; variant < 6; ++variant) forms.push_back(hostile_form(*page, variant));
        for (const Form& f : forms) {
            const std::string text = form_file_text(*page, f, "9.8.7");
            const FormFileRead read = read_form_file(*page, defaults, text);
            ASSERT_TRUE(read.ok()) << read.message << "\n" << text;
            EXPECT_TRUE(read.ignored.empty());
            EXPECT_EQ(read.file_page, page->caption);
            for (const ControlSpec& c : page->controls) {
                if (!kept_in_form_file(c)) continue;
                ASSERT_NE(read.form.find(c.name), nullptr) << c.name;
                EXPECT_EQ(*read.form.find(c.name), *f.find(c.name)) << c.name;
            }
        }
    }
}

// A small page with one control of each kind a form file holds.
const PageSpec& sample_page() {
    static const PageSpec page{.caption = "样例",
                               .controls = {
                                   edit("e", "", "d"),
                                   check_box("c", "c", false),
                                   radio_button("r1", "1", true).in("g"),
                                   radio_button("r2", "2", false).in("g"),
                                   drop_down("dd", "", {"a", "b"}, 0),
                                   line_list("list", {{"x", 10}, {"y", 10}}),
                                   label("lab", "text"),
                               }};
    return page;
}

TEST(FormFile, TheFileReadsAsOneControlALineInDisplayOrder) {
    const PageSpec& page = sample_page();
    Form f = Form::defaults(page);
    ASSERT_FALSE(set_control(page, f, "list", R"([["10.0.0.1", "中文"]])"));
    ASSERT_FALSE(set_control(page, f, "r2", "1"));
    EXPECT_EQ(form_file_text(page, f, "1.2.0"), R"({
  "vorlix-form": 1,
  "page": "样例",
  "version": "1.2.0",
  "values": {
    "e": "d",
    "c": false,
    "r1": false,
    "r2": true,
    "dd": "a",
    "list": [["10.0.0.1","中文"]]
  }
}
)");
}

TEST(FormFile, BadFilesAreRefusedWholeAndSayWhy) {
    const PageSpec& page = sample_page();
    const Form base = Form::defaults(page);
    const auto headed = [](const std::string& values, const std::string& page_name = "样例") {
        return R"({"vorlix-form": 1, "page": ")" + page_name + R"(", "values": )" + values + "}";
    };
    struct Case {
        const char* why;
        std::string json;
        FormFileProblem problem;
        std::string control;   // the control the message must name, if any
        std::string mentions;  // and more it must say
    };
    const Case cases[] = {
        {"another page's file names both pages", headed(R"({"e": "x"})", "多线PPPoE负载"), FormFileProblem::other_page,
         "", "\"多线PPPoE负载\", not for page \"样例\""},
        {"a row of the wrong width", headed(R"({"e": "x", "list": [["a", "b"], ["c"]]})"), FormFileProblem::bad_value,
         "list", "1 cells; it takes 2"},
        {"cells must be texts", headed(R"({"list": [["a", 2]]})"), FormFileProblem::bad_value, "list", ""},
        {"a line list is not a text", headed(R"({"list": "a,b"})"), FormFileProblem::bad_value, "list", "array"},
        {"a text is not a boolean", headed(R"({"e": true})"), FormFileProblem::bad_value, "e", "true"},
        {"nor a fraction", headed(R"({"e": 1.5})"), FormFileProblem::bad_value, "e", "1.5"},
        {"nor null", headed(R"({"e": null})"), FormFileProblem::bad_value, "e", "null"},
        {"nor an object", headed(R"({"e": {"x": 1}})"), FormFileProblem::bad_value, "e", ""},
        {"a check box is not any text", headed(R"({"c": "yes"})"), FormFileProblem::bad_value, "c", "yes"},
        {"nor 2", headed(R"({"c": 2})"), FormFileProblem::bad_value, "c", ""},
        {"a drop-down list takes one of its items", headed(R"({"dd": "c"})"), FormFileProblem::bad_value, "dd",
         "\"a\", \"b\""},
        {"values not an object", headed(R"([["e", "x"]])"), FormFileProblem::not_a_form, "", "values"},
        {"no page", R"({"vorlix-form": 1, "values": {}})", FormFileProblem::not_a_form, "", "page"},
        {"a format that is no number", R"({"vorlix-form": "1", "page": "样例", "values": {}})",
         FormFileProblem::not_a_form, "", "format"},
        {"a newer format", R"({"vorlix-form": 2, "page": "样例", "values": {}})", FormFileProblem::newer_format, "",
         "format 2"},
        {"not an object", R"([1, 2])", FormFileProblem::not_a_form, "", "object"},
        {"not JSON", "e = x", FormFileProblem::not_json, "", "not valid JSON"},
        {"an empty file", "", FormFileProblem::not_json, "", "complete"},
        {"a plain object naming a control the page lacks", R"({"e": "x", "超级列表框_13": []})",
         FormFileProblem::unknown_control, "超级列表框_13", "\"样例\""},
        {"a label is no input", R"({"lab": "x"})", FormFileProblem::unknown_control, "lab", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const FormFileRead read = read_form_file(page, base, c.json);
        EXPECT_EQ(read.problem, c.problem) << read.message;
        EXPECT_EQ(read.control, c.control);
        if (!c.control.empty()) {
            EXPECT_NE(read.message.find(c.control), std::string::npos) << read.message;
        }
        EXPECT_NE(read.message.find(c.mentions), std::string::npos) << read.message;
        EXPECT_TRUE(read.form.values().empty());  // nothing to apply, not even the good values before the bad one
    }
}

// However a file is cut short, it is refused: nothing of a truncated file is applied.
TEST(FormFile, EveryTruncationIsRefused) {
    const PageSpec& page = *registry().find("按钮_13PCC生成").page->spec;
    Form f = Form::defaults(page);
    ASSERT_FALSE(
        set_control(page, f, "超级列表框_13",
                    R"([["218.85.167.150/24", "218.85.150.1", "ether2"], ["10.0.0.2/30", "10.0.0.1", "ether3"]])"));
    const std::string text = form_file_text(page, f, "1.2.0");
    const std::size_t end = text.rfind('}');
    for (std::size_t cut = 0; cut < end; ++cut) {
        const FormFileRead read = read_form_file(page, Form::defaults(page), text.substr(0, cut));
        ASSERT_FALSE(read.ok()) << "cut at " << cut << ": " << text.substr(0, cut);
        ASSERT_EQ(read.problem, FormFileProblem::not_json) << read.message;
    }
}

TEST(FormFile, ControlsThePageLacksAreLeftOutOfAHeadedFileAndNamed) {
    const PageSpec& page = sample_page();
    const FormFileRead read = read_form_file(
        page, Form::defaults(page),
        R"({"vorlix-form": 1, "page": "样例", "version": "0.9", "values": {"旧控件": "x", "e": "新", "c": true, "另一个": 1}})");
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_EQ(read.ignored, (std::vector<std::string>{"旧控件", "另一个"}));
    EXPECT_EQ(read.form.text("e"), "新");
    EXPECT_TRUE(read.form.checked("c"));
    EXPECT_EQ(read.form.text("dd"), "a");  // not in the file: the base's value
}

TEST(FormFile, PlainObjectsAndConvenientTypesAreRead) {
    const PageSpec& page = sample_page();
    Form base = Form::defaults(page);
    ASSERT_FALSE(set_control(page, base, "e", "typed before"));
    const FormFileRead read =
        read_form_file(page, base, R"({"c": 1, "r2": "1", "dd": "#1", "list": [["a", "b"]], "e": 1440})");
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_EQ(read.file_page, "");
    EXPECT_TRUE(read.form.checked("c"));
    EXPECT_TRUE(read.form.checked("r2"));
    EXPECT_FALSE(read.form.checked("r1"));  // choosing a radio button clears the others of its set
    EXPECT_EQ(read.form.text("dd"), "b");
    EXPECT_EQ(read.form.rows("list"), (Rows{{"a", "b"}}));
    EXPECT_EQ(read.form.text("e"), "1440");
}

TEST(RecentFormFiles, NewestFirstOncePerPathAtMostTen) {
    std::vector<RecentFormFile> list;
    for (int i = 0; i < 12; ++i) remember_form_file(list, {"/f/" + std::to_string(i) + ".json", "p"});
    remember_form_file(list, {"/f/5.json", "q"});
    ASSERT_EQ(list.size(), kRecentFormFiles);
    EXPECT_EQ(list[0], (RecentFormFile{"/f/5.json", "q"}));
    EXPECT_EQ(list[1].path, "/f/11.json");
    EXPECT_EQ(list[9].path, "/f/2.json");  // 0 and 1 fell off; 5 moved up and is not listed twice
    EXPECT_EQ(parse_recent_form_files(recent_form_files_text(list)), list);
}

TEST(RecentFormFiles, ADamagedListGivesWhatCanBeRead) {
    struct Case {
        const char* why;
        std::string json;
        std::vector<RecentFormFile> want;
    };
    const Case cases[] = {
        {"missing", "", {}},
        {"cut short", R"([{"path": "/a.json", "page": "p"}, {"path": "/b)", {}},
        {"not a list", R"({"path": "/a.json"})", {}},
        {"foreign entries skipped",
         R"([1, {"page": "p"}, {"path": ""}, {"path": "/a.json", "page": 3}])",
         {{"/a.json", ""}}},
        {"a path twice is listed once",
         R"([{"path": "/a.json", "page": "p"}, {"path": "/a.json", "page": "q"}])",
         {{"/a.json", "p"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(parse_recent_form_files(c.json), c.want);
    }
}

// A slider takes a whole number in its range; the message says so whatever the wrong value is.
TEST(FormFileRead, ASliderTakesAWholeNumberInItsRange) {
    const PageSpec& page = subnet_calculator_window_spec();
    for (const std::string value : {"1.5", "true", "null", "[1]", "\"x\"", "33"}) {
        SCOPED_TRACE(value);
        const FormFileRead read = read_form_file(page, Form::defaults(page), R"({"横向滚动条": )" + value + "}");
        EXPECT_EQ(read.problem, FormFileProblem::bad_value);
        EXPECT_NE(read.message.find("takes a whole number from 1 to 32"), std::string::npos) << read.message;
    }
    EXPECT_TRUE(read_form_file(page, Form::defaults(page), R"({"横向滚动条": 24})").ok());
}

}  // namespace
}  // namespace vorlix
