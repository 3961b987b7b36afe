// vorlix-cli: every generate button of Vorlix, without a window.
#include <CLI/CLI.hpp>

#ifdef _WIN32
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>
// _setmode
#include <fcntl.h>
#include <io.h>
#endif

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "forms/control_kind.hpp"
#include "forms/data_dir.hpp"
#include "forms/press.hpp"
#include "generators/all_pages.hpp"
#include "script/encoding.hpp"
#include "script/isp_lists.hpp"
#include "script/ros_date.hpp"
#include "script/ros_escape.hpp"
#include "script/text.hpp"
#include "windows/core/SubnetCalculator.hpp"

namespace vorlix {
namespace {

constexpr int kOk = 0, kRefused = 1, kUsage = 2;

int usage_error(const std::string& message) {
    std::cerr << "vorlix-cli: " << message << "\n";
    return kUsage;
}

void write_stdout(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

// One line of `show` or `list` must stay one line.
std::string one_line(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out;
}

int cmd_list() {
    const Registry& reg = registry();
    std::string out;
    for (const PageEntry* page : reg.entries()) {
        for (const Binding& b : page->bindings) {
            if (b.kind != BindingKind::generate) continue;
            const ControlSpec* c = page->spec->find(b.control);
            std::string caption = page->spec->window.empty() ? page->spec->caption : page->spec->window;
            out += reg.key_of(*page, b) + "\t" + one_line(caption) + "\t" + one_line(c ? c->text : "") + "\n";
        }
    }
    write_stdout(out);
    return kOk;
}

int cmd_show(const std::string& key) {
    const ButtonRef ref = registry().find(key);
    if (ref.binding == nullptr) return usage_error("unknown button " + key + " (see `vorlix-cli list`)");
    std::string out;
    for (const ControlSpec& c : ref.page->spec->controls) {
        // A panel only arranges other controls; it is nothing to set or read.
        if (c.kind == ControlKind::panel) continue;
        out += c.name + "\t" + std::string(kind_name(c.kind)) + "\t" + one_line(default_of(c)) + "\n";
    }
    write_stdout(out);
    return kOk;
}

std::optional<DateTime> parse_now(const std::string& text) {
    DateTime t;
    char tail = 0;
    if (text.size() != 19 || std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &t.year, &t.month, &t.day, &t.hour,
                                         &t.minute, &t.second, &tail) != 6)
        return std::nullopt;
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    return t;
}

struct GenerateOptions {
    std::string button;
    std::vector<std::string> sets, rows;
    std::string form_file, now, encoding = "utf8", output;
    std::optional<std::uint32_t> seed;
};

// What a press changed on its page, one control a line, each value in the form --set takes.
std::string updates_text(const PageSpec& page, const std::vector<ControlUpdate>& updates) {
    std::string out;
    for (const ControlUpdate& u : updates) {
        const ControlSpec* c = page.find(u.name);
        out += u.name + "\t" + (c != nullptr ? one_line(value_text(*c, u.value)) : one_line(u.value.text));
        if (u.enabled) out += *u.enabled ? "\tenabled" : "\tdisabled";
        out += "\n";
    }
    return out;
}

int cmd_isp_list(const std::string& key) {
    const std::optional<IspList> list = isp_list_by_key(key);
    if (!list) return usage_error("unknown list " + key + " (the lists are " + std::string(isp_keys_text()) + ")");
    write_stdout(isp_list_text(*list));
    return kOk;
}

int cmd_generate(const GenerateOptions& o) {
    const ButtonRef ref = registry().find(o.button);
    if (ref.binding == nullptr) return usage_error("unknown button " + o.button + " (see `vorlix-cli list`)");
    const PageSpec& page = *ref.page->spec;
    Form form = Form::defaults(page);
    if (!o.form_file.empty()) {
        std::ifstream in(o.form_file, std::ios::binary);
        if (!in) return usage_error("cannot read the form file " + o.form_file);
        const std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (auto e = apply_json(page, form, json)) return usage_error(o.form_file + ": " + *e);
    }
    FormInput input;
    for (const std::string& row : o.rows) {
        const std::size_t eq = row.find('=');
        if (eq == std::string::npos) return usage_error("--row takes LIST=JSON_ARRAY, not " + row);
        input.rows.emplace_back(row.substr(0, eq), row.substr(eq + 1));
    }
    for (const std::string& set : o.sets) {
        const std::size_t eq = set.find('=');
        if (eq == std::string::npos) return usage_error("--set takes NAME=VALUE, not " + set);
        input.sets.emplace_back(set.substr(0, eq), set.substr(eq + 1));
    }
    DateTime now = local_now();
    if (!o.now.empty()) {
        const std::optional<DateTime> t = parse_now(o.now);
        if (!t) return usage_error("--now takes YYYY-MM-DDTHH:MM:SS, not " + o.now);
        now = *t;
    }
    SeededRandom random = o.seed ? SeededRandom(*o.seed) : SeededRandom();
    Env env{random, now, data_dir()};
    if (auto e = fill(*ref.page, form, input, env)) return usage_error(*e);
    const Outcome outcome = press(*ref.page, form, ref.binding->control, env);
    if (outcome.message && !outcome.script) {
        std::cerr << outcome.message->text << "\n";
        return kRefused;
    }
    // A button that inserts into its window's editor prints the editor's text afterwards.
    std::optional<std::string> edited;
    if (outcome.insertion) edited = insert_into_editor(page, form, *outcome.insertion);
    std::string bytes = outcome.script ? *outcome.script : edited ? *edited : updates_text(page, outcome.updates);
    if (o.encoding == "gbk") bytes = utf8_to_gbk(bytes);
    if (outcome.message) std::cerr << outcome.message->text << "\n";
    if (o.output.empty()) {
        write_stdout(bytes);
        return kOk;
    }
    std::ofstream out(o.output, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "vorlix-cli: cannot write " << o.output << "\n";
        return kRefused;
    }
    return kOk;
}

int cmd_subnet(const std::string& text) {
    const std::optional<Subnet> s = parse_host_and_prefix(text);
    if (!s)
        return usage_error(
            "subnet takes ADDRESS/LEN: four numbers of 0 to 255 and a prefix length of 1 to 32, "
            "as 192.168.1.10/24, not " +
            text);
    std::string out;
    for (const std::string& line : subnet_report(*s)) out += line + "\n";
    write_stdout(out);
    return kOk;
}

int cmd_subnet_split(const std::string& octet, const std::string& count) {
    const std::optional<int> first = parse_octet(octet);
    if (!first) return usage_error("subnet-split takes a first octet of 0 to 255, not " + octet);
    const std::optional<int> index = subnet_count_index(count);
    if (!index) return usage_error("subnet-split takes a count of 1, 2, 4, 8, 16, 32, 64, 128 or 256, not " + count);
    const SubnetSplit split = split_network(*first, *index);
    std::string out = "子网掩码: " + split.mask + "\n每网段主机数: " + split.hosts + "\n";
    for (const std::string_view line : split_lines(split.ranges)) out.append(line).append("\n");
    write_stdout(out);
    return kOk;
}

// The text an escape command works on: the GBK bytes of the typed text, or its UTF-8 bytes.
std::string bytes_of(const std::string& text, bool utf8) {
    return utf8 ? text : utf8_to_gbk(text);
}

// The arguments as UTF-8. Windows hands a program its arguments in the ANSI code page, where a
// Chinese control name such as 按钮_01生成 may not survive; its wide command line holds them whole.
std::vector<std::string> utf8_arguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        std::vector<std::string> args;
        for (int i = 0; i < count; ++i) args.push_back(wide_to_utf8(wide[i]));
        LocalFree(wide);
        return args;
    }
#endif
    return {argv, argv + argc};
}

}  // namespace
}  // namespace vorlix

