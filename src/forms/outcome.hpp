#pragma once
// What a press of a button gives back to the window that holds the button.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/form.hpp"

namespace vorlix {

// Message box icons, with the codes the program has always used.
enum MessageIcon : int {
    kIconError = 16,
    kIconQuestion = 32,
    kIconOkCancel = 33,  // question with OK and Cancel
    kIconYesNo = 36,     // question with Yes and No
    kIconWarning = 48,
    kIconInformation = 64,
};

struct Message {
    std::string text;
    int icon = kIconInformation;
    std::optional<std::string> caption;  // none: the box shows "信息："
    std::string focus;                   // control that gets the focus afterwards, "" for none
};

// A generator's answer: the script, or the message that refuses it. A script may come with a warning:
// it stands, but something the user typed looks wrong for a router (a gateway outside its network).
struct Result {
    std::string script;
    std::optional<Message> refusal;
    std::optional<Message> warning;

    static Result ok(std::string text) { return {std::move(text), std::nullopt, std::nullopt}; }
    static Result ok(std::string text, std::string warning) {
        if (warning.empty()) return ok(std::move(text));
        return {std::move(text), std::nullopt, Message{std::move(warning), kIconWarning}};
    }
    static Result refuse(std::string text, std::string_view focus = {}, int icon = kIconInformation) {
        return {{}, Message{std::move(text), icon, std::nullopt, std::string(focus)}};
    }
};

struct ControlUpdate {
    std::string name;
    FieldValue value;
    std::optional<bool> enabled;  // set: the control becomes usable (true) or greyed out (false)
};

// Text that goes into the window's editor beside what it holds, as one step the user can undo.
enum class InsertAt {
    caret,     // in place of the selection, or at the caret when nothing is selected
    new_line,  // at the end of the text, after a line end of its own
};

struct Insertion {
    std::string text;
    InsertAt at = InsertAt::caret;
};

struct Outcome {
    std::optional<std::string> script;    // replaces the content of the window's editor
    std::optional<Insertion> insertion;   // goes into the window's editor
    std::optional<Message> message;       // shown in a message box
    std::vector<ControlUpdate> updates;   // new values of controls on the page
    std::optional<std::string> web_page;  // a web address to open in the default browser
    // Text for the clipboard. Only the window has one; the command line leaves it out.
    std::optional<std::string> clipboard;

    static Outcome from(Result r) {
        Outcome o;
        if (r.refusal) {
            o.message = std::move(r.refusal);
        } else {
            o.script = std::move(r.script);
            o.message = std::move(r.warning);
        }
        return o;
    }
};

}  // namespace vorlix
