#include "generators/pppoe/PppoeAccounts.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "forms/checks.hpp"
#include "script/encoding.hpp"
#include "script/files.hpp"
#include "script/quote.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view single = "分组框_22单个";
constexpr std::string_view profile1 = "编辑框_22策略模板1";
constexpr std::string_view user = "编辑框_22用户名";
constexpr std::string_view password = "编辑框_22密码";
constexpr std::string_view bind_mac = "选择框_22绑定mac";
constexpr std::string_view mac = "编辑框_22mac";
constexpr std::string_view generate1 = "按钮_22生成1";
constexpr std::string_view batch = "分组框_22批量";
constexpr std::string_view use_prefix = "选择框_22账号前缀";
constexpr std::string_view prefix = "编辑框_22账号前缀";
constexpr std::string_view use_suffix = "选择框_22账号后缀";
constexpr std::string_view suffix = "编辑框_22账号后缀";
constexpr std::string_view profile2 = "编辑框_22策略模板2";
constexpr std::string_view name_length = "编辑框_22账号长度";
constexpr std::string_view password_length = "编辑框_22密码长度";
constexpr std::string_view name_digits = "选择框_22账号数字";
constexpr std::string_view name_letters = "选择框_22账号字母";
constexpr std::string_view name_case = "组合框_22账号大小写字母";
constexpr std::string_view password_digits = "选择框_22密码数字";
constexpr std::string_view password_letters = "选择框_22密码字母";
constexpr std::string_view password_case = "组合框_22密码大小写字母";
constexpr std::string_view count = "编辑框_22账号数量";
constexpr std::string_view same_random = "选择框21";
constexpr std::string_view auto_save = "选择框_22自动保存";
constexpr std::string_view generate2 = "按钮_22生成2";
}  // namespace
}  // namespace name

