// The about box, "ﾊﾞｰｼﾞｮﾝ情報": the maker's name and the program's version over a cut-out of the splash
// picture, and a button that starts the system's system-information tool.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/machine_registry.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/ui.h"

namespace lark {

struct AboutServices {
    Ui& ui;
    MessageBoxes& messages;
    MachineRegistry& registry;
    FileSystem& files;
    Processes& processes;
};

// A registry value as text: text as it is, a number in decimal, any other type as empty text.
// Nothing when the value cannot be read.
std::optional<std::wstring> registryText(MachineRegistry& registry, std::wstring_view key, std::wstring_view name);
// Where the system-information tool is: the full path the system registers for it (not checked),
// else MSINFO32.EXE in the folder registered for the shared tools, when that file exists.
std::optional<std::wstring> systemInfoPath(MachineRegistry& registry, FileSystem& files);
// Starts the system-information tool, or says in a message box that it cannot be used.
bool startSystemInfo(AboutServices& services);

namespace about {

enum Id : int { idPicture = 100, idMaker, idOk, idSystemInfo, idVersion };

WindowSpec aboutWindow();
// Bottom to top; "OK" first in the tab order. `version` ("1.2.3") gives the line "Larkspan 1.2.3" left of
// the buttons, where the picture is empty; without one there is no such line.
std::vector<ControlSpec> aboutControls(std::wstring_view version);
// The etched rule above the buttons, drawn on the picture (whose origin lies outside the box).
void drawRule(Canvas& picture);

}  // namespace about

// The box. It opens centred over `centreOver` (the main panel's frame) or, without one, on the screen;
// closedByOk() tells whether it closed through "OK" (or Enter, or Escape) rather than the close box.
class AboutBox final : public WindowEvents {
public:
    explicit AboutBox(AboutServices& services);
    ~AboutBox() override;
    AboutBox(const AboutBox&) = delete;
    AboutBox& operator=(const AboutBox&) = delete;

    Window& open(std::optional<Rect> centreOver);  // built and placed; not shown yet
    void runModal();                               // until "OK" or the close box closes it
    bool closedByOk() const { return ok_; }

private:
    void onCommand(int id) override;
    void onClose() override;

    AboutServices& services_;
    std::unique_ptr<Window> window_;
    bool ok_ = false;
};

}  // namespace lark
