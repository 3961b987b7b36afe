#include "app/TrayIcon.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QIconEngine>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QUrl>
#include <algorithm>
#include <map>

#include "app/AppInfo.hpp"

namespace vorlix {
namespace {

// The program's pictures, one file per size, each decoded only when something asks for a picture of
// about that size. Decoding all seven PNGs up front cost more than building the whole window on
// platforms that never ask (Windows asks for two sizes, the offscreen platform for none).
class ProgramIconEngine final : public QIconEngine {
public:
    explicit ProgramIconEngine(std::map<int, QString> files) : m_files(std::move(files)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = pick(size);
        if (side == 0 || size.isEmpty()) return {};
        QPixmap& decoded = m_decoded[side];
        if (decoded.isNull()) decoded.load(m_files.at(side));
        // Never larger than the picture: a blown-up icon only looks blurred.
        const QSize target = actualSize(size, mode, QIcon::Off);
        QPixmap picture =
            decoded.size() == target ? decoded : decoded.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Normal) return picture;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = pick(size);
        if (side == 0) return {};
        QSize actual(side, side);
        if (actual.width() > size.width() || actual.height() > size.height()) actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& [side, file] : m_files) sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("vorlix-program-icon"); }

private:
    // The smallest picture at least as large as asked for (scaling down keeps it sharp), else the largest.
    int pick(const QSize& size) const {
        if (m_files.empty()) return 0;
        const auto it = m_files.lower_bound(std::max(size.width(), size.height()));
        return it != m_files.end() ? it->first : m_files.rbegin()->first;
    }

    std::map<int, QString> m_files;
    std::map<int, QPixmap> m_decoded;
};

}  // namespace

TrayIcon::TrayIcon(QObject* parent)
    : QSystemTrayIcon(QApplication::windowIcon().isNull() ? programIcon() : QApplication::windowIcon(), parent),
      m_menu(new QMenu) {
    setToolTip(QStringLiteral("%1\n%2").arg(QLatin1String(kProductName), QLatin1String(kWebAddress)));
    m_menu->setObjectName(QStringLiteral("菜单"));
    m_menu->setTitle(QStringLiteral("菜单"));
    connect(m_menu->addAction(QStringLiteral("显示主窗口")), &QAction::triggered, this, &TrayIcon::showWindowRequested);
    m_menu->addSeparator();
    connect(m_menu->addAction(QStringLiteral("访问官网")), &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl(QLatin1String(kWebAddress))); });
    m_menu->addSeparator();
    connect(m_menu->addAction(QStringLiteral("退出")), &QAction::triggered, this, &TrayIcon::quitRequested);
    setContextMenu(m_menu);
    connect(this, &QSystemTrayIcon::activated, this, [this](ActivationReason reason) {
        if (reason == Trigger) Q_EMIT showWindowRequested();
    });
}

TrayIcon::~TrayIcon() {
    delete m_menu;  // a context menu is not owned by the icon
}

QIcon TrayIcon::programIcon() {
    // The sizes rendered at build time from packaging/org.vorlix.Vorlix.svg, the same pictures the
    // desktop's icon theme gets, in folders named by their size.
    std::map<int, QString> files;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString& size : sizes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const int side = size.toInt(&number);
        if (number && side > 0) files.emplace(side, sizes.filePath(size + QStringLiteral("/org.vorlix.Vorlix.png")));
    }
    return QIcon(new ProgramIconEngine(std::move(files)));
}

}  // namespace vorlix
