#include "options/settings_page.h"

#include <utility>

#include "common/dialog_support.h"
#include "options/hotkey_text.h"
#include "common/paths.h"

namespace lark {
namespace settings_page {

namespace {
constexpr const wchar_t* HotkeyCaptions[HotkeyCount] = {L"空き領域確保", L"メモリ クリーンアップ", L"ワーキング セットの縮小",
                                                        L"パネルを表示"};
}  // namespace

WindowSpec pageWindow() { return {.title = Title, .style = WindowStyle::Dialog, .client = {372, 300}}; }

std::vector<ControlSpec> pageControls() {
    constexpr int TrayGroup = 1;
    std::vector<ControlSpec> controls{{.id = idHotkeyFrame, .kind = Kind::Frame, .bounds = {8, 6, 356, 136}, .caption = L"ホットキー"}};
    for (int k = 0; k < HotkeyCount; ++k) {
        const int y = 22 + 27 * k;
        controls.push_back({.id = idFirstHotkeyLabel + k, .kind = Kind::Label, .parent = idHotkeyFrame, .bounds = {10, y + 4, 140, 16}, .caption = HotkeyCaptions[k]});
        controls.push_back({.id = idFirstHotkey + k, .kind = Kind::Hotkey, .parent = idHotkeyFrame, .bounds = {152, y, 144, 22}, .caption = HotkeyCaptions[k]});
        controls.push_back({.id = idFirstClear + k, .kind = Kind::Button, .parent = idHotkeyFrame, .bounds = {300, y, 46, 22}, .caption = L"クリア"});
    }
    controls.insert(controls.end(), {
        {.id = idTrayFrame, .kind = Kind::Frame, .bounds = {8, 148, 356, 48}, .caption = L"トレイ アイコン"},
        {.id = idGauge, .kind = Kind::Option, .parent = idTrayFrame, .bounds = {10, 20, 120, 18}, .caption = L"残量ゲージ", .value = 1, .group = TrayGroup},
        {.id = idNumber, .kind = Kind::Option, .parent = idTrayFrame, .bounds = {140, 20, 206, 18}, .caption = L"空きメモリの割合 (数字)", .group = TrayGroup},
        {.id = idHistoryFrame, .kind = Kind::Frame, .bounds = {8, 202, 356, 52}, .caption = L"履歴"},
        {.id = idKeepHistory, .kind = Kind::CheckBox, .parent = idHistoryFrame, .bounds = {10, 22, 190, 18}, .caption = L"実行の履歴を記録する", .value = 1},
        {.id = idOpenFolder, .kind = Kind::Button, .parent = idHistoryFrame, .bounds = {216, 18, 130, 25}, .caption = L"フォルダーを開く"},
        {.id = idOk, .kind = Kind::DefaultButton, .bounds = {196, 264, 80, 27}, .caption = L"OK"},
        {.id = idCancel, .kind = Kind::Button, .bounds = {284, 264, 80, 27}, .caption = L"キャンセル", .cancel = true},
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
        else w.add(c);
    }
    for (int k = 0; k < HotkeyCount; ++k) hotkeys_[k]->setValue(settings_.hotkeys[k]);
    const bool number = settings_.trayStyle == TrayStyle::Number;
    gauge_->setValue(number ? 0 : 1);
    number_->setValue(number ? 1 : 0);
    keepHistory_->setValue(settings_.keepHistory ? 1 : 0);
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
            services_.messages.show(std::wstring(L"「") + HotkeyCaptions[k] +
                                        L"」のキーはホットキーに使えません。Ctrl、Alt、Win のいずれかと、英字・数字・F1～F24 などのキーを組み合わせてください。",
                                    mb::Exclamation, ProgramTitle);
            return;
        }
        chosen.hotkeys[k] = key;
    }
    chosen.trayStyle = number_->value() != 0 ? TrayStyle::Number : TrayStyle::Gauge;
    chosen.keepHistory = keepHistory_->value() != 0;
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
