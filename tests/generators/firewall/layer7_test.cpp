// The layer-7 catalogue as the router reads it: each pattern is taken back out of the script,
// unescaped, compiled as a POSIX extended, case-insensitive expression and tried on the opening
// bytes of its protocol (tests/fixtures/layer7_samples.txt) and on a plain web request.
#include <gtest/gtest.h>
#include <locale.h>
#include <regex.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "generators/firewall/FixedRuleSets.hpp"
#include "support/ros_export.hpp"

namespace vorlix {
namespace {

using test::find_arg;
using test::logical_lines;
using test::ros_args;

struct Entry {
    std::string name, pattern;
};

std::vector<Entry> catalogue() {
    std::vector<Entry> out;
    const std::vector<std::string> lines = logical_lines(fixed_rule_set_script(name::layer7_catalogue));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto args = ros_args(lines[i]);
        const auto* name = find_arg(args, "name");
        const auto* regexp = find_arg(args, "regexp");
        EXPECT_TRUE(name && regexp) << lines[i];
        if (name && regexp) out.push_back({name->value, regexp->value});
    }
    return out;
}

// The opening bytes of a connection as the matcher sees them: NUL bytes are not part of the text it
// searches, and letters are compared without regard to case (the pattern is compiled REG_ICASE).
std::string as_matched(std::string bytes) {
    std::erase(bytes, '\0');
    return bytes;
}

class Pattern {
public:
    explicit Pattern(const std::string& text) {
        // Byte semantics whatever the test runner's locale: patterns hold raw bytes from 0x80 up.
        locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
        const locale_t old = uselocale(c);
        error_ = regcomp(&re_, text.c_str(), REG_EXTENDED | REG_ICASE | REG_NOSUB);
        uselocale(old);
        freelocale(c);
    }
    ~Pattern() {
        if (error_ == 0) regfree(&re_);
    }
    Pattern(const Pattern&) = delete;
    Pattern& operator=(const Pattern&) = delete;
    bool ok() const { return error_ == 0; }
    bool matches(const std::string& subject) const {
        regmatch_t m{0, static_cast<regoff_t>(subject.size())};
        return regexec(&re_, subject.data(), 1, &m, REG_STARTEND) == 0;
    }

private:
    regex_t re_{};
    int error_ = -1;
};

std::string unescape_sample(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'r')
            out += '\r';
        else if (c == 'n')
            out += '\n';
        else if (c == 't')
            out += '\t';
        else if (c == 'x' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else
            out += c;
    }
    return out;
}

struct Sample {
    std::string name;
    bool match;
    std::string bytes;
};

std::vector<Sample> samples() {
    std::ifstream in(std::string(VORLIX_FIXTURES_DIR) + "/layer7_samples.txt", std::ios::binary);
    EXPECT_TRUE(in) << "layer7_samples.txt";
    std::vector<Sample> out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t a = line.find('\t');
        const std::size_t b = line.find('\t', a + 1);
        EXPECT_NE(b, std::string::npos) << line;
        if (b == std::string::npos) continue;
        const std::string kind = line.substr(a + 1, b - a - 1);
        EXPECT_TRUE(kind == "match" || kind == "nomatch") << line;
        out.push_back({line.substr(0, a), kind == "match", unescape_sample(line.substr(b + 1))});
    }
    return out;
}

