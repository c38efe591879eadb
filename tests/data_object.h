// Data objects as the shell hands them to a drop target.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

namespace vt::test {

// CF_HDROP with the paths, stored wide or in the ANSI code page.
IDataObject* MakeFileDataObject(const std::vector<std::string>& paths, bool wide = true);
// Only CF_TEXT, as when text is dragged.
IDataObject* MakeTextDataObject(const std::string& text);

} // namespace vt::test
