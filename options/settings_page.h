// The page of further settings: the global hotkeys, the tray picture, the history of runs and the
// language of the next start.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/texts.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/ui.h"
#include "shell/settings.h"

namespace lark {

struct SettingsPageServices {
    Ui& ui;
    MessageBoxes& messages;
    FileSystem& files;
    Processes& processes;
};

namespace settings_page {

// Control ids; each is also the control's command id.
enum Id : int {
    idHotkeyFrame = 100, idFirstHotkeyLabel = 101, idFirstHotkey = 111, idFirstClear = 121,
    idTrayFrame = 130, idGauge, idNumber, idHistoryFrame = 140, idKeepHistory, idOpenFolder, idOk = 150, idCancel,
    idLanguageFrame = 160, idMatchWindows, idFirstLanguage, idLanguageNote = idFirstLanguage + LanguageCount,
};

WindowSpec pageWindow();
// In tab order; containers come before what they hold.
std::vector<ControlSpec> pageControls();

}  // namespace settings_page

// Its controls start from `settings`. OK first puts the hotkeys in place with `registerHotkeys`: a
// key another program holds is named in a box and the page stays open. Otherwise the values go
// into `settings`, `applied` stores and applies them, and the page closes. Cancel changes nothing.
class SettingsPage final : public WindowEvents {
public:
    using RegisterHotkeys = std::function<std::vector<Hotkey>(const Settings&)>;
    SettingsPage(SettingsPageServices& services, Settings& settings, std::wstring historyPath,
                 RegisterHotkeys registerHotkeys, std::function<void()> applied);
    ~SettingsPage() override;
    SettingsPage(const SettingsPage&) = delete;
    SettingsPage& operator=(const SettingsPage&) = delete;

    Window& open(std::optional<Rect> centreOver);
    void runModal();

private:
    void ok();
    void cancel();
    void openHistoryFolder();
    void onCommand(int id) override;
    void onClose() override { cancel(); }

    SettingsPageServices& services_;
    Settings& settings_;
    const std::wstring historyPath_;
    RegisterHotkeys registerHotkeys_;
    std::function<void()> applied_;
    std::unique_ptr<Window> window_;
    std::array<HotkeyField*, HotkeyCount> hotkeys_{};
    CheckBox* gauge_ = nullptr;
    CheckBox* number_ = nullptr;
    CheckBox* keepHistory_ = nullptr;
    std::array<CheckBox*, LanguageCount + 1> languages_{};  // "match Windows", then each language
    bool hotkeysTried_ = false;  // OK put other hotkeys in place than the stored ones
};

}  // namespace lark
