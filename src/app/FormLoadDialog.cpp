#include "app/FormLoadDialog.hpp"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/QtText.hpp"

namespace vorlix {

FormLoadDialog::FormLoadDialog(const std::string& page, const std::vector<RecentFormFile>& recent, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("载入表单"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("最近使用的表单文件:"), this));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("列表框_最近表单"));
    for (const RecentFormFile& f : recent) {
        const QString path = QString::fromStdString(f.path);
        const QFileInfo info(path);
        // The file's name and page first, its folder after: two files of one name are told apart there.
        auto* item =
            new QListWidgetItem(QStringLiteral("%1    [%2]    %3")
                                    .arg(info.fileName(), qs(f.page), QDir::toNativeSeparators(info.absolutePath())),
                                m_list);
        item->setData(Qt::UserRole, path);
        QString why;
        if (f.page != page)
            why = QStringLiteral("(页面「%1」的表单)").arg(qs(f.page));
        else if (!info.isFile())
            why = QStringLiteral("(文件已不存在)");
        item->setToolTip(QDir::toNativeSeparators(path) + (why.isEmpty() ? QString() : QStringLiteral("\n") + why));
        if (!why.isEmpty()) item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
    if (recent.empty()) {
        auto* none = new QListWidgetItem(QStringLiteral("(还没有保存或载入过表单)"), m_list);
        none->setFlags(Qt::NoItemFlags);
    }
    m_list->setMinimumWidth(420);
    layout->addWidget(m_list);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* browse = buttons->addButton(QStringLiteral("浏览..."), QDialogButtonBox::ActionRole);
    browse->setObjectName(QStringLiteral("按钮_浏览表单"));
    m_load = buttons->addButton(QStringLiteral("载入"), QDialogButtonBox::AcceptRole);
    m_load->setObjectName(QStringLiteral("按钮_载入"));
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    connect(browse, &QPushButton::clicked, this, &FormLoadDialog::browse);
    connect(m_load, &QPushButton::clicked, this, &FormLoadDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &FormLoadDialog::choose);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_load->setEnabled(!m_list->selectedItems().isEmpty()); });
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->flags() & Qt::ItemIsSelectable) {
            m_list->setCurrentRow(i);
            break;
        }
    }
    m_load->setEnabled(!m_list->selectedItems().isEmpty());
}

void FormLoadDialog::choose() {
    const QList<QListWidgetItem*> chosen = m_list->selectedItems();
    if (chosen.isEmpty()) return;
    m_path = chosen.constFirst()->data(Qt::UserRole).toString();
    accept();
}

void FormLoadDialog::browse() {
    QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (QListWidgetItem* item = m_list->item(0); item != nullptr && !item->data(Qt::UserRole).toString().isEmpty())
        start = QFileInfo(item->data(Qt::UserRole).toString()).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("载入表单"), start,
                                                      QStringLiteral("表单文件(*.json);;所有文件(*)"));
    if (path.isEmpty()) return;
    m_path = path;
    accept();
}

}  // namespace vorlix
