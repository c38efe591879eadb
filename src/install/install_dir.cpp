#include "install/install_dir.h"

#include "app/app_state.h"
#include "ui/main_window.h"
#include "ui/texts.h"
#include "ui/toolkit.h"

namespace vt {

std::string ReadInstallDir()
{
    std::string path = ui::ReadUserRegistryText(kInstallPathKey, kInstallPathValue, "");
    return text::CutAfterLastBackslash(path, ui::IsSystemLeadByte);
}

void PrepareMainWindow()
{
    ui::EnableXpLook(1);
    ui::MainWindow& form = ui::MainForm();
    form.dropTarget.Register(form.handle);
    App().installDir = ReadInstallDir();
    form.installLabel.SetText(ui::Texts().installLabelPrefix + App().installDir);
}

} // namespace vt
