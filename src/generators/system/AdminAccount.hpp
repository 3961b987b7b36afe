#pragma once
// Page "添加管理账户": one RouterOS login account.
#include <string>

#include "forms/outcome.hpp"
#include "forms/page_entry.hpp"

namespace vorlix {

struct AdminAccountFields {
    std::string user, password;
    int level = 0;  // 0 full, 1 write, 2 read; anything else leaves the group empty
    std::string address, mask, comment;
};

// "/user add name=... password=... group=... address=.../... comment=..." on one line, or a refusal
// naming the empty user name or password.
Result generate_admin_account(const AdminAccountFields& f);

const PageSpec& admin_account_page_spec();
PageEntry admin_account_page();

}  // namespace vorlix
