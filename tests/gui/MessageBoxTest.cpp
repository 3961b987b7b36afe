#include <gtest/gtest.h>

#include <memory>

#include "app/MessageBox.hpp"

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

}  // namespace
}  // namespace vorlix
