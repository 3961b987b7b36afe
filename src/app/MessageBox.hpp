#pragma once
// The one way the program shows a message: icon codes and captions as the pages hand them over.
#include <QMessageBox>
#include <functional>

#include "forms/outcome.hpp"

namespace vorlix {

// A message box for the message, not yet shown: 16 error, 32 question, 33 question with OK and
// Cancel, 36 question with Yes and No, 48 warning, 64 information, anything else plain with OK.
// Without a caption the box reads "信息："; a given caption is used as it is, even an empty one.
QMessageBox* createMessageBox(const Message& message, QWidget* parent);

// Shows the message modally and returns the button the user pressed.
QMessageBox::StandardButton showMessage(const Message& message, QWidget* parent = nullptr);

// Takes the place of the modal box while set, so that tests can see the message and answer it
// without a user. An empty hook brings the box back.
using MessageHook = std::function<QMessageBox::StandardButton(const Message&)>;
void setMessageHook(MessageHook hook);

}  // namespace vorlix
