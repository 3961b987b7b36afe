#pragma once
// What a press checks around a generator, the same for every page: the length of every typed value
// (a value repeated on every line of a long script would otherwise make it huge), characters that the
// router cannot store, and values that do not look like what their field asks for.
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.hpp"
#include "forms/outcome.hpp"
#include "forms/page_spec.hpp"

namespace vorlix {

// The longest script a press hands out. A generator that can multiply its inputs refuses before it
// builds more than this.
inline constexpr std::size_t kMaxScriptBytes = std::size_t{64} << 20;
// The refusal for a script that would be longer.
Result too_long_script(std::size_t bytes);

// The most rows a line list takes.
inline constexpr std::size_t kMaxListRows = 10000;

// The longest value a control takes, in bytes of UTF-8: its own bound, else 255 for one-line inputs and
// list cells, 1 MiB for a multi-line box, 32 MiB for an editor.
std::size_t byte_bound(const ControlSpec& control);

// The name `vorlix-cli show` prints for a value type ("ipv4", "mac" ...).
std::string_view value_type_name(ValueType type);

// Whether a value looks like what its type asks for. An empty value always fits.
// Example: fits(ValueType::ipv4, "10.0.0.1") == true, fits(ValueType::ipv4, "999.1.1.1") == false
bool fits(ValueType type, std::string_view value);

// The first input of the page whose value (or one of whose rows or cells) is over its bound: a refusal
// that names it and puts the focus there.
std::optional<Message> bound_problem(const PageSpec& page, const Form& form);

// The first of the controls named in `read` whose text holds a character that GBK cannot hold (unless
// the control takes any Unicode): a refusal naming the field and the character.
std::optional<Message> gbk_problem(const PageSpec& page, const Form& form,
                                   const std::set<std::string, std::less<>>& read);

// One line per read value that does not fit its type, naming the field and the value.
std::vector<std::string> type_problems(const PageSpec& page, const Form& form,
                                       const std::set<std::string, std::less<>>& read);

// The name a message gives a control: its label without the colon, or its control name when the label
// says nothing by itself ("/" before a prefix length).
std::string field_title(const ControlSpec& control);

}  // namespace vorlix