TEST(Layer7Catalogue, NamesKeepTheirOrderAndAreUnique) {
    // Every protocol the catalogue may hold, in the order it holds them; entries that could not be
    // written from a protocol description are left out (src/data/firewall/README.md), the rest keep
    // their places.
    static const std::vector<std::string> kOrder = {"edonkey",
                                                    "goboogy",
                                                    "soribada",
                                                    "rdp",
                                                    "gnutella",
                                                    "cvs",
                                                    "nbns",
                                                    "shoutcast",
                                                    "dns",
                                                    "quake-halflife",
                                                    "poco",
                                                    "ciscovpn",
                                                    "x11",
                                                    "xboxlive",
                                                    "applejuice",
                                                    "zmaap",
                                                    "live365",
                                                    "rlogin",
                                                    "http",
                                                    "sip",
                                                    "pop3",
                                                    "smb",
                                                    "quake1",
                                                    "lpd",
                                                    "mute",
                                                    "ssh",
                                                    "jabber",
                                                    "bittorrent",
                                                    "ncp",
                                                    "tls",
                                                    "directconnect",
                                                    "netbios",
                                                    "tftp",
                                                    "subspace",
                                                    "hotline",
                                                    "doom3",
                                                    "ftp",
                                                    "kugoo",
                                                    "tsp",
                                                    "battlefield1942",
                                                    "ssdp",
                                                    "imap",
                                                    "ares",
                                                    "fasttrack",
                                                    "qq",
                                                    "100bao",
                                                    "aim",
                                                    "msn-filetransfer",
                                                    "yahoo",
                                                    "validcertssl",
                                                    "ntp",
                                                    "gnucleuslan",
                                                    "vnc",
                                                    "bgp",
                                                    "tesla",
                                                    "openft",
                                                    "h323",
                                                    "finger",
                                                    "ident",
                                                    "gkrellm",
                                                    "hddtemp",
                                                    "socks",
                                                    "biff",
                                                    "dhcp",
                                                    "smtp",
                                                    "ipp",
                                                    "msnmessenger",
                                                    "irc",
                                                    "gopher",
                                                    "telnet",
                                                    "snmp",
                                                    "nntp",
                                                    "aimwebcontent",
                                                    "rtsp",
                                                    "skypeout",
                                                    "skypetoskype",
                                                    "counterstrike-source",
                                                    "halflife2-deathmatch",
                                                    "freenet",
                                                    "battlefield2",
                                                    "napster",
                                                    "soulseek",
                                                    "xunlei",
                                                    "ssl",
                                                    "citrix",
                                                    "whois",
                                                    "dayofdefeat-source",
                                                    "teamspeak",
                                                    "worldofwarcraft",
                                                    "ventrilo",
                                                    "http-rtsp",
                                                    "thecircle",
                                                    "uucp",
                                                    "pcanywhere",
                                                    "subversion",
                                                    "imesh",
                                                    "cimd",
                                                    "mohaa",
                                                    "stun",
                                                    "tor",
                                                    "radmin",
                                                    "chikka",
                                                    "replaytv-ivs",
                                                    "armagetron",
                                                    "snmpmon",
                                                    "QQ",
                                                    "pps",
                                                    "qqlive",
                                                    "pplive",
                                                    "qqmusic",
                                                    "zip",
                                                    "rar",
                                                    "exe",
                                                    "iso",
                                                    "flv",
                                                    "f4v",
                                                    "mp4",
                                                    "hlv",
                                                    "rmvb",
                                                    "rm",
                                                    "avi",
                                                    "http_html",
                                                    "http_png",
                                                    "http_gif",
                                                    "http_javascript",
                                                    "http_jpeg",
                                                    "http_flash",
                                                    "https",
                                                    "Qzone",
                                                    "Kugoo",
                                                    "Kugou 2010",
                                                    "File",
                                                    "Swf",
                                                    "Tudou",
                                                    "Youku",
                                                    "PPS",
                                                    "Ku6",
                                                    "Qiyi",
                                                    "QQsp",
                                                    "QQMusic",
                                                    "Vod_f4v",
                                                    "WebTV",
                                                    "Vod_mp3",
                                                    "QQLive",
                                                    "PPLive",
                                                    "Kugou",
                                                    "DNS",
                                                    "Jpg",
                                                    "Htm"};
    ASSERT_EQ(kOrder.size(), 149u);
    const std::vector<Entry> entries = catalogue();
    EXPECT_EQ(entries.size(), 101u);
    std::size_t at = 0;
    std::set<std::string> folded;  // the router may compare names without regard to case
    for (const Entry& e : entries) {
        std::string lower = e.name;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(folded.insert(lower).second) << e.name << " differs from another name only in case";
        const auto it = std::find(kOrder.begin() + at, kOrder.end(), e.name);
        ASSERT_NE(it, kOrder.end()) << e.name << " is unknown, repeated or out of order";
        at = it - kOrder.begin() + 1;
    }
}

