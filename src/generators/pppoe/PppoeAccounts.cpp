#include "generators/pppoe/PppoeAccounts.hpp"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "script/encoding.hpp"
#include "script/quote.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace {

constexpr const char* kSingle = "分组框_22单个";
constexpr const char* kBatch = "分组框_22批量";

std::vector<std::string> case_items() {
    return {"小写字母", "大写字母", "大小写字母"};
}

char random_letter(RandomSource& random, bool upper) {
    return static_cast<char>(upper ? random_in_range(random, 65, 90) : random_in_range(random, 97, 122));
}

char random_char(RandomSource& random, const RandomTextRule& rule) {
    if (rule.digits && rule.letters) {
        switch (random_in_range(random, 1, 3)) {
            case 1:
                return static_cast<char>(random_in_range(random, 48, 57));
            case 2:
                return random_letter(random, true);
            default:
                return random_letter(random, false);
        }
    }
    if (rule.digits) return static_cast<char>('0' + random_in_range(random, 1, 10) - 1);
    if (rule.letter_case == 1) return random_letter(random, true);
    if (rule.letter_case == 2) return random_letter(random, random_in_range(random, 1, 2) == 2);
    return random_letter(random, false);
}

void append_random_text(std::string& out, RandomSource& random, long long length, const RandomTextRule& rule) {
    for (long long i = 0; i < length; ++i) out += random_char(random, rule);
}

}  // namespace

const PageSpec& pppoe_accounts_page_spec() {
    static const PageSpec kPage{
        .caption = "添加PPPoE账号(批量)",
        .outer = 2,
        .inner = 2,
        .controls = {
            group_box(kSingle, "添加PPPOE帐号"),
            edit("编辑框_22策略模板1", "策略配置(与服务器设置时的模板标识一致):", "pppoe_profile").in(kSingle),
            edit("编辑框_22用户名", "用户名:", "MAVEK").in(kSingle),
            edit("编辑框_22密码", "密码:", "mavek2015").in(kSingle),
            check_box("选择框_22绑定mac", "绑定MAC:", false).in(kSingle),
            edit("编辑框_22mac", "", "00:00:00:00:00:00")
                .in(kSingle)
                .beside()
                .hinted("(只允许帐号在这个MAC地址上连接)"),
            button("按钮_22生成1", "5.X/6.X系列脚本生成").in(kSingle),

            group_box(kBatch, "批量添加PPPOE帐号"),
            check_box("选择框_22账号前缀", "帐号前是否指定前缀", true).in(kBatch),
            edit("编辑框_22账号前缀", "", "MAVEK").in(kBatch).beside(),
            check_box("选择框_22账号后缀", "帐号后是否指定后缀", true).in(kBatch),
            edit("编辑框_22账号后缀", "", "@mavek").in(kBatch).beside().hinted("(如生成的帐号为:MAVEKXXX@mavek)"),
            edit("编辑框_22策略模板2", "策略配置(与服务器设置时的策略模板一致):", "pppoe_profile").in(kBatch),
            edit("编辑框_22账号长度", "随机账号长度:", "8").in(kBatch).hinted("(这里不包括前缀及后缀的长度)"),
            edit("编辑框_22密码长度", "随机密码长度:", "6").in(kBatch),
            check_box("选择框_22账号数字", "帐号中随机添加数字", true).in(kBatch),
            check_box("选择框_22账号字母", "帐号中随机添加字母:", false).in(kBatch).beside(),
            drop_down("组合框_22账号大小写字母", "", case_items(), 0).in(kBatch).beside(),
            check_box("选择框_22密码数字", "密码中随机添加数字", true).in(kBatch),
            check_box("选择框_22密码字母", "密码中随机添加字母:", false).in(kBatch).beside(),
            drop_down("组合框_22密码大小写字母", "", case_items(), 0).in(kBatch).beside(),
            edit("编辑框_22账号数量", "生成账号数量:", "6")
                .in(kBatch)
                .hinted("(建议每次生成不要大于50个,以免在ROS里脚本运行时卡死)"),
            check_box("选择框21", "帐号与密码的随机部分一致(密码和账号设置相同)", false).in(kBatch),
            check_box("选择框_22自动保存", "将自动生成的帐号及密码(保存在程序目录下的Log目录)", false).in(kBatch),
            button("按钮_22生成2", "5.X/6.X系列脚本生成").in(kBatch),
        }};
    return kPage;
}

