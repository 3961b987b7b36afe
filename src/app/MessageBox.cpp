#include "app/MessageBox.hpp"

namespace vorlix {
namespace {

MessageHook& hook() {
    static MessageHook h;
    return h;
}

}  // namespace

QMessageBox* createMessageBox(const Message& message, QWidget* parent) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (message.icon) {
        case kIconError:
            icon = QMessageBox::Critical;
            break;
        case kIconQuestion:
            icon = QMessageBox::Question;
            break;
        case kIconOkCancel:
            icon = QMessageBox::Question;
            buttons = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case kIconYesNo:
            icon = QMessageBox::Question;
            buttons = QMessageBox::Yes | QMessageBox::No;
            break;
        case kIconWarning:
            icon = QMessageBox::Warning;
            break;
        case kIconInformation:
            icon = QMessageBox::Information;
            break;
        default:
            break;
    }
    const QString caption = message.caption ? QString::fromStdString(*message.caption) : QStringLiteral("信息：");
    auto* box = new QMessageBox(icon, caption, QString::fromStdString(message.text), buttons, parent);
    box->setTextFormat(Qt::PlainText);  // typed values may hold '<'
    return box;
}

QMessageBox::StandardButton showMessage(const Message& message, QWidget* parent) {
    if (hook()) return hook()(message);
    QMessageBox* box = createMessageBox(message, parent);
    const auto answer = static_cast<QMessageBox::StandardButton>(box->exec());
    delete box;
    return answer;
}

void setMessageHook(MessageHook h) {
    hook() = std::move(h);
}

}  // namespace vorlix
