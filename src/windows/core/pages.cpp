// The side windows, in the order of their buttons on the main window.
#include "generators/pages.hpp"
#include "windows/core/RouteTable.hpp"
#include "windows/core/ScriptEditor.hpp"
#include "windows/core/SubnetCalculator.hpp"

namespace vorlix {

std::vector<PageEntry> side_windows() {
    return {subnet_calculator_window(), route_table_window(), script_editor_window()};
}

}  // namespace vorlix
