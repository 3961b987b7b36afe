#pragma once
// Pressing a registered button as a user would: the page's defaults, some controls changed, one press.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/press.hpp"
#include "generators/all_pages.hpp"

namespace vorlix::test {

// Control name -> the value typed or chosen, in the form `vorlix-cli --set` takes.
using Sets = std::vector<std::pair<std::string, std::string>>;

// The press happens at 07:08:09 on 5 March 2016, with a fixed seed unless a source is given.
inline Outcome press_outcome(std::string_view button, const Sets& sets = {}, RandomSource* random = nullptr,
                             const std::string& data_dir = {}) {
    const ButtonRef ref = registry().find(button);
    EXPECT_NE(ref.binding, nullptr) << button;
    if (ref.binding == nullptr) return {};
    Form form = Form::defaults(*ref.page->spec);
    SeededRandom seeded(1);
    Env env{random != nullptr ? *random : seeded, {2016, 3, 5, 7, 8, 9}, data_dir};
    FormInput input;
    input.sets = sets;
    if (auto e = fill(*ref.page, form, input, env)) ADD_FAILURE() << *e;
    Outcome o = vorlix::press(*ref.page, form, ref.binding->control, env);
    EXPECT_TRUE(form.unknown_reads().empty()) << form.unknown_reads().front();
    return o;
}

// The script of a press that must not be refused. A warning beside the script (a value that does not
// look like its field's kind, as hostile test values often do) is no refusal.
inline std::string press(std::string_view button, const Sets& sets = {}) {
    const Outcome o = press_outcome(button, sets);
    EXPECT_TRUE(o.script) << (o.message ? o.message->text : std::string());
    if (o.message) EXPECT_EQ(o.message->icon, kIconWarning) << o.message->text;
    return o.script.value_or("<no script>");
}

}  // namespace vorlix::test
