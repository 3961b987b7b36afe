#include "support/ros_args.hpp"

#include <gtest/gtest.h>

#include "forms/press.hpp"
#include "generators/all_pages.hpp"

namespace vorlix::test {
namespace {

TEST(RosArgs, ReadsCommandLinesAsTheRouterDoes) {
    struct Case {
        std::string_view why, line;
        bool ok;
    };
    const Case cases[] = {
        {"plain arguments", "/ip address add address=10.0.0.1/24 interface=ether1", true},
        {"a quoted value with escapes", R"(/user add name="a\"b" password="pa\$word" comment="\D6\D0")", true},
        {"a command inside", R"(/file remove [find name="x.backup"])", true},
        {"an empty quoted value", R"(add comment="")", true},
        {"a dollar in a bare word", "add name=pa$word", false},
        {"a question mark in a bare word", "add name=x?y", false},
        {"an unescaped dollar in quotes", R"(add name="pa$word")", false},
        {"a quote glued to a word", R"(add name=a"b")", false},
        {"text glued after a quote", R"(add comment="1"_route)", false},
        {"an unknown escape", R"(add comment="\q")", false},
        {"an unclosed quote", R"(add comment="abc)", false},
        {"an unclosed command", "/file remove [find name=x", false},
        {"a control byte", "add name=a\x01", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(!command_line_problem(c.line).has_value(), c.ok) << command_line_problem(c.line).value_or("");
    }
    EXPECT_EQ(command_lines("add a=1 \\\r\n    b=2\r\n:local x\r\n\r\n{ :put 1 }\r\n/x"),
              (std::vector<std::string>{"add a=1     b=2", "/x"}));
}

// Every button of every page, pressed on the page's defaults, writes lines the router reads as meant.
TEST(RosArgs, EveryDefaultScriptReads) {
    for (const PageEntry* page : registry().entries()) {
        for (const Binding& b : page->bindings) {
            if (b.kind != BindingKind::generate) continue;
            SCOPED_TRACE(b.control);
            SeededRandom random(3);
            Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
            const Outcome o = press(*page, Form::defaults(*page->spec), b.control, env);
            if (o.script) EXPECT_EQ(script_problem(*o.script), std::nullopt);
        }
    }
}

}  // namespace
}  // namespace vorlix::test
