#include "app/HttpGet.hpp"

#include <curl/curl.h>

#include <QLibrary>
#include <QStringList>
#include <memory>
#include <mutex>

namespace vorlix {
namespace {

constexpr std::size_t kMaxBody = 64 * 1024;

struct Transfer {
    std::string body;
    const std::function<bool()>* abandon = nullptr;
};

std::size_t keepBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    t->body.append(data, std::min(n, kMaxBody - std::min(kMaxBody, t->body.size())));
    return n;
}

int progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* t = static_cast<Transfer*>(user);
    return *t->abandon && (*t->abandon)() ? 1 : 0;  // non-zero ends the transfer
}

// libcurl's entry points, loaded when the first request is made. Linked at build time, libcurl and
// the TLS, Kerberos and LDAP libraries it needs made every start of the window resolve thousands of
// symbols for requests that come later, if at all; the header still gives the types and constants.
struct Curl {
    CURLcode (*global_init)(long) = nullptr;
    CURL* (*easy_init)() = nullptr;
    CURLcode (*easy_setopt)(CURL*, CURLoption, ...) = nullptr;
    CURLcode (*easy_perform)(CURL*) = nullptr;
    void (*easy_cleanup)(CURL*) = nullptr;

    bool complete() const { return global_init && easy_init && easy_setopt && easy_perform && easy_cleanup; }
};

template <typename F>
void resolve(QLibrary& library, F& function, const char* symbol) {
    function = reinterpret_cast<F>(library.resolve(symbol));
}

Curl loadCurl() {
#ifdef Q_OS_WIN
    const QStringList names{QStringLiteral("libcurl-x64"), QStringLiteral("libcurl"), QStringLiteral("curl")};
    const int version = -1;
#else
    const QStringList names{QStringLiteral("curl"), QStringLiteral("curl-gnutls")};
    const int version = 4;  // the ABI the header describes
#endif
    for (const QString& name : names) {
        // Never unloaded: the entry points stay valid for the rest of the process.
        QLibrary library(name, version);
        library.setLoadHints(QLibrary::PreventUnloadHint);
        if (!library.load()) continue;
        Curl curl;
        resolve(library, curl.global_init, "curl_global_init");
        resolve(library, curl.easy_init, "curl_easy_init");
        resolve(library, curl.easy_setopt, "curl_easy_setopt");
        resolve(library, curl.easy_perform, "curl_easy_perform");
        resolve(library, curl.easy_cleanup, "curl_easy_cleanup");
        if (curl.complete()) return curl;
    }
    return {};
}

}  // namespace

std::optional<std::string> httpGet(const std::string& url, const HttpLimits& limits,
                                   const std::function<bool()>& abandon) {
    // Loading and curl_global_init are not thread-safe; the notices start two threads at once.
    static std::once_flag once;
    static Curl api;
    std::call_once(once, [] {
        api = loadCurl();
        if (api.complete() && api.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) api = {};
    });
    if (!api.complete()) return std::nullopt;  // without libcurl there is simply no answer
    const std::unique_ptr<CURL, void (*)(CURL*)> curl(api.easy_init(), api.easy_cleanup);
    if (!curl) return std::nullopt;
    Transfer transfer{.abandon = &abandon};
    CURL* c = curl.get();
    const auto set = api.easy_setopt;
    set(c, CURLOPT_URL, url.c_str());
    set(c, CURLOPT_PROTOCOLS_STR, "http,https");
    set(c, CURLOPT_NOSIGNAL, 1L);  // time-outs without SIGALRM, safe in threads
    set(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connect.count()));
    set(c, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.total.count()));
    set(c, CURLOPT_FAILONERROR, 1L);
    set(c, CURLOPT_WRITEFUNCTION, keepBody);
    set(c, CURLOPT_WRITEDATA, &transfer);
    set(c, CURLOPT_NOPROGRESS, 0L);
    set(c, CURLOPT_XFERINFOFUNCTION, progress);
    set(c, CURLOPT_XFERINFODATA, &transfer);
    if (api.easy_perform(c) != CURLE_OK) return std::nullopt;
    return std::move(transfer.body);
}

}  // namespace vorlix
