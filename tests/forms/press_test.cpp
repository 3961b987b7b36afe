#include "forms/press.hpp"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

// A page whose check box and second radio button have reactions: each writes what it saw into the edit
// box, so a test can tell whether (and on which form) the reaction ran.
Outcome report(const Form& form, std::string_view what) {
    Outcome o;
    o.updates.push_back({"e", FieldValue{.text = std::string(what) + (form.checked("c") ? " c=1" : " c=0")}});
    return o;
}
Outcome on_check(const Form& form, Env&) {
    return report(form, "check");
}
Outcome on_radio(const Form& form, Env&) {
    return report(form, "radio");
}
Outcome generate(const Form& form, Env&) {
    return Outcome::from(Result::ok("script of " + form.text("e")));
}

const PageSpec& page() {
    static const PageSpec kPage{.caption = "t",
                                .controls = {
                                    edit("e", "", "start"),
                                    check_box("c", "c", false),
                                    radio_button("r1", "1", true),
                                    radio_button("r2", "2", false),
                                    line_list("list", {{"x", 10}}),
                                    button("b", "go"),
                                }};
    return kPage;
}

PageEntry entry() {
    return {&page(), {{"c", on_check, BindingKind::action}, {"r2", on_radio, BindingKind::action}, {"b", generate}}};
}

struct Fixture {
    SeededRandom random{1};
    Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
    PageEntry page = entry();
    Form form = Form::defaults(*page.spec);
};

TEST(Press, RunsTheBindingOfTheControlOnTheGivenForm) {
    Fixture f;
    f.form.at("e").text = "typed";
    EXPECT_EQ(press(f.page, f.form, "b", f.env).script, "script of typed");
    // A control without a binding, or no control at all, gives nothing.
    const Outcome none = press(f.page, f.form, "e", f.env);
    EXPECT_FALSE(none.script || none.message || !none.updates.empty());
    EXPECT_FALSE(press(f.page, f.form, "nothing", f.env).script);
}

// What counts as a click: a check box either way, a radio button only when it ends up checked, never a
// generate button; the reaction sees the new state and its updates land in the form.
TEST(Press, ClicksRunThePagesReactionsOnTheNewState) {
    struct Case {
        std::string_view why, control, value, want_e;
    };
    const Case cases[] = {
        {"check box checked", "c", "1", "check c=1"},       {"check box cleared", "c", "0", "check c=0"},
        {"radio button checked", "r2", "1", "radio c=0"},   {"radio button cleared is no click", "r2", "0", "start"},
        {"a radio without a reaction", "r1", "1", "start"}, {"typing into a box is no click", "e", "x", "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Fixture f;
        FormInput input;
        input.sets = {{std::string(c.control), std::string(c.value)}};
        EXPECT_FALSE(fill(f.page, f.form, input, f.env));
        EXPECT_EQ(f.form.text("e"), c.want_e);
    }
    // click() on a generate button runs nothing.
    Fixture f;
    EXPECT_FALSE(click(f.page, f.form, "b", f.env).script);
}

TEST(Press, FillAppendsRowsThenSetsAndStopsAtTheFirstBadInput) {
    Fixture f;
    FormInput input;
    input.rows = {{"list", R"(["a"])"}, {"list", R"(["b"])"}};
    input.sets = {{"e", "v"}, {"c", "1"}};
    EXPECT_FALSE(fill(f.page, f.form, input, f.env));
    EXPECT_EQ(f.form.rows("list"), (Rows{{"a"}, {"b"}}));
    EXPECT_EQ(f.form.text("e"), "check c=1");  // the click came after the typing

    Fixture g;
    input.rows = {{"list", R"(["a","b"])"}};
    const auto error = fill(g.page, g.form, input, g.env);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("list"), std::string::npos) << *error;
    input.rows.clear();
    input.sets = {{"nope", "1"}};
    EXPECT_TRUE(fill(g.page, g.form, input, g.env));
}

