// Every fixed text of the program, in one place. The source holds them as
// UTF-8; Texts() gives them in the system code page, ready for Win32.
#pragma once

#include <string>

namespace vt::ui {

struct FixedTexts {
    std::string windowCaption;
    std::string messageBoxCaption;
    std::string installLabelPrefix;
    std::string pathLabel;
    std::string pathBoxHint;
    std::string browseButton;
    std::string copyButton;
    std::string exitButton;
    std::string columnName, columnSize, columnDir, columnTime, columnStatus;
    std::string sizeSuffix;
    std::string copySucceeded;
    std::string copyFailed;
    std::string duplicateMessage;
    std::string openFilter;
    std::string usageNote;
    std::string creditLine;
};

const FixedTexts& Texts();

} // namespace vt::ui
