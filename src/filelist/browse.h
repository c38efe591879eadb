// Adding a file chosen in the open dialog.
#pragma once

namespace vt {

// The browse button's handler. A cancelled dialog changes nothing; a file whose
// name a listed row already carries is refused with a message.
void AddBrowsedFile();

} // namespace vt
