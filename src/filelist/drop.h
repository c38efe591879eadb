// Adding files dropped onto the main window.
#pragma once

#include <string>

namespace vt {

// The drop target's handler: appends a row for each library file of the drop
// that was not accepted from a drop since the last clear.
void AddDroppedFiles(const std::string& dropped);

} // namespace vt
