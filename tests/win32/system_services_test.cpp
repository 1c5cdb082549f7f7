// Folders, shortcuts, the machine-wide registry and starting programs, against the real system.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "options/paths.h"
#include "options/startup_shortcut.h"
#include "platform/win32/system_services.h"

namespace lark::win32::test {
namespace {

namespace fs = std::filesystem;

// The path a shortcut file points at, read back through the shell.
std::wstring resolve(const std::wstring& link) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* shortcut = nullptr;
    IPersistFile* file = nullptr;
    wchar_t path[MAX_PATH] = L"";
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, reinterpret_cast<void**>(&shortcut))) &&
        SUCCEEDED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) && SUCCEEDED(file->Load(link.c_str(), STGM_READ)))
        shortcut->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH);
    if (file) file->Release();
    if (shortcut) shortcut->Release();
    ::CoUninitialize();
    return path;
}

struct Messages final : MessageBoxes {
    std::vector<int> flags;
    int show(std::wstring_view, int f, std::wstring_view) override { return flags.push_back(f), mb::AnswerOk; }
};

class SystemServices : public ::testing::Test {
protected:
    void SetUp() override { fs::remove_all(dir, ignored), fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir, ignored); }
    Win32FileSystem files;
    const fs::path dir = fs::temp_directory_path() / L"lark system test";
    std::error_code ignored;
};

TEST_F(SystemServices, ShortcutsResolveToTheirTargetAndTheStartupButtonFallsBackToTheUsersFolder) {
    ShellShortcuts shortcuts;
    const std::wstring link = (dir / L"Lark span.lnk").wstring(), target = files.exePath();
    ASSERT_TRUE(shortcuts.create(link, target) && shortcuts.create(link, target));  // the second replaces the first
    EXPECT_EQ(resolve(link), target);
    EXPECT_FALSE(shortcuts.create((dir / L"missing" / L"x.lnk").wstring(), target));

    Messages messages;  // no Startup folder inside the Windows folder here, as on any current Windows
    ASSERT_TRUE(registerAtStartup(files, shortcuts, messages));
    const std::wstring written = paths::withSlash(*files.userStartupFolder()) + L"Larkspan.lnk";
    EXPECT_EQ(resolve(written), target);
    EXPECT_EQ(messages.flags, std::vector<int>{mb::Information});
    ::DeleteFileW(written.c_str());
}

TEST(MachineRegistry, ReadsTextAndNumbersForReadingOnlyUpTo1023Characters) {
    constexpr wchar_t Key[] = L"SOFTWARE\\LarkspanSystemTest";
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr), ERROR_SUCCESS);
    const std::wstring longest(1023, L'字'), path = L"C:\\Program Files\\msinfo32.exe";
    for (auto [name, text] : {std::pair{L"PATH", path}, {L"empty", L""}, {L"longest", longest}, {L"over", longest + L"x"}})
        ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>((text.size() + 1) * 2));
    DWORD number = 7;
    ::RegSetValueExW(key, L"number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    ::RegSetValueExW(key, L"binary", 0, REG_BINARY, reinterpret_cast<const BYTE*>("abc"), 3);
    ::RegCloseKey(key);

    Win32MachineRegistry registry;
    auto read = [&](const wchar_t* name) { return registry.read(Key, name).value_or(RegistryValue{RegistryValue::Type::Other, L"none"}); };
    EXPECT_EQ(read(L"PATH").text, path);
    EXPECT_EQ(read(L"empty").type, RegistryValue::Type::Text);
    EXPECT_EQ(read(L"longest").text, longest);
    EXPECT_EQ(read(L"number").number, 7u);
    EXPECT_EQ(read(L"binary").type, RegistryValue::Type::Other);
    for (const wchar_t* unread : {L"over", L"missing"}) EXPECT_EQ(read(unread).text, L"none");
    EXPECT_FALSE(registry.read(L"SOFTWARE\\LarkspanNoSuchKey", L"PATH"));
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, Key);
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, Key);
}

TEST_F(SystemServices, StartsAProgramFromAFolderWithABlankWithItsArguments) {
    const fs::path copy = dir / L"lark tests.exe", report = dir / L"out file.xml";
    fs::copy_file(files.exePath(), copy);
    const std::wstring app = copy.wstring();
    const std::wstring line = paths::quoted(app) + L" --gtest_filter=None " + paths::quoted(L"--gtest_output=xml:" + report.wstring());
    Win32Processes processes;
    ASSERT_TRUE(processes.start(app, line, ProcessWindow::Minimised));
    // The copy writes its report where its arguments say; it has ended once it can be deleted.
    bool ended = false;
    for (int i = 0; i < 300 && !ended; ++i, ::Sleep(100)) ended = fs::exists(report) && ::DeleteFileW(app.c_str());
    EXPECT_TRUE(ended);
    EXPECT_FALSE(processes.start(L"", line, ProcessWindow::Normal));
    EXPECT_FALSE(processes.start((dir / L"missing.exe").wstring(), L"missing.exe", ProcessWindow::Normal));
    EXPECT_FALSE(processes.openDocument((dir / L"missing.html").wstring()));
}

}  // namespace
}  // namespace lark::win32::test