Result generate_pppoe_account(const PppoeAccountFields& f) {
    const std::string caller = f.bind_mac ? "caller-id=" + bare_value(f.mac) + " " : "";
    return Result::ok("/ppp secret add name=" + quote_value(f.user) + " password=" + quote_value(f.password) +
                      " service=pppoe " + caller + "profile=" + bare_value(f.profile));
}

std::string random_text(RandomSource& random, long long length, const RandomTextRule& rule) {
    std::string out;
    append_random_text(out, random, length, rule);
    return out;
}

Result generate_pppoe_batch(const PppoeBatchFields& f, RandomSource& random, std::string* list) {
    const long long count = leading_integer(f.count);
    const long long name_length = leading_integer(f.name_length);
    const long long password_length = leading_integer(f.password_length);
    const bool own_password = !f.password_is_name_part;

    const std::string max_length = std::to_string(kMaxRandomLength);
    if (count > kMaxBatchAccounts)
        return Result::refuse("生成账号数量不能大于" + std::to_string(kMaxBatchAccounts) + "个!", "编辑框_22账号数量");
    if (name_length > kMaxRandomLength)
        return Result::refuse("随机账号长度不能大于" + max_length + "位!", "编辑框_22账号长度");
    if (own_password && password_length > kMaxRandomLength)
        return Result::refuse("随机密码长度不能大于" + max_length + "位!", "编辑框_22密码长度");
    if (!f.name_rule.digits && !f.name_rule.letters)
        return Result::refuse("帐号中请至少选择数字或字母!", "选择框_22账号数字");
    if (own_password && !f.password_rule.digits && !f.password_rule.letters)
        return Result::refuse("密码中请至少选择数字或字母!", "选择框_22密码数字");
    if (count <= 0) return Result::ok({});

    // The random parts are letters and digits, which need no escaping; the typed prefix and suffix
    // are escaped once for all lines.
    const std::string head = "/ppp secret add name=\"" + (f.use_prefix ? escape_value(f.prefix) : std::string());
    const std::string suffix = f.use_suffix ? escape_value(f.suffix) : std::string();
    const std::string tail = "\" service=pppoe profile=" + bare_value(f.profile);
    const std::string plain_prefix = f.use_prefix ? f.prefix : std::string();
    const std::string plain_suffix = f.use_suffix ? f.suffix : std::string();

    // One growing text, sized up front so that a large batch is not copied while it grows.
    const auto name_chars = static_cast<std::size_t>(std::max(0LL, name_length));
    const auto password_chars = static_cast<std::size_t>(std::max(0LL, own_password ? password_length : name_length));
    const std::size_t line_size = head.size() + name_chars + suffix.size() + 12 + password_chars + tail.size() + 2;
    std::string script;
    script.reserve(line_size * static_cast<std::size_t>(count));
    if (list != nullptr)
        list->reserve(list->size() + (plain_prefix.size() + name_chars + plain_suffix.size() + password_chars + 3) *
                                         static_cast<std::size_t>(count));

    std::string name_part, password;
    for (long long i = 1; i <= count; ++i) {
        name_part.clear();
        append_random_text(name_part, random, name_length, f.name_rule);
        if (own_password) {
            password.clear();
            append_random_text(password, random, password_length, f.password_rule);
        }
        const std::string& pw = own_password ? password : name_part;
        if (i > 1) script += "\r\n";
        script += head;
        script += name_part;
        script += suffix;
        script += "\" password=\"";
        script += pw;
        script += tail;
        if (list != nullptr) {
            *list += plain_prefix;
            *list += name_part;
            *list += plain_suffix;
            *list += '\t';
            *list += pw;
            *list += "\r\n";
        }
    }
    return Result::ok(std::move(script));
}

std::string account_log_path(std::string_view data_dir, const DateTime& now) {
    // Joined as UTF-8 text: std::filesystem::path would read the text in the ANSI code page on Windows.
    // Every system takes "/" as a separator.
    return std::string(data_dir) + "/log/pppoe_" + 时间_到文本(now, 1, 3) + ".txt";
}

