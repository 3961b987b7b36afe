#pragma once
// The usage notices of a running program: the daily and per-start report and the online report on two
// plain threads started with the window, and the offline report when it closes. The threads touch the
// settings file and their own state, never a widget. Closing asks them to stop (a pause between
// attempts ends at once, a request in flight is abandoned) and waits a bounded time for the offline
// report only.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "app/HttpGet.hpp"
#include "script/ros_date.hpp"

namespace vorlix {

class Notices {
public:
    // A GET as httpGet makes it; tests may put another in its place.
    using Get = std::function<std::optional<std::string>(const std::string& url, const HttpLimits& limits,
                                                         const std::function<bool()>& abandon)>;

    // `endpoint` empty: nothing is ever sent and no thread is started.
    Notices(std::string dataDir, std::string endpoint, std::chrono::milliseconds spacing = std::chrono::seconds(10),
            Get get = httpGet);
    // Stops the threads and waits for them to end (a request in flight ends within about a second).
    ~Notices();
    Notices(const Notices&) = delete;
    Notices& operator=(const Notices&) = delete;

    // Starts the usage report, then the online report, each on its own thread.
    void start(const DateTime& today);
    // Tells the threads to give up: no further attempt, the pause and the request in flight end.
    void stop();
    // When the online report was accepted: one offline report, limited to `limit` in all. Returns
    // whether it was accepted. Call after stop().
    bool sendOffline(std::chrono::milliseconds limit = std::chrono::seconds(3));

    // Whether the online report was accepted (and not yet balanced by an offline one).
    bool online() const { return m_online.load(); }

private:
    bool pause(std::chrono::milliseconds span);
    bool stopping() const;

    std::string m_dataDir, m_endpoint;
    std::chrono::milliseconds m_spacing;
    Get m_get;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::atomic<bool> m_online{false};
    std::atomic<long long> m_count{0};
    std::thread m_usage, m_onlineThread;
};

}  // namespace vorlix
