#pragma once
// Page "添加PPPoE账号(批量)": `/ppp secret` lines for one typed account or for a batch of accounts with
// random names and passwords.
#include <string>
#include <string_view>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"
#include "script/random.hpp"
#include "script/ros_date.hpp"

namespace vorlix {

struct PppoeAccountFields {
    std::string profile, user, password;
    bool bind_mac = false;
    std::string mac;
};

// "/ppp secret add name=... password=... service=pppoe [caller-id=... ]profile=..." on one line.
Result generate_pppoe_account(const PppoeAccountFields& f);

// What the random part of a name or a password is made of.
struct RandomTextRule {
    bool digits = true, letters = false;
    int letter_case = 0;  // letters only: 0 lower case, 1 upper case, 2 both
};

// `length` random characters, one draw per character (two where a kind is drawn first): digits only
// "0"-"9"; letters only in the chosen case; digits and letters a kind first (digit, upper, lower),
// whatever the case setting. Nothing for a length of 0 or less.
// Example: with a source giving 3, random_text(source, 2, {}) == "33"
std::string random_text(RandomSource& random, long long length, const RandomTextRule& rule);

struct PppoeBatchFields {
    bool use_prefix = true;
    std::string prefix;
    bool use_suffix = true;
    std::string suffix;
    std::string profile;
    std::string name_length, password_length, count;  // as typed; read by their leading number
    RandomTextRule name_rule, password_rule;
    bool password_is_name_part = false;  // each password is the random part of its name
};

inline constexpr long long kMaxBatchAccounts = 100000;
inline constexpr long long kMaxRandomLength = 64;

// One "/ppp secret add" line per account, CR LF between them; empty for a count of 0 or less. For
// each account the name's random part is drawn first, then the password. Refused: a count above
// kMaxBatchAccounts, a length above kMaxRandomLength, a side with neither digits nor letters. When
// `list` is given, each account is also appended to it as "name<TAB>password" and CR LF.
Result generate_pppoe_batch(const PppoeBatchFields& f, RandomSource& random, std::string* list = nullptr);

// The inputs a press of the batch button reads from the page's form.
PppoeBatchFields pppoe_batch_fields(const Form& form);

// The file, below the data directory, that the accounts generated on a day are appended to.
// Example: account_log_path("/d", {2016, 3, 5}) == "/d/log/pppoe_20160305.txt"
std::string account_log_path(std::string_view data_dir, const DateTime& now);

const PageSpec& pppoe_accounts_page_spec();
PageEntry pppoe_accounts_page();

}  // namespace vorlix
