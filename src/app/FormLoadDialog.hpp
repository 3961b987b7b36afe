#pragma once
// "载入表单": the recent form files to pick from, and a way to browse for any other file.
#include <QDialog>
#include <string>
#include <vector>

#include "forms/recent_form_files.hpp"

class QListWidget;
class QPushButton;

namespace vorlix {

class FormLoadDialog : public QDialog {
    Q_OBJECT
public:
    // `page` is the caption of the page the form goes to: recent files of other pages, and files that
    // are gone, are listed greyed out with the reason, so that the list still reads as the user left it.
    FormLoadDialog(const std::string& page, const std::vector<RecentFormFile>& recent, QWidget* parent = nullptr);

    // The file chosen: a recent one, or one found with "浏览...". Empty until one is chosen.
    QString selectedPath() const { return m_path; }

private:
    void browse();
    void choose();

    QListWidget* m_list = nullptr;
    QPushButton* m_load = nullptr;
    QString m_path;
};

}  // namespace vorlix
