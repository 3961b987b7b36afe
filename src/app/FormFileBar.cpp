#include "app/FormFileBar.hpp"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QStandardPaths>
#include <QToolButton>

#include "app/FormFiles.hpp"
#include "app/FormLoadDialog.hpp"
#include "app/MessageBox.hpp"
#include "app/PageView.hpp"
#include "app/QtText.hpp"
#include "forms/main_frame.hpp"

namespace vorlix {

FormFileBar::FormFileBar(std::function<PageView*()> currentPage, QWidget* parent)
    : QWidget(parent), m_currentPage(std::move(currentPage)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    // Captions from the table the language packs are written from.
    const PageSpec& buttons = form_file_buttons_spec();
    m_save = new QToolButton(this);
    m_save->setText(qs(buttons.find(frame::save_form)->text));
    m_save->setObjectName(qs(frame::save_form));
    m_save->setToolTip(QStringLiteral("把本页填写的内容保存为表单文件, 以后可再载入, 或交给 vorlix-cli --form"));
    m_load = new QToolButton(this);
    m_load->setText(qs(buttons.find(frame::load_form)->text));
    m_load->setObjectName(qs(frame::load_form));
    m_load->setToolTip(QStringLiteral("用表单文件填写本页"));
    // Compact, so that the outer tabs beside them keep their room.
    for (QToolButton* b : {m_save, m_load}) {
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        row->addWidget(b);
    }
    connect(m_save, &QToolButton::clicked, this, &FormFileBar::saveCurrentPage);
    connect(m_load, &QToolButton::clicked, this, &FormFileBar::loadIntoCurrentPage);
    refresh();
}

void FormFileBar::refresh() {
    const bool page = m_currentPage() != nullptr;
    m_save->setEnabled(page);
    m_load->setEnabled(page);
}

void FormFileBar::saveCurrentPage() {
    PageView* view = m_currentPage();
    if (view == nullptr) return;
    const std::vector<RecentFormFile> recent = recentFormFiles();
    const QString dir = recent.empty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                       : QFileInfo(QString::fromStdString(recent.front().path)).absolutePath();
    QFileDialog dialog(window(), QStringLiteral("保存表单"), QDir(dir).filePath(formFileName(qs(view->spec().caption))),
                       QStringLiteral("表单文件(*.json)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString error = saveForm(*view, dialog.selectedFiles().constFirst());
    if (!error.isEmpty()) showMessage({.text = error.toStdString(), .icon = kIconError}, window());
}

void FormFileBar::loadIntoCurrentPage() {
    PageView* view = m_currentPage();
    if (view == nullptr) return;
    FormLoadDialog dialog(view->spec().caption, recentFormFiles(), window());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedPath().isEmpty()) return;
    const FormLoad loaded = loadForm(*view, dialog.selectedPath());
    if (!loaded.error.isEmpty()) {
        showMessage({.text = loaded.error.toStdString(), .icon = kIconError}, window());
        return;
    }
    if (!loaded.ignored.isEmpty())
        showMessage({.text = QStringLiteral("表单已载入。页面「%1」没有以下控件, 文件中它们的值已忽略:\n%2")
                                 .arg(qs(view->spec().caption), loaded.ignored.join(QStringLiteral("\n")))
                                 .toStdString(),
                     .icon = kIconWarning},
                    window());
}

}  // namespace vorlix
