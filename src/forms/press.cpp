#include "forms/press.hpp"

#include "forms/checks.hpp"

namespace vorlix {

const Binding* PageEntry::binding(std::string_view control) const {
    for (const Binding& b : bindings)
        if (b.control == control) return &b;
    return nullptr;
}

namespace {

Outcome refused(Message m) {
    Outcome o;
    o.message = std::move(m);
    return o;
}

}  // namespace

Outcome press(const PageEntry& page, const Form& form, std::string_view name, Env& env) {
    const Binding* b = page.binding(name);
    if (b == nullptr || b->run == nullptr) return {};
    // Only a script is checked: what edits the page itself (a row added, a click) runs as it is.
    if (b->kind != BindingKind::generate) return b->run(form, env);

    // Lengths first: an overlong value is refused before a generator repeats it on every line.
    if (auto m = bound_problem(*page.spec, form)) return refused(std::move(*m));
    form.forget_reads();
    Outcome o = b->run(form, env);
    if (!o.script && !o.insertion) return o;
    if (o.script && o.script->size() > kMaxScriptBytes) return Outcome::from(too_long_script(o.script->size()));
    if (auto m = gbk_problem(*page.spec, form, form.reads())) return refused(std::move(*m));
    const std::vector<std::string> problems = type_problems(*page.spec, form, form.reads());
    if (!problems.empty()) {
        std::string text = "脚本已生成,但以下输入不像路由器能接受的值,请检查:";
        for (const std::string& p : problems) text += "\n" + p;
        if (o.message) {
            o.message->text += "\n\n" + text;
            o.message->icon = kIconWarning;
        } else {
            o.message = Message{std::move(text), kIconWarning};
        }
    }
    return o;
}

void apply_updates(Form& form, const std::vector<ControlUpdate>& updates) {
    for (const ControlUpdate& u : updates) form.at(u.name) = u.value;
}

std::vector<ControlUpdate> changed_values(const Form& before, const Form& after) {
    std::vector<ControlUpdate> updates;
    for (const auto& [name, value] : after.values()) {
        const FieldValue* was = before.find(name);
        if (was == nullptr || *was != value) updates.push_back({name, value, std::nullopt});
    }
    return updates;
}

namespace {

// A reaction: the binding runs and the form takes what it changes.
Outcome react(const PageEntry& page, Form& form, std::string_view name, Env& env) {
    Outcome o = press(page, form, name, env);
    apply_updates(form, o.updates);
    return o;
}

}  // namespace

Outcome click(const PageEntry& page, Form& form, std::string_view name, Env& env) {
    const ControlSpec* c = page.spec->find(name);
    const Binding* b = page.binding(name);
    if (c == nullptr || b == nullptr || b->kind != BindingKind::action) return {};
    const bool clicked =
        c->kind == ControlKind::check_box || (c->kind == ControlKind::radio_button && form.checked(name));
    if (!clicked) return {};
    return react(page, form, name, env);
}

std::vector<ControlUpdate> settle(const PageEntry& page, const Form& form, Env& env) {
    std::vector<ControlUpdate> updates;
    for (const ControlSpec& c : page.spec->controls) {
        if (c.kind != ControlKind::check_box && c.kind != ControlKind::radio_button) continue;
        // The reaction runs on a copy. A control it greys out shows what the page puts there (the user
        // could not have typed anything else); one left usable keeps the file's value (a suffix a radio
        // button would fill in, say, that the user then changed).
        Form scratch = form;
        for (ControlUpdate& u : click(page, scratch, c.name, env).updates) {
            if (!u.enabled) continue;
            const FieldValue* v = form.find(u.name);
            const bool keep = *u.enabled && v != nullptr;
            updates.push_back({u.name, keep ? *v : u.value, u.enabled});
        }
    }
    return updates;
}

Outcome change(const PageEntry& page, Form& form, std::string_view name, Env& env) {
    const Binding* b = page.binding(name);
    if (b == nullptr || b->kind != BindingKind::change) return {};
    return react(page, form, name, env);
}

std::vector<ControlUpdate> follow_changes(const PageEntry& page, Form& form, const std::vector<ControlUpdate>& changed,
                                          Env& env) {
    std::vector<ControlUpdate> updates;
    for (const ControlUpdate& u : changed)
        for (ControlUpdate& r : change(page, form, u.name, env).updates) updates.push_back(std::move(r));
    return updates;
}

std::optional<std::string> insert_into_editor(const PageSpec& page, Form& form, const Insertion& insertion) {
    for (const ControlSpec& c : page.controls) {
        if (c.kind != ControlKind::editor) continue;
        std::string& text = form.at(c.name).text;
        if (insertion.at == InsertAt::new_line) text += "\r\n";
        text += insertion.text;
        return text;
    }
    return std::nullopt;
}

std::optional<std::string> fill(const PageEntry& page, Form& form, const FormInput& input, Env& env) {
    const PageSpec& spec = *page.spec;
    for (const auto& [list, row] : input.rows)
        if (auto e = add_row(spec, form, list, row)) return e;
    for (const auto& [name, value] : input.sets) {
        if (auto e = set_control(spec, form, name, value)) return e;
        click(page, form, name, env);
        change(page, form, name, env);
    }
    return std::nullopt;
}

}  // namespace vorlix
