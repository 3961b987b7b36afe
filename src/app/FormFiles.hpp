#pragma once
// Saving a page's form to a form file and loading it back (forms/form_file.hpp has the format), and
// the list of recent form files in the data directory. The texts returned are worded for the user.
#include <QString>
#include <QStringList>
#include <vector>

#include "forms/recent_form_files.hpp"

namespace vorlix {

class PageView;

// Saves what the page shows now to `path`, through the same atomic write as the script pane, and
// puts the file at the front of the recent list. Returns why it failed, or an empty string.
QString saveForm(const PageView& view, const QString& path);

struct FormLoad {
    QString error;        // why nothing was loaded; empty when the form was
    QStringList ignored;  // controls of the file that the page does not have, left out
};

// Loads form file `path` into the page: either every value of the file is shown, the rest of the
// page back at its defaults and the page's reactions to its check boxes applied, or (on an error)
// the page is left exactly as it was. A loaded file goes to the front of the recent list.
FormLoad loadForm(PageView& view, const QString& path);

// The recent form files, newest first, as kept in the data directory.
std::vector<RecentFormFile> recentFormFiles();

// The name a page's form file is offered under: its caption, without characters a file name may
// not hold, and ".json".
QString formFileName(const QString& pageCaption);

}  // namespace vorlix
