// Presses any button of any page on a form filled from the fuzzer's bytes: texts that are not UTF-8,
// control bytes, values as long as their field allows, line lists with rows of any width. Whatever the
// form holds, a press must not crash or trip a sanitizer, its script must stay under the size bound, and
// every command line of the script must read as the router reads it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

#include "forms/checks.hpp"
#include "forms/control_kind.hpp"
#include "forms/press.hpp"
#include "generators/all_pages.hpp"
#include "support/ros_args.hpp"

namespace {

using namespace vorlix;

std::string text_value(FuzzedDataProvider& in, std::size_t bound) {
    // Mostly short texts; now and then one as long as the field allows, built from a repeated piece.
    if (in.ConsumeIntegralInRange<int>(0, 15) != 0) return in.ConsumeRandomLengthString(64);
    const std::string piece = in.ConsumeRandomLengthString(8);
    const std::size_t length = in.ConsumeIntegralInRange<std::size_t>(0, bound);
    std::string text;
    while (!piece.empty() && text.size() < length) text += piece;
    text.resize(std::min(text.size(), length));
    return text;
}

void fill_from(FuzzedDataProvider& in, const PageSpec& page, Form& form) {
    std::vector<const ControlSpec*> inputs;
    for (const ControlSpec& c : page.controls)
        if (kind_info(c.kind).is_input()) inputs.push_back(&c);
    if (inputs.empty()) return;
    const int changes = in.ConsumeIntegralInRange<int>(0, 12);
    for (int k = 0; k < changes && in.remaining_bytes() > 0; ++k) {
        const ControlSpec& c = *inputs[in.ConsumeIntegralInRange<std::size_t>(0, inputs.size() - 1)];
        FieldValue& v = form.at(c.name);
        switch (kind_info(c.kind).value) {
            case ValueForm::text:
                v.text = text_value(in, byte_bound(c));
                break;
            case ValueForm::flag:
                v.checked = in.ConsumeBool();
                break;
            case ValueForm::pick:
                v.index = in.ConsumeIntegralInRange<int>(-1, static_cast<int>(c.items.size()));
                v.text = in.ConsumeBool() ? in.ConsumeRandomLengthString(16)
                                          : (v.index >= 0 && v.index < static_cast<int>(c.items.size())
                                                 ? c.items[static_cast<std::size_t>(v.index)]
                                                 : std::string());
                break;
            case ValueForm::rows: {
                v.rows.clear();
                const int rows = in.ConsumeIntegralInRange<int>(0, 6);
                for (int r = 0; r < rows; ++r) {
                    Row row(in.ConsumeIntegralInRange<std::size_t>(0, c.columns.size() + 2));
                    for (std::string& cell : row) cell = text_value(in, byte_bound(c));
                    v.rows.push_back(std::move(row));
                }
                v.index = in.ConsumeIntegralInRange<int>(-1, rows);
                break;
            }
            case ValueForm::number:
                // Also outside the range: a binding must cope with whatever a form file held.
                v.index = in.ConsumeIntegralInRange<int>(c.minimum - 2, c.maximum + 2);
                break;
            case ValueForm::none:
                break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::vector<const PageEntry*>& entries = registry().entries();
    const PageEntry& page = *entries[in.ConsumeIntegralInRange<std::size_t>(0, entries.size() - 1)];
    if (page.bindings.empty()) return 0;
    const Binding& binding = page.bindings[in.ConsumeIntegralInRange<std::size_t>(0, page.bindings.size() - 1)];
    Form form = Form::defaults(*page.spec);
    SeededRandom random(in.ConsumeIntegral<std::uint32_t>());
    fill_from(in, *page.spec, form);
    Env env{random, {2016, 3, 5, 7, 8, 9}, ""};  // no data directory: nothing is written
    const Outcome o = press(page, form, binding.control, env);
    if (!o.script || binding.kind != BindingKind::generate) return 0;
    if (o.script->size() > kMaxScriptBytes) {
        std::fprintf(stderr, "%s: a script of %zu bytes\n", binding.control.c_str(), o.script->size());
        std::abort();
    }
    if (auto problem = test::script_problem(*o.script)) {
        std::fprintf(stderr, "%s: %s\n", binding.control.c_str(), problem->c_str());
        std::abort();
    }
    return 0;
}