namespace vorlix {
namespace {

int run(int argc, const char* const* argv) {
    CLI::App app{"vorlix-cli: RouterOS scripts from Vorlix's pages, without a window"};
    app.require_subcommand(1);

    app.add_subcommand("list", "one line per generate button: BUTTON, page caption, button caption");

    std::string show_button;
    CLI::App* show = app.add_subcommand("show", "the controls of a button's page: NAME, kind, default");
    show->add_option("BUTTON", show_button, "a button from `vorlix-cli list`")->required();

    GenerateOptions gen;
    CLI::App* generate = app.add_subcommand("generate", "press a button on a form and print its script");
    generate->add_option("BUTTON", gen.button, "a button from `vorlix-cli list`")->required();
    generate->add_option("--set", gen.sets,
                         "NAME=VALUE: set one control as typing or a click would (wins over --form)");
    generate->add_option("--form", gen.form_file, "a JSON object of control name -> value");
    generate->add_option("--row", gen.rows, "LIST=JSON_ARRAY: append one row to a line list");
    std::uint32_t seed = 0;
    CLI::Option* seed_opt = generate->add_option("--seed", seed, "seed of the random source, for repeatable output");
    generate->add_option("--now", gen.now, "the date and time of the press, YYYY-MM-DDTHH:MM:SS");
    generate->add_option("--encoding", gen.encoding, "utf8 (default) or gbk, the bytes the GUI saves")
        ->check(CLI::IsMember({"utf8", "gbk"}));
    generate->add_option("-o,--output", gen.output, "write the script to FILE instead of standard output");

    bool escape_utf8 = false, unescape_utf8 = false;
    std::string escape_text, unescape_text, date_text;
    CLI::App* escape = app.add_subcommand("escape", "RouterOS escapes of TEXT's GBK bytes (--utf8: its UTF-8 bytes)");
    escape->add_flag("--utf8", escape_utf8, "escape the UTF-8 bytes, as a wireless name is");
    escape->add_option("TEXT", escape_text)->required();
    CLI::App* unescape = app.add_subcommand("unescape", "the text that RouterOS escapes stand for");
    unescape->add_flag("--utf8", unescape_utf8, "the escaped bytes are UTF-8, not GBK");
    unescape->add_option("TEXT", unescape_text)->required();
    CLI::App* date = app.add_subcommand("ros-date", "a typed year/month/day as a scheduler start date");
    date->add_option("TEXT", date_text)->required();

    std::string isp_key_arg;
    CLI::App* isp_list = app.add_subcommand("isp-list", "print one built-in carrier address list exactly as stored");
    isp_list->add_option("KEY", isp_key_arg, std::string("one of ") + std::string(isp_keys_text()))->required();

    std::string subnet_text, split_octet, split_count;
    CLI::App* subnet = app.add_subcommand("subnet", "mask, subnet, broadcast and usable range of ADDRESS/LEN");
    subnet->add_option("ADDRESS/LEN", subnet_text, "a host address and a prefix length, as 192.168.1.10/24")
        ->required();
    CLI::App* subnet_split =
        app.add_subcommand("subnet-split", "split the network OCTET.0.0.0 into COUNT subnets and list their ranges");
    subnet_split->add_option("OCTET", split_octet, "the first octet of the network, 0 to 255")->required();
    subnet_split->add_option("COUNT", split_count, "1, 2, 4, 8, 16, 32, 64, 128 or 256")->required();

    if (argc > 1 && argv[1][0] != '-') {
        bool known = false;
        for (const CLI::App* sub : app.get_subcommands({})) known = known || sub->check_name(argv[1]);
        if (!known)
            return usage_error(std::string("unknown command ") + argv[1] +
                               " (list, show, generate, escape, unescape, ros-date, isp-list, subnet, subnet-split)");
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "vorlix-cli: " << e.what() << "\n";
        return kUsage;
    }

    if (app.got_subcommand("list")) return cmd_list();
    if (app.got_subcommand("show")) return cmd_show(show_button);
    if (app.got_subcommand("generate")) {
        if (*seed_opt) gen.seed = seed;
        return cmd_generate(gen);
    }
    if (app.got_subcommand("isp-list")) return cmd_isp_list(isp_key_arg);
    if (app.got_subcommand("subnet")) return cmd_subnet(subnet_text);
    if (app.got_subcommand("subnet-split")) return cmd_subnet_split(split_octet, split_count);
    if (app.got_subcommand("escape")) {
        write_stdout(ros_escape(bytes_of(escape_text, escape_utf8)) + "\n");
        return kOk;
    }
    if (app.got_subcommand("unescape")) {
        const std::string bytes =
            ros_unescape(bytes_of(unescape_text, unescape_utf8), unescape_utf8 ? ByteText::utf8 : ByteText::gbk);
        write_stdout((unescape_utf8 ? bytes : gbk_to_utf8(bytes)) + "\n");
        return kOk;
    }
    write_stdout(ros_date(date_text) + "\n");
    return kOk;
}

}  // namespace
}  // namespace vorlix

int main(int raw_argc, char** raw_argv) {
#ifdef _WIN32
    // Scripts go out byte for byte: without this, Windows would turn each LF of a CR LF into CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // Nothing is expected to throw past here; if something does, say so instead of aborting.
    try {
        const std::vector<std::string> arguments = vorlix::utf8_arguments(raw_argc, raw_argv);
        std::vector<const char*> pointers;
        pointers.reserve(arguments.size());
        for (const std::string& a : arguments) pointers.push_back(a.c_str());
        return vorlix::run(static_cast<int>(pointers.size()), pointers.data());
    } catch (const std::exception& e) {
        std::cerr << "vorlix-cli: internal error: " << e.what() << "\n";
        return 1;
    }
}
