#include "options/settings_page.h"

#include <utility>

#include "common/dialog_support.h"
#include "common/texts.h"
#include "options/hotkey_text.h"
#include "common/paths.h"

namespace lark {
namespace settings_page {

namespace {
std::wstring hotkeyCaption(int k) {
    constexpr Text Captions[HotkeyCount] = {Text::HotkeySecure, Text::HotkeyCleanup, Text::HotkeyTrim, Text::HotkeyShowPanel};
    return text(Captions[k]);
}

// "Match Windows", then each language under its own name, side by side.
void addLanguages(std::vector<ControlSpec>& controls) {
    constexpr int LanguageGroup = 2, First = 150, Width = (336 - First) / LanguageCount;
    controls.push_back({.id = idLanguageFrame, .kind = Kind::Frame, .bounds = {8, 260, 356, 64}, .caption = text(Text::LanguageFrame)});
    controls.push_back({.id = idMatchWindows, .kind = Kind::Option, .parent = idLanguageFrame, .bounds = {10, 20, First - 6, 18},
                        .caption = text(Text::LanguageMatchWindows), .group = LanguageGroup});
    for (int i = 0; i < LanguageCount; ++i)
        controls.push_back({.id = idFirstLanguage + i, .kind = Kind::Option, .parent = idLanguageFrame, .bounds = {10 + First + Width * i, 20, Width - 6, 18},
                            .caption = std::wstring(languageInfo(static_cast<Language>(i)).ownName), .group = LanguageGroup});
    controls.push_back({.id = idLanguageNote, .kind = Kind::Label, .parent = idLanguageFrame, .bounds = {12, 42, 334, 16}, .caption = text(Text::LanguageNextStart)});
}
}  // namespace

WindowSpec pageWindow() { return {.title = text(Text::SettingsPageTitle), .style = WindowStyle::Dialog, .client = {372, 368}}; }

std::vector<ControlSpec> pageControls() {
    constexpr int TrayGroup = 1;
    std::vector<ControlSpec> controls{{.id = idHotkeyFrame, .kind = Kind::Frame, .bounds = {8, 6, 356, 136}, .caption = text(Text::HotkeyFrame)}};
    for (int k = 0; k < HotkeyCount; ++k) {
        const int y = 22 + 27 * k;
        controls.push_back({.id = idFirstHotkeyLabel + k, .kind = Kind::Label, .parent = idHotkeyFrame, .bounds = {10, y + 4, 140, 16}, .caption = hotkeyCaption(k)});
        controls.push_back({.id = idFirstHotkey + k, .kind = Kind::Hotkey, .parent = idHotkeyFrame, .bounds = {152, y, 144, 22}, .caption = hotkeyCaption(k)});
        controls.push_back({.id = idFirstClear + k, .kind = Kind::Button, .parent = idHotkeyFrame, .bounds = {300, y, 46, 22}, .caption = text(Text::ClearButton)});
    }
    controls.insert(controls.end(), {
        {.id = idTrayFrame, .kind = Kind::Frame, .bounds = {8, 148, 356, 48}, .caption = text(Text::TrayFrame)},
        {.id = idGauge, .kind = Kind::Option, .parent = idTrayFrame, .bounds = {10, 20, 120, 18}, .caption = text(Text::TrayGauge), .value = 1, .group = TrayGroup},
        {.id = idNumber, .kind = Kind::Option, .parent = idTrayFrame, .bounds = {140, 20, 206, 18}, .caption = text(Text::TrayNumber), .group = TrayGroup},
        {.id = idHistoryFrame, .kind = Kind::Frame, .bounds = {8, 202, 356, 52}, .caption = text(Text::HistoryFrame)},
        {.id = idKeepHistory, .kind = Kind::CheckBox, .parent = idHistoryFrame, .bounds = {10, 22, 190, 18}, .caption = text(Text::KeepHistory), .value = 1},
        {.id = idOpenFolder, .kind = Kind::Button, .parent = idHistoryFrame, .bounds = {216, 18, 130, 25}, .caption = text(Text::OpenFolderButton)},
    });
    addLanguages(controls);
    controls.insert(controls.end(), {
        {.id = idOk, .kind = Kind::DefaultButton, .bounds = {196, 332, 80, 27}, .caption = text(Text::OkButton)},
        {.id = idCancel, .kind = Kind::Button, .bounds = {284, 332, 80, 27}, .caption = text(Text::CancelButton), .cancel = true},
    });
    return controls;
}

}  // namespace settings_page

using namespace settings_page;

SettingsPage::SettingsPage(SettingsPageServices& services, Settings& settings, std::wstring historyPath,
                           RegisterHotkeys registerHotkeys, std::function<void()> applied)
    : services_(services), settings_(settings), historyPath_(std::move(historyPath)),
      registerHotkeys_(std::move(registerHotkeys)), applied_(std::move(applied)) {}

SettingsPage::~SettingsPage() = default;

Window& SettingsPage::open(std::optional<Rect> centreOver) {
    window_ = services_.ui.createWindow(pageWindow(), *this);
    Window& w = *window_;
    w.setIcon(Picture::AppIcon);
    for (const ControlSpec& c : pageControls()) {
        if (c.id >= idFirstHotkey && c.id < idFirstHotkey + HotkeyCount) hotkeys_[c.id - idFirstHotkey] = &w.addHotkey(c);
        else if (c.id == idGauge) gauge_ = &w.addCheck(c);
        else if (c.id == idNumber) number_ = &w.addCheck(c);
        else if (c.id == idKeepHistory) keepHistory_ = &w.addCheck(c);
        else if (c.id >= idMatchWindows && c.id < idLanguageNote) languages_[c.id - idMatchWindows] = &w.addCheck(c);
        else w.add(c);
    }
    for (int k = 0; k < HotkeyCount; ++k) hotkeys_[k]->setValue(settings_.hotkeys[k]);
    const bool number = settings_.trayStyle == TrayStyle::Number;
    gauge_->setValue(number ? 0 : 1);
    number_->setValue(number ? 1 : 0);
    keepHistory_->setValue(settings_.keepHistory ? 1 : 0);
    const int language = settings_.language ? static_cast<int>(*settings_.language) + 1 : 0;
    for (int i = 0; i <= LanguageCount; ++i) languages_[i]->setValue(i == language ? 1 : 0);
    placeDialog(w, services_.ui, centreOver);
    return w;
}

void SettingsPage::runModal() {
    if (window_) window_->runModal();
}

void SettingsPage::ok() {
    Settings chosen = settings_;
    for (int k = 0; k < HotkeyCount; ++k) {
        const Hotkey key = hotkeys_[k]->value();
        if (key && !usableHotkey(key)) {
            services_.messages.show(text(Text::UnusableHotkey, {hotkeyCaption(k)}), mb::Exclamation, ProgramTitle);
            return;
        }
        chosen.hotkeys[k] = key;
    }
    chosen.trayStyle = number_->value() != 0 ? TrayStyle::Number : TrayStyle::Gauge;
    chosen.keepHistory = keepHistory_->value() != 0;
    chosen.language.reset();
    for (int i = 1; i <= LanguageCount; ++i)
        if (languages_[i]->value() != 0) chosen.language = static_cast<Language>(i - 1);
    hotkeysTried_ = true;
    if (const auto taken = registerHotkeys_(chosen); !taken.empty()) {
        services_.messages.show(takenHotkeysText(taken), mb::Exclamation, ProgramTitle);
        return;
    }
    settings_ = chosen;
    if (applied_) applied_();
    window_->close();
}

// Keys that OK put in place go back to the stored ones.
void SettingsPage::cancel() {
    if (hotkeysTried_) registerHotkeys_(settings_);
    window_->close();
}

void SettingsPage::openHistoryFolder() {
    const auto windows = services_.files.windowsFolder();
    const std::wstring folder = paths::folderOf(historyPath_);
    if (!windows || folder.empty()) return;
    const std::wstring explorer = paths::withSlash(*windows) + L"explorer.exe";
    services_.processes.start(explorer, paths::quoted(explorer) + L" " + paths::quoted(folder), ProcessWindow::Normal);
}

void SettingsPage::onCommand(int id) {
    if (id >= idFirstClear && id < idFirstClear + HotkeyCount) hotkeys_[id - idFirstClear]->setValue({});
    if (id == idOk) ok();
    if (id == idCancel) cancel();
    if (id == idOpenFolder) openHistoryFolder();
}

}  // namespace lark