// A form set all at once (a form file loaded): the reactions of its check boxes and checked radio
// buttons run in display order on a copy, and only what they grey out or make usable comes back. A
// greyed control takes the reaction's value; a usable one keeps the loaded value (a suffix a radio
// button fills in, which the user then changed).
Outcome grey(const Form& form, Env&) {
    Outcome o;
    o.updates.push_back({"e", FieldValue{.text = "overwritten"}, !form.checked("c")});
    return o;
}

TEST(Press, SettleKeepsTheLoadedValuesAndReturnsOnlyWhatIsUsable) {
    Fixture f;
    f.page = {&page(), {{"c", grey, BindingKind::action}, {"r2", on_radio, BindingKind::action}}};
    f.form.at("e").text = "loaded";
    f.form.at("c").checked = true;
    f.form.at("r1").checked = false;
    f.form.at("r2").checked = true;
    const Form before = f.form;

    const std::vector<ControlUpdate> updates = settle(f.page, f.form, f.env);
    EXPECT_EQ(f.form.values(), before.values());
    // The radio's reaction says nothing about usability, so only the check box's greying comes back.
    ASSERT_EQ(updates.size(), 1u);
    EXPECT_EQ(updates[0].name, "e");
    EXPECT_EQ(updates[0].value.text, "overwritten");
    EXPECT_EQ(updates[0].enabled, std::optional<bool>(false));

    // An unchecked radio button is not a click: nothing of it runs.
    f.form.at("r2").checked = false;
    f.form.at("c").checked = false;
    const std::vector<ControlUpdate> unchecked = settle(f.page, f.form, f.env);
    ASSERT_EQ(unchecked.size(), 1u);
    EXPECT_EQ(unchecked[0].value.text, "loaded");
    EXPECT_EQ(unchecked[0].enabled, std::optional<bool>(true));
}

// A page that reacts to every change of a box and of a slider: the reaction writes what it saw into a
// label; an edit box whose reaction waits for the box to be left reacts to nothing here.
Outcome on_change(const Form& form, Env&) {
    Outcome o;
    o.updates.push_back({"seen", FieldValue{.text = form.text("typed") + "/" + std::to_string(form.index("s"))}});
    return o;
}

TEST(Press, ChangesRunTheChangeReactionOnTheNewValue) {
    static const PageSpec kPage{.caption = "t",
                                .controls = {
                                    edit("typed", "", "a"),
                                    edit("left", "", ""),
                                    slider("s", "", 1, 32, 1, 1),
                                    label("seen", ""),
                                }};
    const PageEntry page{&kPage,
                         {{"typed", on_change, BindingKind::change},
                          {"s", on_change, BindingKind::change},
                          {"left", on_change, BindingKind::action}}};
    struct Case {
        std::string_view why, control, value, seen;
    };
    const Case cases[] = {
        {"text typed", "typed", "xy", "xy/1"},
        {"slider moved", "s", "24", "a/24"},
        {"a box that waits to be left", "left", "z", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        SeededRandom random(1);
        Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
        Form form = Form::defaults(kPage);
        FormInput input;
        input.sets = {{std::string(c.control), std::string(c.value)}};
        EXPECT_FALSE(fill(page, form, input, env));
        EXPECT_EQ(form.text("seen"), c.seen);
    }
    // A slider's value is its position within its range, written and read as a whole number.
    Form form = Form::defaults(kPage);
    EXPECT_EQ(default_of(*kPage.find("s")), "1");
    EXPECT_FALSE(set_control(kPage, form, "s", "32"));
    EXPECT_EQ(form.index("s"), 32);
    EXPECT_EQ(value_text(*kPage.find("s"), form.at("s")), "32");
    for (const std::string_view bad : {"0", "33", "", "+5", "05", "1.5", "x"})
        EXPECT_TRUE(set_control(kPage, form, "s", bad)) << bad;
    EXPECT_EQ(form.index("s"), 32);
}

}  // namespace
}  // namespace vorlix
