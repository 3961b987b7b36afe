#pragma once
// Forms with something other than the default in every field, for tests that must show that a value
// survives a trip (a form file, the widgets) whatever it holds.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "forms/control_kind.hpp"
#include "forms/form.hpp"

namespace vorlix::test {

// What a form file keeps: every input control but the script editors.
inline bool kept_in_form_file(const ControlSpec& c) {
    return kind_info(c.kind).is_input() && c.kind != ControlKind::editor;
}

// Each input control of the page set, as a user could set it, to something other than its default:
// texts get one of the values that break scripts or JSON when handled carelessly, check boxes flip,
// radio buttons are chosen, drop-down lists take their last item, line lists get two rows of such
// texts. `variant` shifts which text lands where, so that over six variants each field gets each text.
inline Form hostile_form(const PageSpec& page, std::size_t variant) {
    static const std::vector<std::string> kHostile = {"a\"b", "pa$word", "x?y", " ", "中文\\备注", "{\"k\": [1]}"};
    Form f = Form::defaults(page);
    std::size_t n = variant;
    const auto next = [&] { return kHostile[n++ % kHostile.size()]; };
    for (const ControlSpec& c : page.controls) {
        if (!kept_in_form_file(c)) continue;
        std::string value;
        switch (kind_info(c.kind).value) {
            case ValueForm::flag:
                value = f.checked(c.name) ? "0" : "1";
                break;
            case ValueForm::pick:
                value = "#" + std::to_string(static_cast<int>(c.items.size()) - 1);
                break;
            case ValueForm::rows: {
                nlohmann::json rows = nlohmann::json::array();
                for (int r = 0; r < 2; ++r) {
                    nlohmann::json row = nlohmann::json::array();
                    for (std::size_t i = 0; i < c.columns.size(); ++i) row.push_back(next());
                    rows.push_back(row);
                }
                value = rows.dump();
                break;
            }
            case ValueForm::number:
                value = std::to_string(f.index(c.name) == c.maximum ? c.minimum : c.maximum);
                break;
            case ValueForm::text:
            case ValueForm::none:
                value = next();
                break;
        }
        EXPECT_FALSE(set_control(page, f, c.name, value)) << c.name << " = " << value;
    }
    return f;
}

// The values of the controls a form file keeps are the same in both forms.
inline void expect_same_kept_values(const PageSpec& page, const Form& want, const Form& got) {
    for (const ControlSpec& c : page.controls) {
        if (!kept_in_form_file(c)) continue;
        SCOPED_TRACE(c.name);
        const FieldValue* w = want.find(c.name);
        const FieldValue* g = got.find(c.name);
        ASSERT_NE(w, nullptr);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->text, w->text);
        EXPECT_EQ(g->checked, w->checked);
        EXPECT_EQ(g->rows, w->rows);
        if (c.kind == ControlKind::drop_down || c.kind == ControlKind::slider) {
            EXPECT_EQ(g->index, w->index);
        }
    }
}

}  // namespace vorlix::test