namespace {

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
        .summary = "添加一个或按编号批量添加PPPoE拨号账号",
        .controls = {
            group_box(name::single, "添加PPPOE帐号"),
            edit(name::profile1, "策略配置(与服务器设置时的模板标识一致):", "pppoe_profile")
                .at_most(64)
                .in(name::single),
            edit(name::user, "用户名:", "MAVEK").at_most(64).in(name::single),
            edit(name::password, "密码:", "mavek2015").at_most(64).in(name::single),
            check_box(name::bind_mac, "绑定MAC:", false).in(name::single),
            edit(name::mac, "", "00:00:00:00:00:00")
                .typed(ValueType::mac)
                .in(name::single)
                .beside()
                .hinted("(只允许帐号在这个MAC地址上连接)"),
            button(name::generate1, "5.X/6.X系列脚本生成").in(name::single),

            group_box(name::batch, "批量添加PPPOE帐号"),
            check_box(name::use_prefix, "帐号前是否指定前缀", true).in(name::batch),
            edit(name::prefix, "", "MAVEK").at_most(64).in(name::batch).beside(),
            check_box(name::use_suffix, "帐号后是否指定后缀", true).in(name::batch),
            edit(name::suffix, "", "@mavek")
                .at_most(64)
                .in(name::batch)
                .beside()
                .hinted("(如生成的帐号为:MAVEKXXX@mavek)"),
            edit(name::profile2, "策略配置(与服务器设置时的策略模板一致):", "pppoe_profile")
                .at_most(64)
                .in(name::batch),
            edit(name::name_length, "随机账号长度:", "8").in(name::batch).hinted("(这里不包括前缀及后缀的长度)"),
            edit(name::password_length, "随机密码长度:", "6").in(name::batch),
            check_box(name::name_digits, "帐号中随机添加数字", true).in(name::batch),
            check_box(name::name_letters, "帐号中随机添加字母:", false).in(name::batch).beside(),
            drop_down(name::name_case, "", case_items(), 0).in(name::batch).beside(),
            check_box(name::password_digits, "密码中随机添加数字", true).in(name::batch),
            check_box(name::password_letters, "密码中随机添加字母:", false).in(name::batch).beside(),
            drop_down(name::password_case, "", case_items(), 0).in(name::batch).beside(),
            edit(name::count, "生成账号数量:", "6")
                .in(name::batch)
                .hinted("(建议每次生成不要大于50个,以免在ROS里脚本运行时卡死)"),
            check_box(name::same_random, "帐号与密码的随机部分一致(密码和账号设置相同)", false).in(name::batch),
            check_box(name::auto_save, "将自动生成的帐号及密码(保存在程序目录下的Log目录)", false).in(name::batch),
            button(name::generate2, "5.X/6.X系列脚本生成").in(name::batch),
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
        return Result::refuse("生成账号数量不能大于" + std::to_string(kMaxBatchAccounts) + "个!", name::count);
    if (name_length > kMaxRandomLength)
        return Result::refuse("随机账号长度不能大于" + max_length + "位!", name::name_length);
    if (own_password && password_length > kMaxRandomLength)
        return Result::refuse("随机密码长度不能大于" + max_length + "位!", name::password_length);
    if (!f.name_rule.digits && !f.name_rule.letters)
        return Result::refuse("帐号中请至少选择数字或字母!", name::name_digits);
    if (own_password && !f.password_rule.digits && !f.password_rule.letters)
        return Result::refuse("密码中请至少选择数字或字母!", name::password_digits);
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
    if (line_size * static_cast<std::size_t>(count) > kMaxScriptBytes)
        return too_long_script(line_size * static_cast<std::size_t>(count));
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

RandomTextRule rule_of(const Form& form, std::string_view digits, std::string_view letters,
                       std::string_view letter_case) {
    return {form.checked(digits), form.checked(letters), form.index(letter_case)};
}

Outcome run_single(const Form& form, Env&) {
    return Outcome::from(generate_pppoe_account({
        .profile = form.text(name::profile1),
        .user = form.text(name::user),
        .password = form.text(name::password),
        .bind_mac = form.checked(name::bind_mac),
        .mac = form.text(name::mac),
    }));
}

}  // namespace

PppoeBatchFields pppoe_batch_fields(const Form& form) {
    return {
        .use_prefix = form.checked(name::use_prefix),
        .prefix = form.text(name::prefix),
        .use_suffix = form.checked(name::use_suffix),
        .suffix = form.text(name::suffix),
        .profile = form.text(name::profile2),
        .name_length = form.text(name::name_length),
        .password_length = form.text(name::password_length),
        .count = form.text(name::count),
        .name_rule = rule_of(form, name::name_digits, name::name_letters, name::name_case),
        .password_rule = rule_of(form, name::password_digits, name::password_letters, name::password_case),
        .password_is_name_part = form.checked(name::same_random),
    };
}

namespace {

Outcome run_batch(const Form& form, Env& env) {
    const PppoeBatchFields f = pppoe_batch_fields(form);
    const bool save = form.checked(name::auto_save) && !env.data_dir.empty();
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
Outcome couple_case_list(const Form& form, std::string_view digits, std::string_view letters,
                         std::string_view letter_case) {
    ControlUpdate u{std::string(letter_case), {.text = form.text(letter_case), .index = form.index(letter_case)}};
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
    return couple_case_list(form, name::name_digits, name::name_letters, name::name_case);
}
Outcome run_password_case(const Form& form, Env&) {
    return couple_case_list(form, name::password_digits, name::password_letters, name::password_case);
}

}  // namespace

PageEntry pppoe_accounts_page() {
    return {&pppoe_accounts_page_spec(),
            {
                {name::generate1, run_single},
                {name::generate2, run_batch},
                {name::name_digits, run_name_case, BindingKind::action},
                {name::name_letters, run_name_case, BindingKind::action},
                {name::password_digits, run_password_case, BindingKind::action},
                {name::password_letters, run_password_case, BindingKind::action},
            }};
}

}  // namespace vorlix
