#include "script/script_builder.hpp"

namespace vorlix {

ScriptBuilder& ScriptBuilder::line(std::string_view text) {
    if (lines_ > 0) text_ += "\r\n";
    text_ += text;
    ++lines_;
    return *this;
}

ScriptBuilder& ScriptBuilder::blank() {
    return line({});
}

ScriptBuilder& ScriptBuilder::block(std::string_view text) {
    return line(text);
}

}  // namespace vorlix
