#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QUuid>

#include "app/SingleInstance.hpp"

namespace vorlix {
namespace {

TEST(SingleInstance, SecondStartAsksTheFirstToShowItself) {
    const QString name = QStringLiteral("vorlix-test-") + QUuid::createUuid().toString(QUuid::Id128);
    auto first = std::make_unique<SingleInstance>(name);
    ASSERT_TRUE(first->claim());
    QSignalSpy shown(first.get(), &SingleInstance::showRequested);

    SingleInstance second(name);
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(shown.wait(2000));
    EXPECT_EQ(shown.count(), 1);

    // Once the first has ended, the next start is the first again.
    first.reset();
    SingleInstance third(name);
    EXPECT_TRUE(third.claim());
}

TEST(SingleInstance, NamesDifferPerDataDirectory) {
    const QByteArray saved = qgetenv("VORLIX_DATA_DIR");
    qputenv("VORLIX_DATA_DIR", "/tmp/vorlix-a");
    const QString a = SingleInstance::defaultServerName();
    qputenv("VORLIX_DATA_DIR", "/tmp/vorlix-b");
    const QString b = SingleInstance::defaultServerName();
    qputenv("VORLIX_DATA_DIR", saved);
    EXPECT_NE(a, b);
    EXPECT_TRUE(a.startsWith(QStringLiteral("vorlix-")));
}

}  // namespace
}  // namespace vorlix
