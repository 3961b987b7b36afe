#include "forms/form_file.hpp"

#include <nlohmann/json.hpp>

#include "forms/control_kind.hpp"

namespace vorlix {
namespace {

using Json = nlohmann::ordered_json;  // keeps the page's order in a written file, the file's when read

constexpr std::string_view kFormatKey = "vorlix-form";

std::string in_quotes(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

bool saved(const ControlSpec& c) {
    return kind_info(c.kind).is_input() && c.kind != ControlKind::editor;
}

Json value_json(const ControlSpec& c, const FieldValue& v) {
    switch (kind_info(c.kind).value) {
        case ValueForm::flag:
            return v.checked;
        case ValueForm::rows:
            return v.rows;
        case ValueForm::pick:
            return value_text(c, v);
        case ValueForm::number:
            return v.index;
        case ValueForm::text:
        case ValueForm::none:
            break;
    }
    return v.text;
}

FormFileRead problem(FormFileProblem what, std::string message, std::string control = {}) {
    FormFileRead r;
    r.problem = what;
    r.message = std::move(message);
    r.control = std::move(control);
    return r;
}

// A value of the file as the text set_control takes for its control, or why it is the wrong type.
// Whole numbers are taken where a text is (a port, a count typed as a number), but no boolean is
// taken as a text and no text or number as a line list.
std::optional<std::string> value_as_text(const ControlSpec& c, const Json& v, std::string& out) {
    const ValueForm form = kind_info(c.kind).value;
    if (form == ValueForm::rows) {
        if (!v.is_array()) return "line list " + c.name + " takes an array of rows, each an array of cell texts";
        out = v.dump();
        return std::nullopt;
    }
    if (form == ValueForm::flag) {
        if (v.is_boolean()) {
            out = v.get<bool>() ? "1" : "0";
            return std::nullopt;
        }
        if ((v.is_number_integer() && (v == 0 || v == 1)) || (v.is_string() && (v == "0" || v == "1"))) {
            out = v.is_string() ? v.get<std::string>() : std::to_string(v.get<int>());
            return std::nullopt;
        }
        return "control " + c.name + " takes true or false, not " + v.dump();
    }
    if (v.is_string()) {
        out = v.get<std::string>();
        return std::nullopt;
    }
    if (v.is_number_integer()) {
        out = v.is_number_unsigned() ? std::to_string(v.get<unsigned long long>()) : std::to_string(v.get<long long>());
        return std::nullopt;
    }
    if (form == ValueForm::number)  // a slider: say what it takes, as for a text that is no number
        return "control " + c.name + " takes a whole number from " + std::to_string(c.minimum) + " to " +
               std::to_string(c.maximum) + ", not " + v.dump();
    return "control " + c.name + " takes a text, not " + v.dump();
}

}  // namespace

std::string form_file_text(const PageSpec& page, const Form& form, std::string_view version) {
    // Written by hand rather than by the library's indenting, so that a file reads and diffs as one
    // control a line, a line list's rows included, with Chinese as it is.
    const auto dump = [](const Json& j) { return j.dump(-1, ' ', false, Json::error_handler_t::replace); };
    std::string out = "{\n  " + dump(kFormatKey) + ": " + std::to_string(kFormFileFormat) +
                      ",\n  \"page\": " + dump(page.caption) + ",\n  \"version\": " + dump(version) +
                      ",\n  \"values\": {";
    const char* separator = "\n    ";
    for (const ControlSpec& c : page.controls) {
        if (!saved(c)) continue;
        const FieldValue* v = form.find(c.name);
        out += separator + dump(c.name) + ": " + dump(value_json(c, v != nullptr ? *v : FieldValue{}));
        separator = ",\n    ";
    }
    return out + "\n  }\n}\n";
}

FormFileRead read_form_file(const PageSpec& page, const Form& base, std::string_view json) {
    // The file, its values, a line list, a row: anything deeper is no form, and is refused before the
    // parser or a copy of what it parsed could recurse through thousands of levels.
    if (json_depth(json) > 4)
        return problem(FormFileProblem::not_a_form, "the form file nests arrays or objects deeper than a form does");
    Json file;
    try {
        file = Json::parse(json);
    } catch (const Json::parse_error& e) {
        return problem(FormFileProblem::not_json, "the form file is not valid JSON (at byte " + std::to_string(e.byte) +
                                                      "; is the file complete?)");
    }
    if (!file.is_object())
        return problem(FormFileProblem::not_a_form,
                       "the form file must hold a JSON object: a saved form, or control name -> value");

    FormFileRead read;
    const Json* values = &file;
    const bool headed = file.contains(kFormatKey);
    if (headed) {
        const Json& format = file[std::string(kFormatKey)];
        if (!format.is_number_integer() || format.get<long long>() < 1)
            return problem(FormFileProblem::not_a_form, "the form file's \"vorlix-form\" is not a format number");
        if (format.get<long long>() > kFormFileFormat)
            return problem(FormFileProblem::newer_format, "the form file has format " + format.dump() +
                                                              ", written by a newer Vorlix; this one reads " +
                                                              "format " + std::to_string(kFormFileFormat));
        const auto page_it = file.find("page");
        const auto values_it = file.find("values");
        if (page_it == file.end() || !page_it->is_string())
            return problem(FormFileProblem::not_a_form, "the form file names no page (\"page\")");
        if (values_it == file.end() || !values_it->is_object())
            return problem(FormFileProblem::not_a_form, "the form file has no object of values (\"values\")");
        read.file_page = page_it->get<std::string>();
        if (read.file_page != page.caption) {
            FormFileRead r =
                problem(FormFileProblem::other_page, "the form file is for page " + in_quotes(read.file_page) +
                                                         ", not for page " + in_quotes(page.caption));
            r.file_page = read.file_page;
            return r;
        }
        values = &*values_it;
    }

    // Set on a copy, so that a refused value leaves nothing half-applied.
    Form form = base;
    for (const auto& [name, value] : values->items()) {
        const ControlSpec* c = page.find(name);
        if (c == nullptr || !kind_info(c->kind).is_input()) {
            if (!headed)
                return problem(FormFileProblem::unknown_control,
                               "page " + in_quotes(page.caption) + " has no input control " + name, name);
            read.ignored.push_back(name);
            continue;
        }
        std::string text;
        if (auto e = value_as_text(*c, value, text)) return problem(FormFileProblem::bad_value, *e, name);
        if (auto e = set_control(page, form, name, text)) return problem(FormFileProblem::bad_value, *e, name);
    }
    read.form = std::move(form);
    return read;
}

}  // namespace vorlix
