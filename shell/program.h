// The program as a whole: its services and settings, its start, its windows and its one exit path.
#pragma once

#include <memory>

#include "monitor/schedule.h"
#include "shell/services.h"
#include "shell/settings.h"
#include "tray/tray_host.h"

namespace lark {

class MainPanel;
class SplashScreen;

class Program final : private TrayCommands {
public:
    explicit Program(const Services& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the splash and loads the main panel when its time is over (at once when the splash is
    // off). False when another copy of the program runs: this one must end before anything shows.
    bool start();

    // Every exit path: save, remove the tray icon, end the process at once.
    [[noreturn]] void exitProgram() override;

private:
    // TrayCommands
    bool bringPanelForward() override;
    void restorePanel() override;
    void secureFreeSpace() override;
    void runCleanup() override;
    void trimWorkingSets() override;
    void openOptions() override;
    void minutePassed() override;
    bool reclaiming() const override;
    void runForwarded(Command command) override;
    void hotkeyPressed(int index) override;

    MainPanel& mainPanel();  // loaded on first use, with the tray host
    void splashTimeUp();
    void saveBeforeExit();

    Services services_;
    Settings settings_;
    SecuringSchedule schedule_;
    std::unique_ptr<SplashScreen> splash_;
    std::unique_ptr<TrayHost> trayHost_;
    std::unique_ptr<MainPanel> mainPanel_;
};

}  // namespace lark
