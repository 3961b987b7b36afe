#include "generators/scripts/Ddns.hpp"

#include "generators/scripts/ScriptTemplate.hpp"
#include "script/quote.hpp"
#include "script/text.hpp"

namespace vorlix {
namespace name {
namespace {
constexpr std::string_view notice = "标签_60注意", group = "分组框82", account = "编辑框_60用户账号",
                           password = "编辑框_60用户密码", prefix = "编辑框_60域名前缀", suffix = "组合框_60域名后缀",
                           interface = "编辑框_60外网网卡", f3322 = "单选框_60f3322", huashengke = "单选框_60花生壳",
                           meibu = "单选框_60每步", changeip = "单选框_60changeip",
                           changeip_note = "标签_60changeip提示", generate = "按钮_60生成", signup = "按钮_60申请域名";
constexpr std::string_view about_group = "分组框81", about = "标签_60介绍";
// The radio buttons in the order of the providers.
constexpr std::string_view radios[] = {f3322, huashengke, meibu, changeip};
}  // namespace
}  // namespace name

// The names on the provider tabs.
namespace tab {
namespace {
constexpr std::string_view f3322_group = "分组框_60f3322", f3322_text = "标签_60f3322",
                           f3322_link = "超级链接框_60f3322";
constexpr std::string_view huashengke_group = "分组框_60花生壳", huashengke_text = "标签_60花生壳",
                           huashengke_link = "超级链接框_60花生壳";
constexpr std::string_view meibu_group = "分组框_60每步", meibu_text = "标签_60每步";
constexpr std::string_view changeip_group = "分组框_60changeip", changeip_text = "标签_60changeip",
                           changeip_link = "超级链接框_60changeip";
}  // namespace
}  // namespace tab

const std::array<DdnsProviderInfo, 4>& ddns_providers() {
    static constexpr std::array<DdnsProviderInfo, 4> kProviders{{
        {DdnsProvider::f3322, "f3322", ".f3322.net", "https://www.pubyun.com/"},
        {DdnsProvider::huashengke, "花生壳", ".oicp.net", "https://hsk.oray.com/"},
        {DdnsProvider::meibu, "每步", ".meibu.com", "http://www.meibu.com/"},
        {DdnsProvider::changeip, "changeip", ".changeip.net", "https://www.changeip.com/"},
    }};
    return kProviders;
}

const DdnsProviderInfo& ddns_provider(DdnsProvider provider) {
    return ddns_providers()[static_cast<std::size_t>(provider)];
}

std::optional<std::string> ddns_update_script(const DdnsFields& f) {
    std::string_view file;
    switch (f.provider) {
        case DdnsProvider::f3322:
        case DdnsProvider::changeip:
            file = "ddns_dns_update.rsc";
            break;
        case DdnsProvider::huashengke:
            file = "ddns_http_update.rsc";
            break;
        case DdnsProvider::meibu:
            return std::nullopt;
    }
    // Account, password and host name sit in quoted strings of the script; the interface is a
    // quoted string in the DNS-update script and a bare word in the HTTP one.
    const bool bare_interface = f.provider == DdnsProvider::huashengke;
    return fill_placeholders(script_template(file),
                             {
                                 {"{账号}", escape_value(f.account)},
                                 {"{密码}", escape_value(f.password)},
                                 {"{域名}", escape_value(f.prefix + f.suffix)},
                                 {"{网卡}", bare_interface ? bare_value(f.interface) : escape_value(f.interface)},
                             });
}

std::optional<std::string> generate_ddns(const DdnsFields& f) {
    const std::optional<std::string> script = ddns_update_script(f);
    if (!script) return std::nullopt;
    return "/system scheduler add name=Mavek_DDNS interval=00:05:00 start-time=startup "
           "policy=ftp,reboot,read,write,policy,test,password,sniff,sensitive on-event=" +
           quote_script(*script);
}

const PageSpec& ddns_page_spec() {
    static const PageSpec kPage = [] {
        std::vector<std::string> suffixes;
        for (const DdnsProviderInfo& p : ddns_providers()) suffixes.emplace_back(p.suffix);
        return PageSpec{
            .caption = "DDNS动态域名服务",
            .controls = {
                label(name::notice,
                      "注意:申请帐号时一定要填写真实邮件地址,申请完需要用邮件激活帐号,激活完成后,"
                      "您申请的帐号才能正常使用."),
                group_box(name::group, "申请动态域名配置生成DDNS脚本"),
                edit(name::account, "用户账号:", "username").at_most(64).in(name::group).hinted("在服务商所申请的帐号"),
                edit(name::password, "用户密码:", "Mavek2015")
                    .at_most(64)
                    .in(name::group)
                    .hinted("在服务商所申请的帐号密码"),
                edit(name::prefix, "绑定域名:", "username").in(name::group).hinted("在服务商所申请的二级域名"),
                editable_combo(name::suffix, "", suffixes, suffixes.front()).in(name::group).beside(),
                edit(name::interface, "外网网卡:", "pppoe-out1")
                    .typed(ValueType::interface_name)
                    .in(name::group)
                    .hinted("如果您是ADSL拨号的请填写您所添加的PPPOE拨号网卡名(既默认),其他请填写外网网卡名称"),
                radio_button(name::f3322, "f3322", true).in(name::group),
                radio_button(name::huashengke, "花生壳", false).in(name::group).beside(),
                radio_button(name::meibu, "每步", false).in(name::group).beside().off(),
                radio_button(name::changeip, "changeip", false).in(name::group).beside(),
                label(name::changeip_note, "被360等浏览器设定为恶意网站").in(name::group).beside(),
                button(name::generate, "5.X/6.X系列脚本生成").in(name::group),
                button(name::signup, "申请DDNS服务商帐号(点击这里免费申请)").in(name::group).beside(),
                group_box(name::about_group, "关于DDNS的介绍"),
                label(name::about,
                      "DDNS(动态域名解析)让一个固定的域名始终指向一个会变化的IP地址:路由器定时把外网网卡当前的IP地址"
                      "告诉DDNS服务商,服务商随即更新域名的解析。\n\n"
                      "用途一:宽带拨号时运营商分配的公网IP经常变化,有了DDNS,在任何地方都能用域名找到这台路由器,"
                      "例如远程管理或者VPN拨入。\n\n"
                      "用途二:在家里或办公室架设服务器(网站、监控、文件共享等),没有固定IP也能让别人用域名访问。")
                    .in(name::about_group),
            }};
    }();
    return kPage;
}

namespace {

// The checked provider, tested in the order of the radio buttons; changeip when none is checked.
DdnsProvider checked_provider(const Form& form) {
    for (const DdnsProviderInfo& p : ddns_providers())
        if (form.checked(name::radios[static_cast<std::size_t>(p.provider)])) return p.provider;
    return DdnsProvider::changeip;
}

Outcome run_generate(const Form& form, Env&) {
    const std::optional<std::string> script = generate_ddns({
        .provider = checked_provider(form),
        .account = form.text(name::account),
        .password = form.text(name::password),
        .prefix = form.text(name::prefix),
        .suffix = form.text(name::suffix),
        .interface = form.text(name::interface),
    });
    Outcome o;
    o.script = script;  // none for a provider without a script: the editor keeps what it shows
    return o;
}

Outcome run_signup(const Form& form, Env&) {
    Outcome o;
    o.web_page = std::string(ddns_provider(checked_provider(form)).signup);
    return o;
}

// A click on a provider puts its domain suffix after the prefix; nothing else changes.
template <DdnsProvider P>
Outcome run_choose(const Form&, Env&) {
    Outcome o;
    o.updates.push_back({std::string(name::suffix), {.text = std::string(ddns_provider(P).suffix)}});
    return o;
}

}  // namespace

PageEntry ddns_page() {
    return {&ddns_page_spec(),
            {
                {name::generate, run_generate},
                {name::signup, run_signup},
                {name::f3322, run_choose<DdnsProvider::f3322>, BindingKind::action},
                {name::huashengke, run_choose<DdnsProvider::huashengke>, BindingKind::action},
                {name::meibu, run_choose<DdnsProvider::meibu>, BindingKind::action},
                {name::changeip, run_choose<DdnsProvider::changeip>, BindingKind::action},
            }};
}

namespace {

// A provider's tab: what its account needs and what the generated script does with it, and a link to
// its site.
PageSpec provider_tab(DdnsProvider provider, std::string_view group, std::string_view text_name, std::string text,
                      std::string_view link_name) {
    const DdnsProviderInfo& p = ddns_provider(provider);
    PageSpec page{.caption = std::string(p.caption), .in_tree = false};
    page.controls.push_back(group_box(group, std::string(p.caption) + "动态域名"));
    page.controls.push_back(label(text_name, std::move(text)).in(group));
    if (!link_name.empty())
        page.controls.push_back(
            hyperlink(link_name, "服务商网站: " + std::string(p.signup), std::string(p.signup)).in(group));
    return page;
}

}  // namespace

std::vector<PageEntry> ddns_provider_pages() {
    static const PageSpec kF3322 =
        provider_tab(DdnsProvider::f3322, tab::f3322_group, tab::f3322_text,
                     "在服务商网站注册帐号,用邮件激活后添加一个动态域名,例如 username.f3322.net。\n\n"
                     "页面上填写:用户账号、用户密码、域名前缀(username)和后缀(.f3322.net)、外网网卡。\n\n"
                     "生成的脚本由计划任务每5分钟运行一次:取外网网卡的IP地址,与域名当前解析到的地址不同时,"
                     "用 /tool dns-update 提交新地址,用户账号作为 key-name,用户密码作为 key。",
                     tab::f3322_link);
    static const PageSpec kHuashengke =
        provider_tab(DdnsProvider::huashengke, tab::huashengke_group, tab::huashengke_text,
                     "需要一个花生壳帐号和帐号下的一个域名,例如 username.oicp.net。\n\n"
                     "页面上填写:用户账号、用户密码、完整的域名(前缀和后缀)、外网网卡。\n\n"
                     "生成的脚本由计划任务每5分钟运行一次:取外网网卡的IP地址,用HTTP请求 http://ddns.oray.com/ph/update "
                     "提交域名和地址,帐号和密码作为HTTP身份验证。",
                     tab::huashengke_link);
    static const PageSpec kMeibu =
        provider_tab(DdnsProvider::meibu, tab::meibu_group, tab::meibu_text,
                     "本程序没有每步的更新脚本,所以DDNS页面上的\"每步\"选项是灰色的,不能选择。\n\n"
                     "每步的域名请按服务商提供的方法更新。",
                     {});
    static const PageSpec kChangeip =
        provider_tab(DdnsProvider::changeip, tab::changeip_group, tab::changeip_text,
                     "需要一个changeip帐号和帐号下的一个域名,例如 username.changeip.net。\n\n"
                     "页面上填写:用户账号、用户密码、域名前缀和后缀、外网网卡。\n\n"
                     "生成的脚本与f3322的相同:由计划任务每5分钟运行一次,地址变化时用 /tool dns-update 提交,"
                     "用户账号作为 key-name,用户密码作为 key。\n\n"
                     "注意:有的浏览器把changeip的网站标为恶意网站。",
                     tab::changeip_link);
    return {{&kF3322, {}}, {&kHuashengke, {}}, {&kMeibu, {}}, {&kChangeip, {}}};
}

}  // namespace vorlix
