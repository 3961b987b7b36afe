// The side windows, in the order of their buttons on the main window.
#include "generators/pages.hpp"
#include "windows/core/RouteTable.hpp"

namespace vorlix {

std::vector<PageEntry> side_windows() {
    return {route_table_window()};
}

}  // namespace vorlix
