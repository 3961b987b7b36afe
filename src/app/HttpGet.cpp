#include "app/HttpGet.hpp"

#include <curl/curl.h>

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

}  // namespace

std::optional<std::string> httpGet(const std::string& url, const HttpLimits& limits,
                                   const std::function<bool()>& abandon) {
    // curl_global_init is not thread-safe; the notices start two threads at once.
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    const std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) return std::nullopt;
    Transfer transfer{.abandon = &abandon};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);  // time-outs without SIGALRM, safe in threads
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connect.count()));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.total.count()));
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, keepBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);
    if (curl_easy_perform(c) != CURLE_OK) return std::nullopt;
    return std::move(transfer.body);
}

}  // namespace vorlix
