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

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "forms/checks.hpp"
#include "forms/control_kind.hpp"
#include "forms/data_dir.hpp"
#include "forms/form_file.hpp"
#include "forms/press.hpp"
#include "generators/all_pages.hpp"
#include "generators/language_export.hpp"
#include "script/encoding.hpp"
#include "script/files.hpp"
#include "script/ipv4.hpp"
#include "script/isp_lists.hpp"
#include "script/ros_date.hpp"
#include "script/ros_escape.hpp"
#include "script/text.hpp"
#include "tools/mac_vendor.hpp"
#include "version.hpp"
#include "windows/core/SubnetCalculator.hpp"
#ifdef VORLIX_HAS_OPENCC
#include "traditional/traditional.hpp"
#endif

namespace vorlix {
namespace {

constexpr int kOk = 0, kRefused = 1, kUsage = 2;

int usage_error(const std::string& message) {
    std::cerr << "vorlix-cli: " << message << "\n";
    return kUsage;
}

// Writes to standard output and says whether every byte got there: a full disk or a closed output must
// not end in exit status 0.
bool write_stdout(std::string_view bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (written && std::fflush(stdout) == 0) return true;
    std::cerr << "vorlix-cli: cannot write to standard output: " << std::strerror(errno) << "\n";
    return false;
}

int print(std::string_view bytes) {
    return write_stdout(bytes) ? kOk : kRefused;
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
    return print(out);
}

int cmd_show(const std::string& key) {
    const ButtonRef ref = registry().find(key);
    if (ref.binding == nullptr) return usage_error("unknown button " + key + " (see `vorlix-cli list`)");
    std::string out;
    for (const ControlSpec& c : ref.page->spec->controls) {
        // A panel only arranges other controls; it is nothing to set or read.
        if (c.kind == ControlKind::panel) continue;
        out += c.name + "\t" + std::string(kind_name(c.kind)) + "\t" + one_line(default_of(c));
        // A field that takes a particular kind of value says which.
        if (c.type != ValueType::text) out += "\t" + std::string(value_type_name(c.type));
        out += "\n";
    }
    return print(out);
}

// "YYYY-MM-DDTHH:MM:SS" with every digit in place and a date that exists (years 1 to 9999).
std::optional<DateTime> parse_now(const std::string& text) {
    static constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd";
    if (text.size() != kShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) return std::nullopt;
    }
    const auto field = [&](std::size_t at, std::size_t n) { return std::stoi(text.substr(at, n)); };
    const DateTime t{field(0, 4), field(5, 2), field(8, 2), field(11, 2), field(14, 2), field(17, 2)};
    const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.year < 1 || t.month < 1 || t.month > 12 || t.hour > 23 || t.minute > 59 || t.second > 59) return std::nullopt;
    const int days = kDays[t.month - 1] + (t.month == 2 && leap ? 1 : 0);
    if (t.day < 1 || t.day > days) return std::nullopt;
    return t;
}

// A seed: a whole number from 0 to 4294967295 in plain decimal.
std::optional<std::uint32_t> parse_seed(const std::string& text) {
    std::uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return seed;
}

