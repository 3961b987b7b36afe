#pragma once
// The one definition of what using a page does, shared by the window, vorlix-cli, the tests and the
// screenshot mode: a form filled as a user fills it, then a press.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/page_entry.hpp"

namespace vorlix {

// What a press of control `name` gives: the outcome of the page's binding for it, run on `form`.
// A control without a binding gives an empty outcome.
Outcome press(const PageEntry& page, const Form& form, std::string_view name, Env& env);

// A press's updates, applied to the form as the window shows them afterwards.
void apply_updates(Form& form, const std::vector<ControlUpdate>& updates);

// The updates that turn `before` into `after`: one for each value of `after` that `before` lacks or
// holds differently, so that controls a form leaves alone (captions, buttons) are not touched.
std::vector<ControlUpdate> changed_values(const Form& before, const Form& after);

// What a page's change bindings make of values set all at once (a loaded form file): each changed
// control's binding runs in turn on `form`, as if the user had typed the values one after another.
// Returns their updates, in order; `form` ends with them applied.
std::vector<ControlUpdate> follow_changes(const PageEntry& page, Form& form, const std::vector<ControlUpdate>& changed,
                                          Env& env);

// A click on a check box, or on a radio button that is now checked, as the window reacts to it: the
// page's action binding for it runs and its updates are applied to the form. Anything else is no
// click and changes nothing. Returns the binding's outcome (its message, if any).
Outcome click(const PageEntry& page, Form& form, std::string_view name, Env& env);

// Which controls a form set all at once (a form file loaded) leaves usable: the reactions of each check
// box, and each checked radio button, run as clicks in display order on a copy of the form, and their
// greying out or making usable again is returned. A greyed control gets the value the reaction gives
// it; a usable one keeps the form's value (a file says what each field holds, even where a click would
// have filled something else in). `form` itself is left as it is; apply_updates applies the result.
std::vector<ControlUpdate> settle(const PageEntry& page, const Form& form, Env& env);

// A control's value changed as the user changes it (text typed, a slider moved): the page's change
// binding for it runs and its updates are applied to the form. Returns the binding's outcome; a
// control without a change binding changes nothing.
Outcome change(const PageEntry& page, Form& form, std::string_view name, Env& env);

// An insertion into the page's editor as the window makes it with the caret at the end of the text
// and nothing selected; the form holds the editor's new text, which is returned. None when the page
// has no editor.
// Example: an editor holding ":local a" and a new-line insertion of ":put $a" give ":local a\r\n:put $a"
std::optional<std::string> insert_into_editor(const PageSpec& page, Form& form, const Insertion& insertion);

// How a user changes a form outside the window (a form file is read with read_form_file first): rows
// appended to line lists (a JSON array each), then single controls set from text, each of which is
// typed or clicked as set_control describes; a click or a change runs the page's reaction to it.
struct FormInput {
    std::vector<std::pair<std::string, std::string>> rows;  // line list -> JSON row
    std::vector<std::pair<std::string, std::string>> sets;  // control -> value
};

// Applies `input` to `form` in that order. Returns what was wrong with the input, naming it, or nothing;
// on an error the form may hold part of the input.
std::optional<std::string> fill(const PageEntry& page, Form& form, const FormInput& input, Env& env);

}  // namespace vorlix