TEST(Layer7Catalogue, EveryLineIsAnAddWithAnEmptyCommentANameAndAPattern) {
    const std::vector<std::string> lines = logical_lines(fixed_rule_set_script(name::layer7_catalogue));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "/ip firewall layer7-protocol");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto args = ros_args(lines[i]);
        ASSERT_EQ(args.size(), 4u) << lines[i];
        EXPECT_EQ(args[0].key, "add");
        EXPECT_EQ(args[1].key, "comment");
        EXPECT_TRUE(args[1].quoted && args[1].value.empty()) << lines[i];
        EXPECT_EQ(args[2].key, "name");
        EXPECT_EQ(args[3].key, "regexp");
    }
}

// What the router's matcher understands is a subset of POSIX extended expressions: no interval
// braces, no character classes by name, no back references. Its text has no NUL (the matcher never
// sees one) and no capital letters (the matcher lowers the connection's text before it compares).
TEST(Layer7Catalogue, PatternsUseOnlyWhatTheMatcherUnderstands) {
    for (const Entry& e : catalogue()) {
        SCOPED_TRACE(e.name);
        const std::string& p = e.pattern;
        EXPECT_FALSE(p.empty());
        EXPECT_EQ(p.find('\0'), std::string::npos);
        EXPECT_EQ(p.find('{'), std::string::npos) << p;
        EXPECT_EQ(p.find("[[:"), std::string::npos) << p;
        EXPECT_TRUE(std::none_of(p.begin(), p.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) << p;
        for (std::size_t i = 0; i + 1 < p.size(); ++i)
            EXPECT_FALSE(p[i] == '\\' && p[i + 1] >= '1' && p[i + 1] <= '9') << "back reference in " << p;
        EXPECT_TRUE(Pattern(p).ok()) << p;
    }
}

TEST(Layer7Catalogue, EachPatternMatchesItsProtocolAndNotAPlainWebRequest) {
    const std::string plain_request =
        "GET / HTTP/1.1\r\nHost: www.example.com\r\nUser-Agent: test\r\nAccept: */*\r\n\r\n";
    const std::vector<Sample> all = samples();
    std::map<std::string, int> matched;
    std::set<std::string> names;
    for (const Entry& e : catalogue()) {
        SCOPED_TRACE(e.name);
        names.insert(e.name);
        const Pattern pattern(e.pattern);
        ASSERT_TRUE(pattern.ok());
        // The web pattern is the one meant to match a web request; its samples say what it must not match.
        if (e.name != "http") {
            EXPECT_FALSE(pattern.matches(plain_request)) << e.pattern;
        }
        for (const Sample& s : all) {
            if (s.name != e.name) continue;
            EXPECT_EQ(pattern.matches(as_matched(s.bytes)), s.match)
                << (s.match ? "misses " : "matches ") << testing::PrintToString(s.bytes) << "\n with " << e.pattern;
            if (s.match) ++matched[e.name];
        }
        EXPECT_GT(matched[e.name], 0) << "no sample of its protocol";
    }
    for (const Sample& s : all)
        EXPECT_TRUE(names.count(s.name)) << "sample for a pattern the catalogue lacks: " << s.name;
}

// A pattern that also takes other protocols' connections would block them too. Only the patterns
// for what carries other protocols may: the web pattern sees everything sent over the web, the TLS
// pattern every TLS connection, and the two SNMP patterns share their requests.
TEST(Layer7Catalogue, APatternLeavesOtherProtocolsAlone) {
    const std::set<std::string> tls_carried = {"https", "Qzone", "Youku", "Qiyi", "qqlive", "qqmusic"};
    const std::vector<Sample> all = samples();
    for (const Entry& e : catalogue()) {
        SCOPED_TRACE(e.name);
        if (e.name == "http") continue;
        const Pattern p(e.pattern);
        for (const Sample& s : all) {
            if (s.name == e.name || !s.match) continue;
            const bool allowed = (e.name == "tls" && tls_carried.count(s.name)) ||
                                 (e.name == "snmp" && s.name == "snmpmon") || (e.name == "snmpmon" && s.name == "snmp");
            if (!allowed) {
                EXPECT_FALSE(p.matches(as_matched(s.bytes))) << "takes a sample of " << s.name;
            }
        }
    }
}

}  // namespace
}  // namespace vorlix