struct GenerateOptions {
    std::string button;
    std::vector<std::string> sets, rows;
    std::string form_file, now, encoding = "utf8", output;
    std::optional<std::string> seed;
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

// A page by its caption, its tree text or one of its buttons: the one `form` prints.
const PageEntry* find_page(const std::string& key) {
    for (const PageEntry* e : registry().entries())
        if (e->spec->caption == key || e->spec->tree_text() == key) return e;
    return registry().find(key).page;
}

int cmd_form(const std::string& key) {
    const PageEntry* entry = find_page(key);
    if (entry == nullptr)
        return usage_error("no page or button " + key + " (a page's caption, or a button from `vorlix-cli list`)");
    const PageSpec& page = *entry->spec;
    if (page.controls.empty()) return usage_error("page \"" + page.caption + "\" is not built yet");
    return print(form_file_text(page, Form::defaults(page), kVersion));
}

int cmd_isp_list(const std::string& key) {
    const std::optional<IspList> list = isp_list_by_key(key);
    if (!list) return usage_error("unknown list " + key + " (the lists are " + std::string(isp_keys_text()) + ")");
    return print(isp_list_text(*list));
}

// Writes the Traditional language packs of every window into DIR, creating it when needed.
int cmd_export_language(const std::string& dir) {
#ifdef VORLIX_HAS_OPENCC
    const TraditionalConverter traditional = open_traditional();
    if (traditional.error) {
        std::cerr << "vorlix-cli: " << *traditional.error << "\n";
        return kRefused;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::u8path(dir), ec);
    if (ec) {
        std::cerr << "vorlix-cli: " << dir << ": " << ec.message() << "\n";
        return kRefused;
    }
    if (const std::optional<std::string> error = write_language_packs(dir, traditional.convert)) {
        std::cerr << "vorlix-cli: " << *error << "\n";
        return kRefused;
    }
    return kOk;
#else
    std::cerr << "vorlix-cli: this build has no Traditional Chinese conversion (OpenCC)\n";
    return kRefused;
#endif
}

// The vendor of a MAC address from the IEEE registry: ADDRESS, vendor and postal address, tab-separated.
// Where the registry has no entry, an address that is a group or locally administered one still has an
// answer ("组播地址", "本地管理地址"); any other is not found (status 1), as is every address without a
// registry. A registry named with --registry is the only one read.
int cmd_mac_vendor(const std::string& mac, const std::string& registry) {
    const std::vector<std::string> locations =
        registry.empty() ? mac_registry_locations(mac_registry_setting()) : std::vector<std::string>{registry};
    const VendorLookup lookup = lookup_mac_vendor(mac, locations);
    if (lookup.status == VendorLookup::Status::bad_address)
        return usage_error("not a MAC address: " + mac + " (12 hexadecimal digits, in pairs joined by : or - or not)");
    const VendorTexts texts = vendor_texts(lookup);
    if (lookup.status == VendorLookup::Status::no_registry) {
        std::cerr << "vorlix-cli: " << texts.vendor << ": " << texts.address << "\n";
        return kRefused;
    }
    if (lookup.status == VendorLookup::Status::not_listed && !lookup.multicast && !lookup.local) {
        std::cerr << "vorlix-cli: " << texts.vendor << ": " << texts.mac << "\n";
        return kRefused;
    }
    write_stdout(texts.mac + "\t" + texts.vendor + "\t" + texts.address + "\n");
    return kOk;
}

int cmd_generate(const GenerateOptions& o) {
    const ButtonRef ref = registry().find(o.button);
    if (ref.binding == nullptr) return usage_error("unknown button " + o.button + " (see `vorlix-cli list`)");
    const PageSpec& page = *ref.page->spec;
    Form form = Form::defaults(page);
    if (!o.form_file.empty()) {
        const FileText file = read_whole_file(o.form_file);
        if (file.error) return usage_error("cannot read the form file " + o.form_file + ": " + *file.error);
        FormFileRead read = read_form_file(page, form, file.bytes);
        if (!read.ok()) return usage_error(o.form_file + ": " + read.message);
        if (!read.ignored.empty()) {
            std::cerr << "vorlix-cli: " << o.form_file << ": page \"" << page.caption
                      << "\" has no such controls, ignored:";
            for (const std::string& name : read.ignored) std::cerr << " " << name;
            std::cerr << "\n";
        }
        form = std::move(read.form);
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
    std::optional<std::uint32_t> seed;
    if (o.seed) {
        seed = parse_seed(*o.seed);
        if (!seed) return usage_error("--seed takes a whole number from 0 to 4294967295, not \"" + *o.seed + "\"");
    }
    SeededRandom random = seed ? SeededRandom(*seed) : SeededRandom();
    Env env{random, now, data_dir(), mac_registry_setting()};
    // As the window does after loading a file: what a check box greys out holds what the page puts there.
    if (!o.form_file.empty()) apply_updates(form, settle(*ref.page, form, env));
    if (auto e = fill(*ref.page, form, input, env)) return usage_error(*e);
    const Outcome outcome = press(*ref.page, form, ref.binding->control, env);
    if (outcome.message && !outcome.script) {
        std::cerr << outcome.message->text << "\n";
        return kRefused;
    }
    // A button that inserts into its window's editor prints the editor's text afterwards.
    std::optional<std::string> edited;
    if (outcome.insertion) edited = insert_into_editor(page, form, *outcome.insertion);
    std::string bytes = outcome.script     ? *outcome.script
                        : outcome.web_page ? *outcome.web_page + "\n"  // the browser is the window's
                        : edited           ? *edited
                                           : updates_text(page, outcome.updates);
    if (o.encoding == "gbk") bytes = utf8_to_gbk(bytes);
    if (outcome.message) std::cerr << outcome.message->text << "\n";
    if (o.output.empty()) return print(bytes);
    // Through a temporary file: a failure keeps what the file held before.
    if (auto error = write_file_atomically(o.output, bytes)) {
        std::cerr << "vorlix-cli: cannot write " << o.output << ": " << *error << "\n";
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
    app.set_version_flag("--version", std::string("vorlix-cli ") + kVersion);

    app.add_subcommand("list", "one line per generate button: BUTTON, page caption, button caption");

    std::string show_button;
    CLI::App* show = app.add_subcommand("show", "the controls of a button's page: NAME, kind, default");
    show->add_option("BUTTON", show_button, "a button from `vorlix-cli list`")->required();

    GenerateOptions gen;
    CLI::App* generate = app.add_subcommand("generate", "press a button on a form and print its script");
    generate->add_option("BUTTON", gen.button, "a button from `vorlix-cli list`")->required();
    generate->add_option("--set", gen.sets,
                         "NAME=VALUE: set one control as typing or a click would (wins over --form)");
    generate->add_option("--form", gen.form_file,
                         "a form file saved by Vorlix or `vorlix-cli form`, or a JSON object of control name -> value");
    generate->add_option("--row", gen.rows, "LIST=JSON_ARRAY: append one row to a line list or list box");
    std::string seed;
    CLI::Option* seed_opt = generate->add_option("--seed", seed, "seed of the random source, for repeatable output");
    generate->add_option("--now", gen.now, "the date and time of the press, YYYY-MM-DDTHH:MM:SS");
    generate->add_option("--encoding", gen.encoding, "utf8 (default) or gbk, the bytes the GUI saves")
        ->check(CLI::IsMember({"utf8", "gbk"}));
    generate->add_option("-o,--output", gen.output, "write the script to FILE instead of standard output");

    bool escape_utf8 = false, unescape_utf8 = false;
    std::string escape_text, unescape_text, date_text;
    CLI::App* escape = app.add_subcommand("escape", "RouterOS escapes of TEXT's GBK bytes (--utf8: its UTF-8 bytes)");
    escape->add_flag("--utf8", escape_utf8, "escape the UTF-8 bytes, as a wireless name is");
    escape->add_option("TEXT", escape_text, "the text; one that starts with - is taken as it is")->required();
    CLI::App* unescape = app.add_subcommand("unescape", "the text that RouterOS escapes stand for");
    unescape->add_flag("--utf8", unescape_utf8, "the escaped bytes are UTF-8, not GBK");
    unescape->add_option("TEXT", unescape_text, "the text; one that starts with - is taken as it is")->required();
    CLI::App* date = app.add_subcommand("ros-date", "a typed year/month/day as a scheduler start date");
    date->add_option("TEXT", date_text, "the text; one that starts with - is taken as it is")->required();

    std::string form_key;
    CLI::App* form_cmd =
        app.add_subcommand("form", "print a page's defaults as a form file, to edit and use with --form");
    form_cmd->add_option("PAGE_OR_BUTTON", form_key, "a page's caption, or a button from `vorlix-cli list`")
        ->required();

    std::string isp_key_arg;
    CLI::App* isp_list = app.add_subcommand("isp-list", "print one built-in carrier address list exactly as stored");
    isp_list->add_option("KEY", isp_key_arg, std::string("one of ") + std::string(isp_keys_text()))->required();

    std::string language_dir;
    CLI::App* export_language =
        app.add_subcommand("export-language", "write the Traditional language packs of every window into DIR");
    export_language->add_option("DIR", language_dir, "the directory for language1.ini ... (created when missing)")
        ->required();

    std::string vendor_mac, vendor_registry;
    CLI::App* mac_vendor = app.add_subcommand(
        "mac-vendor", "the vendor of a MAC address from the IEEE registry (Debian's ieee-data), offline");
    mac_vendor->add_option("MAC", vendor_mac, "00:01:6C:06:A6:29, 00-01-6C-06-A6-29 or 00016C06A629")->required();
    mac_vendor->add_option("--registry", vendor_registry,
                           "a directory holding oui.csv (mam.csv, oui36.csv, iab.csv), or one listing file");

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
            return usage_error(
                std::string("unknown command ") + argv[1] +
                " (list, show, generate, form, escape, unescape, ros-date, isp-list, mac-vendor, subnet, "
                "subnet-split, export-language)");
    }
    // The text commands take any text, also one that starts with "-": whatever is not one of their own
    // options is the text, as if it followed "--".
    std::vector<const char*> args(argv, argv + argc);
    if (argc > 2) {
        const std::string_view command = argv[1];
        if (command == "escape" || command == "unescape" || command == "ros-date") {
            for (std::size_t i = 2; i < args.size(); ++i) {
                const std::string_view a = args[i];
                if (a == "--") break;
                const bool own = a == "-h" || a == "--help" || (command != "ros-date" && a == "--utf8");
                if (a.starts_with('-') && !own) {
                    args.insert(args.begin() + static_cast<std::ptrdiff_t>(i), "--");
                    break;
                }
            }
        }
    }
    try {
        app.parse(static_cast<int>(args.size()), args.data());
    } catch (const CLI::Success& e) {  // --help or --version
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
    if (app.got_subcommand("form")) return cmd_form(form_key);
    if (app.got_subcommand("isp-list")) return cmd_isp_list(isp_key_arg);
    if (app.got_subcommand("export-language")) return cmd_export_language(language_dir);
    if (app.got_subcommand("mac-vendor")) return cmd_mac_vendor(vendor_mac, vendor_registry);
    if (app.got_subcommand("subnet")) return cmd_subnet(subnet_text);
    if (app.got_subcommand("subnet-split")) return cmd_subnet_split(split_octet, split_count);
    if (app.got_subcommand("escape")) {
        return print(ros_escape(bytes_of(escape_text, escape_utf8)) + "\n");
    }
    if (app.got_subcommand("unescape")) {
        const std::string bytes =
            ros_unescape(bytes_of(unescape_text, unescape_utf8), unescape_utf8 ? ByteText::utf8 : ByteText::gbk);
        return print((unescape_utf8 ? bytes : gbk_to_utf8(bytes)) + "\n");
    }
    return print(ros_date(date_text) + "\n");
}

}  // namespace
}  // namespace vorlix

int main(int raw_argc, char** raw_argv) {
#ifndef _WIN32
    // Past a file size limit a write should fail and be reported, not end the program half way.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
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
