#pragma once
// Form files: the set-up of one page kept in a file, to load into the window again later or to hand
// to `vorlix-cli generate --form` in automation. A form file is JSON:
//
//   {"vorlix-form": 1, "page": "多线PPPoE负载", "version": "1.2.0",
//    "values": {"编辑框_13内网网卡": "ether1", "选择框_16自动": true, "超级列表框_16": [["a", "b", "c"]]}}
//
// "page" is the caption of the page it was saved from, "values" maps control names to values: texts
// as strings, check boxes and radio buttons as true or false, a drop-down list as its item's text,
// a line list as an array of rows, each an array of cell texts. A plain object of control name ->
// value without the header is read as well; it names no page, so it is checked more strictly.
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.hpp"
#include "forms/page_spec.hpp"

namespace vorlix {

// The format this program writes, and the newest it reads.
inline constexpr int kFormFileFormat = 1;

// The form file of `form` as page `page` shows it: every input control of the page except its script
// editors (they hold output, not set-up), in display order; `version` is the program's version.
// Example: form_file_text(page, Form::defaults(page), "1.2.0") is the file of the page's defaults.
std::string form_file_text(const PageSpec& page, const Form& form, std::string_view version);

// Why a form file was not read.
enum class FormFileProblem {
    none,
    not_json,         // not JSON at all, or cut short
    not_a_form,       // JSON, but not shaped like a form file
    newer_format,     // written by a newer program, in a format this one does not know
    other_page,       // saved from another page
    unknown_control,  // a plain object names a control the page does not have
    bad_value,        // a value of the wrong type, or one its control cannot take
};

struct FormFileRead {
    FormFileProblem problem = FormFileProblem::none;
    std::string message;    // in English, naming the pages or the control; empty when the file was read
    std::string file_page;  // the page the file names ("" for a plain object)
    std::string control;    // the control whose value was refused or unknown
    Form form;              // when read: the base form with every value of the file set
    // The controls of a headed file that the page does not have (a file from a version of the program
    // with other controls), in the file's order; the rest of the file is read.
    std::vector<std::string> ignored;

    bool ok() const { return problem == FormFileProblem::none; }
};

// Reads form file `json` for `page`, onto `base` (the form it changes; controls the file does not
// name keep their values from there). Either every value of the file is taken or none is: on a
// problem `form` is left empty and the caller keeps what it had.
// Example: read_form_file(page, Form::defaults(page), form_file_text(page, f, v)).form == f
//          for every form f of the page (editors aside).
FormFileRead read_form_file(const PageSpec& page, const Form& base, std::string_view json);

}  // namespace vorlix
