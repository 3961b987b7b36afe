#include "forms/checks.hpp"

#include <gtest/gtest.h>

#include "forms/press.hpp"
#include "windows/core/RouteTable.hpp"

namespace vorlix {
namespace {

TEST(Checks, ValuesFitTheirTypes) {
    struct Case {
        ValueType type;
        std::string_view value;
        bool fits;
    };
    const Case cases[] = {
        {ValueType::ipv4, "192.168.0.1", true},
        {ValueType::ipv4, "", true},  // empty stays allowed
        {ValueType::ipv4, "999.1.1.1", false},
        {ValueType::ipv4, "1.2.3.4.5", false},
        {ValueType::ipv4, "1.2.3", false},
        {ValueType::ipv4, " 1.2.3.4", false},
        {ValueType::ipv4, "$gw", false},
        {ValueType::prefix, "32", true},
        {ValueType::prefix, "33", false},
        {ValueType::prefix, "-1", false},
        {ValueType::ipv4_net, "10.0.0.1/8", true},
        {ValueType::ipv4_net, "10.0.0.1", false},
        {ValueType::address_range, "192.168.0.1-192.168.0.100", true},
        {ValueType::address_range, "192.168.1.0/24", true},
        {ValueType::address_range, "192.168.1.9", true},
        {ValueType::address_range, "192.168.0.100-192.168.0.1", false},  // backwards
        {ValueType::address_range, "192.168.0.1 - 192.168.0.9", false},
        {ValueType::ports, "80", true},
        {ValueType::ports, "8000-8080,443", true},
        {ValueType::ports, "0", false},
        {ValueType::ports, "65536", false},
        {ValueType::ports, "90-80", false},
        {ValueType::rate, "512k", true},
        {ValueType::rate, "2M", true},
        {ValueType::rate, "100000000", true},
        {ValueType::rate, "2 M", false},
        {ValueType::mac, "00:0C:29:ab:cd:ef", true},
        {ValueType::mac, "00-0C-29-AB-CD-EF", false},
        {ValueType::mac, "00:0C:29:AB:CD", false},
        {ValueType::interface_name, "ether1", true},
        {ValueType::interface_name, "外网 1", true},
        {ValueType::interface_name, "a\"b", false},
        {ValueType::text, "anything at all\x01", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(value_type_name(c.type)) + " " + std::string(c.value));
        EXPECT_EQ(fits(c.type, c.value), c.fits);
    }
}

// A page of one field of each sort, and a button that writes what it reads.
Outcome echo(const Form& form, Env&) {
    return Outcome::from(Result::ok("/ip address add address=" + form.text("ip") + " comment=" + form.text("note")));
}
Outcome untouched(const Form&, Env&) {
    return Outcome::from(Result::ok("/system reboot"));
}

const PageSpec& page() {
    static const PageSpec kPage{.caption = "t",
                                .controls = {
                                    edit("ip", "地址:", "10.0.0.1").typed(ValueType::ipv4),
                                    edit("user", "用户名:", "u").at_most(64),
                                    edit("note", "备注:", ""),
                                    edit("ssid", "SSID:", "").unicode(),
                                    multi_line_edit("box", ""),
                                    button("b", "go"),
                                    button("other", "go"),
                                }};
    return kPage;
}

Outcome press_with(const std::vector<std::pair<std::string, std::string>>& sets, std::string_view button = "b") {
    const PageEntry entry{&page(), {{"b", echo}, {"other", untouched}}};
    Form form = Form::defaults(page());
    SeededRandom random(1);
    Env env{random, {2016, 3, 5, 7, 8, 9}, ""};
    FormInput input;
    input.sets = sets;
    EXPECT_FALSE(fill(entry, form, input, env));
    return press(entry, form, button, env);
}

// Each bound at its edge: the longest value is taken, one byte more is refused with the field's name and
// the focus on it, whatever the button reads.
TEST(Checks, EveryTypedValueHasALengthBound) {
    struct Case {
        std::string_view why, field;
        std::size_t ok;
    };
    const Case cases[] = {
        {"a one-line box", "note", 255},
        {"a name", "user", 64},
        {"a multi-line box", "box", std::size_t{1} << 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_TRUE(press_with({{std::string(c.field), std::string(c.ok, 'x')}}).script);
        const Outcome o = press_with({{std::string(c.field), std::string(c.ok + 1, 'x')}}, "other");
        EXPECT_FALSE(o.script);
        ASSERT_TRUE(o.message);
        EXPECT_EQ(o.message->focus, c.field);
        EXPECT_NE(o.message->text.find("当前" + std::to_string(c.ok + 1) + "字节"), std::string::npos)
            << o.message->text;
    }
}

TEST(Checks, CharactersGbkCannotHoldAreRefusedWhereTheyWouldReachTheRouter) {
    Outcome o = press_with({{"note", "好😀"}});
    EXPECT_FALSE(o.script);
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->text, "「备注」中的「😀」无法用GBK表示");
    EXPECT_EQ(o.message->focus, "note");
    // A field the button does not read, and a field that goes to the router as UTF-8, are no reason.
    EXPECT_TRUE(press_with({{"note", "好"}, {"ssid", "😀"}}).script);
    EXPECT_TRUE(press_with({{"note", "😀"}}, "other").script);
}

TEST(Checks, AValueOfTheWrongShapeIsAWarningBesideTheScript) {
    const Outcome o = press_with({{"ip", "999.1.1.1"}});
    ASSERT_TRUE(o.script);
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->icon, kIconWarning);
    EXPECT_NE(o.message->text.find("「地址」的值「999.1.1.1」不是IPv4地址"), std::string::npos) << o.message->text;
    EXPECT_FALSE(press_with({{"ip", ""}}).message);
}

// A generator that repeats its inputs on every line refuses before building a script over the bound:
// 5589 lines with a 20 KB gateway would be over 100 MB.
TEST(Checks, AnOversizedScriptIsRefusedBeforeItIsBuilt) {
    const Result r = generate_route_table(
        {.list = IspList::all_china, .mode = RouteTableMode::route, .gateway = std::string(20000, 'g'), .scope = "30"});
    EXPECT_TRUE(r.script.empty());
    ASSERT_TRUE(r.refusal);
    EXPECT_NE(r.refusal->text.find("64MB"), std::string::npos) << r.refusal->text;
}

}  // namespace
}  // namespace vorlix