namespace {

// Appends bytes to a file that only its owner may read, creating it (and its folder) when needed.
// Returns what went wrong, or nothing.
#ifdef _WIN32
// The data directory lies in the user's own profile, which Windows keeps private to the user.
std::optional<std::string> append_private(const std::string& path, std::string_view bytes) {
    const std::filesystem::path file = std::filesystem::u8path(path);  // the path is UTF-8, not ANSI
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    if (ec) return ec.message();
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return std::string("写入失败");
    return std::nullopt;
}
#else
std::optional<std::string> append_private(const std::string& path, std::string_view bytes) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (ec) return ec.message();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return std::string(std::strerror(errno));
    // A file that someone made readable by others before holds passwords from now on.
    std::optional<std::string> error;
    if (::fchmod(fd, 0600) != 0) error = std::strerror(errno);
    while (!error && !bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = std::strerror(n < 0 ? errno : EIO);
            break;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    if (::close(fd) != 0 && !error) error = std::strerror(errno);
    return error;
}

#endif

RandomTextRule rule_of(const Form& form, const char* digits, const char* letters, const char* letter_case) {
    return {form.checked(digits), form.checked(letters), form.index(letter_case)};
}

Outcome run_single(const Form& form, Env&) {
    return Outcome::from(generate_pppoe_account({
        .profile = form.text("编辑框_22策略模板1"),
        .user = form.text("编辑框_22用户名"),
        .password = form.text("编辑框_22密码"),
        .bind_mac = form.checked("选择框_22绑定mac"),
        .mac = form.text("编辑框_22mac"),
    }));
}

Outcome run_batch(const Form& form, Env& env) {
    const PppoeBatchFields f{
        .use_prefix = form.checked("选择框_22账号前缀"),
        .prefix = form.text("编辑框_22账号前缀"),
        .use_suffix = form.checked("选择框_22账号后缀"),
        .suffix = form.text("编辑框_22账号后缀"),
        .profile = form.text("编辑框_22策略模板2"),
        .name_length = form.text("编辑框_22账号长度"),
        .password_length = form.text("编辑框_22密码长度"),
        .count = form.text("编辑框_22账号数量"),
        .name_rule = rule_of(form, "选择框_22账号数字", "选择框_22账号字母", "组合框_22账号大小写字母"),
        .password_rule = rule_of(form, "选择框_22密码数字", "选择框_22密码字母", "组合框_22密码大小写字母"),
        .password_is_name_part = form.checked("选择框21"),
    };
    const bool save = form.checked("选择框_22自动保存") && !env.data_dir.empty();
    std::string list;
    Outcome o = Outcome::from(generate_pppoe_batch(f, env.random, save ? &list : nullptr));
    if (!o.script || list.empty()) return o;
    const std::string path = account_log_path(env.data_dir, env.now);
    const std::string header = "# " + 时间_到文本(env.now, 0, 1) + " 策略配置=" + f.profile + "\r\n";
    if (auto error = append_private(path, utf8_to_gbk(header + list)))
        o.message = Message{"自动保存帐号及密码失败:\n" + path + "\n" + *error, kIconWarning};
    return o;
}

// Digits and letters together always draw both cases, so the case list then shows "大小写字母" and
// cannot be changed; with either box cleared it is usable again and keeps what it shows.
Outcome couple_case_list(const Form& form, const char* digits, const char* letters, const char* letter_case) {
    ControlUpdate u{letter_case, {.text = form.text(letter_case), .index = form.index(letter_case)}};
    const bool both = form.checked(digits) && form.checked(letters);
    if (both) {
        u.value.index = 2;
        u.value.text = case_items()[2];
    }
    u.enabled = !both;
    Outcome o;
    o.updates.push_back(std::move(u));
    return o;
}

Outcome run_name_case(const Form& form, Env&) {
    return couple_case_list(form, "选择框_22账号数字", "选择框_22账号字母", "组合框_22账号大小写字母");
}
Outcome run_password_case(const Form& form, Env&) {
    return couple_case_list(form, "选择框_22密码数字", "选择框_22密码字母", "组合框_22密码大小写字母");
}

}  // namespace

PageEntry pppoe_accounts_page() {
    return {&pppoe_accounts_page_spec(),
            {
                {"按钮_22生成1", run_single},
                {"按钮_22生成2", run_batch},
                {"选择框_22账号数字", run_name_case, BindingKind::action},
                {"选择框_22账号字母", run_name_case, BindingKind::action},
                {"选择框_22密码数字", run_password_case, BindingKind::action},
                {"选择框_22密码字母", run_password_case, BindingKind::action},
            }};
}

}  // namespace vorlix
