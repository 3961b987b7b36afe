#include <gtest/gtest.h>

#include <QAbstractButton>
#include <memory>

#include "app/MessageBox.hpp"
#include "app/QtTranslations.hpp"

namespace vorlix {
namespace {

TEST(MessageBox, IconCodesGiveIconAndButtons) {
    struct Case {
        int code;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    const Case cases[] = {
        {kIconError, QMessageBox::Critical, QMessageBox::Ok},
        {kIconQuestion, QMessageBox::Question, QMessageBox::Ok},
        {kIconOkCancel, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel},
        {kIconYesNo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No},
        {kIconWarning, QMessageBox::Warning, QMessageBox::Ok},
        {kIconInformation, QMessageBox::Information, QMessageBox::Ok},
        {0, QMessageBox::NoIcon, QMessageBox::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const std::unique_ptr<QMessageBox> box(createMessageBox({.text = "a <b>", .icon = c.code}, nullptr));
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->standardButtons(), c.buttons);
        EXPECT_EQ(box->text(), QStringLiteral("a <b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
    }
}

TEST(MessageBox, CaptionIsInfoUnlessGivenEvenEmpty) {
    const std::unique_ptr<QMessageBox> none(createMessageBox({.text = "x"}, nullptr));
    EXPECT_EQ(none->windowTitle(), QStringLiteral("信息："));
    const std::unique_ptr<QMessageBox> empty(createMessageBox({.text = "x", .caption = ""}, nullptr));
    EXPECT_EQ(empty->windowTitle(), QString());
    const std::unique_ptr<QMessageBox> given(createMessageBox({.text = "x", .caption = "提示"}, nullptr));
    EXPECT_EQ(given->windowTitle(), QStringLiteral("提示"));
}

// Qt's standard buttons speak the window's language, with the keys of Yes and No as Chinese Windows
// shows them.
TEST(MessageBox, StandardButtonsReadChinese) {
    if (qtTranslationFile().isEmpty())
        GTEST_SKIP() << "Qt's Chinese texts (qtbase_zh_CN.qm, Debian qt6-translations-l10n) are not installed";
    ASSERT_TRUE(installQtTranslations());
    struct Case {
        int code;
        QMessageBox::StandardButton button;
        const char* caption;
    };
    const Case cases[] = {
        {kIconInformation, QMessageBox::Ok, "确定"},
        {kIconOkCancel, QMessageBox::Cancel, "取消"},
        {kIconYesNo, QMessageBox::Yes, "是(&Y)"},
        {kIconYesNo, QMessageBox::No, "否(&N)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        const std::unique_ptr<QMessageBox> box(createMessageBox({.text = "x", .icon = c.code}, nullptr));
        ASSERT_NE(box->button(c.button), nullptr);
        EXPECT_EQ(box->button(c.button)->text(), QString::fromUtf8(c.caption));
    }
}

}  // namespace
}  // namespace vorlix
