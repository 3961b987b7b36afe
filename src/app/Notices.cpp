#include "app/Notices.hpp"

#include "forms/notices.hpp"

namespace vorlix {

Notices::Notices(std::string dataDir, std::string endpoint, std::chrono::milliseconds spacing, Get get)
    : m_dataDir(std::move(dataDir)), m_endpoint(std::move(endpoint)), m_spacing(spacing), m_get(std::move(get)) {}

Notices::~Notices() {
    stop();
    if (m_usage.joinable()) m_usage.join();
    if (m_onlineThread.joinable()) m_onlineThread.join();
}

bool Notices::stopping() const {
    const std::lock_guard<std::mutex> hold(m_mutex);
    return m_stopping;
}

bool Notices::pause(std::chrono::milliseconds span) {
    std::unique_lock<std::mutex> hold(m_mutex);
    return !m_wake.wait_for(hold, span, [this] { return m_stopping; });
}

void Notices::stop() {
    {
        const std::lock_guard<std::mutex> hold(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
}

void Notices::start(const DateTime& today) {
    if (m_endpoint.empty() || m_usage.joinable()) return;
    const NoticeLink link{
        .endpoint = m_endpoint,
        .get = [this](const std::string& url) { return m_get(url, HttpLimits{}, [this] { return stopping(); }); },
        .pause = [this](std::chrono::milliseconds span) { return pause(span); },
        .spacing = m_spacing,
    };
    m_usage = std::thread([this, link, today] { usage_report(link, m_dataDir, today); });
    m_onlineThread = std::thread([this, link] {
        if (const std::optional<long long> count = online_report(link, m_dataDir)) {
            m_count = *count;
            m_online = true;
        }
    });
}

bool Notices::sendOffline(std::chrono::milliseconds limit) {
    if (!m_online.load()) return false;
    const HttpLimits limits{.connect = std::min(limit, HttpLimits{}.connect), .total = limit};
    const NoticeLink link{
        .endpoint = m_endpoint,
        .get = [this, limits](const std::string& url) { return m_get(url, limits, {}); },
    };
    if (!offline_report(link, m_dataDir, m_count.load())) return false;
    m_online = false;
    return true;
}

}  // namespace vorlix
