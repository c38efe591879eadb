// A top-level window described as data: its settings, a table of controls and
// the handlers of their events. The Win32 builder reads the tables, creates the
// window and its controls and routes their events.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace vt::ui {

enum class ControlKind { Label, TransparentLabel, PushButton, EditBox, ReportList, PictureBox };

struct Rgb {
    std::uint8_t r, g, b;
};

using Label = Control;
using Button = Control;
using EditBox = Control;

// Shows a picture stretched over its whole area.
class PictureBox : public Control {
public:
    // Decodes a JPEG image and fits it to the box; false when it cannot be decoded.
    bool SetJpeg(const std::uint8_t* data, std::size_t size);
};

struct ControlLayout {
    const char* name; // the control's name on the form
    ControlKind kind;
    int left, top, width, height;
    bool tabStop;
    std::string text;
    Control* control;
    Control* parent = nullptr; // the place is relative to it; nullptr: the form
    Control* host = nullptr;   // draws the control as its own child (over a list, say)
    std::optional<Rgb> textColor;   // transparent labels
    int fontHeight = 0;             // 0: the default GUI font
    bool wrap = false;              // transparent labels: wrap at word boundaries
};

struct ColumnLayout {
    std::string header;
    int width;
};

struct FormLayout {
    std::string caption;
    int outerWidth, outerHeight;
    int iconResource;
    int bannerResource; // an RCDATA JPEG for the picture box, 0 for none
    std::vector<ControlLayout> controls;
    std::vector<ColumnLayout> listColumns; // of the report list
};

// Creates the form centred on the primary screen with its controls, in table
// order (the first lies on top and comes first in the tab order), runs created,
// then shows the window. Returns the window, or nullptr when it could not be
// made.
struct FormEvents {
    std::function<void(NativeWindow)> created; // all controls exist, the window is not yet shown
    std::function<void()> destroying; // the window is going
};
NativeWindow CreateForm(const FormLayout& layout, const FormEvents& events);

// Paints the window now and copies its client area as 32-bit BGRA rows, top
// row first (for screenshots and pixel checks).
std::vector<std::uint32_t> CaptureClient(NativeWindow window, int& width, int& height);

} // namespace vt::ui
