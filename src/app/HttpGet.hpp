#pragma once
// One HTTP GET with time-outs, for the usage notices. libcurl, loaded on the first request, so that it
// runs on any thread; it never touches a widget.
#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace vorlix {

struct HttpLimits {
    std::chrono::milliseconds connect{5000};  // to reach the server
    std::chrono::milliseconds total{10000};   // for the whole request
};

// The body of the answer to a GET of `url` (http or https only, no redirects followed, at most 64 KB
// kept), or nothing when there was no answer: no connection, a time-out, an HTTP error status, or
// `abandon` returning true while the request runs.
std::optional<std::string> httpGet(const std::string& url, const HttpLimits& limits = {},
                                   const std::function<bool()>& abandon = {});

}  // namespace vorlix
