#pragma once
// Page "封关键字和域名": filter rules that match words in web requests (TCP port 80), as a deny list
// (drop requests holding a listed word) or an allow list (accept those, drop every other request).
// The page also holds the button of the recommended firewall rule set.
#include <optional>
#include <string>

#include "forms/page_entry.hpp"

namespace vorlix {

enum class KeywordList { deny, allow };

struct KeywordFields {
    std::string keywords;  // one keyword or domain per line
    bool restrict_clients = false;
    std::string network, prefix;  // the clients the rules apply to, when restricted
};

// One rule per keyword, in order and as typed (blank lines are skipped), with the keyword
// RouterOS-escaped as both content and comment. The allow list closes with a rule that drops every
// other web request of the same clients. Nothing (no script at all) when the box is empty; an empty
// script when it holds no keyword.
std::optional<std::string> generate_keyword_rules(const KeywordFields& f, KeywordList list);

const PageSpec& keyword_blocking_page_spec();
PageEntry keyword_blocking_page();

}  // namespace vorlix
