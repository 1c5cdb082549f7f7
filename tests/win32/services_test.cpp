// The platform services against the real system: the block allocator, the settings in the registry,
// the single-instance lock, shortcuts, the machine-wide registry and starting programs.
#include <windows.h>
#include <psapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>
#include <filesystem>

#include "common/paths.h"
#include "reclaim/working_sets.h"
#include "platform/win32/block_allocator.h"
#include "platform/win32/ini_store.h"
#include "platform/win32/instance_lock.h"
#include "platform/win32/memory_stats.h"
#include "platform/win32/process_list.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/system_services.h"
#include "shell/settings.h"

namespace lark::win32::test {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t MiB = std::size_t{1} << 20;

MEMORY_BASIC_INFORMATION query(void* block) { MEMORY_BASIC_INFORMATION info{}; return ::VirtualQuery(block, &info, sizeof info), info; }
std::size_t workingSet() { PROCESS_MEMORY_COUNTERS c{}; return ::GetProcessMemoryInfo(::GetCurrentProcess(), &c, sizeof c) ? c.WorkingSetSize : 0; }

TEST(BlockAllocatorTest, BlocksAreCommittedResidentZeroAndGivenBack) {
    Win32BlockAllocator blocks;
    const std::size_t bytes = 64 * MiB + 123, before = workingSet();  // large enough for several threads
    auto* block = static_cast<unsigned char*>(blocks.claim(bytes));
    ASSERT_NE(block, nullptr);
    EXPECT_GE(workingSet(), before + bytes - MiB);  // every page was made resident
    EXPECT_EQ(std::pair(query(block).State, query(block).Protect), std::pair(DWORD(MEM_COMMIT), DWORD(PAGE_READWRITE)));
    std::size_t nonZero = block[bytes - 1];
    for (std::size_t i = 0; i < bytes; i += 509) nonZero += block[i] != 0;
    EXPECT_EQ(nonZero, 0u);
    blocks.release(block);
    EXPECT_EQ(query(block).State, DWORD(MEM_FREE));
}

// The commit figures that bound every block see what is held, here as on Windows: without that,
// blocks claimed one after another could pass the reserve.
TEST(MemoryStatsTest, CommitFiguresShrinkByWhatIsHeld) {
    Win32MemoryStats stats;
    Win32BlockAllocator blocks;
    std::uint64_t largestDrop = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {  // other programs' memory comes and goes meanwhile
        const std::uint64_t before = stats.headroom().commitHeadroom;
        void* block = blocks.claim(1024 * MiB);
        ASSERT_NE(block, nullptr);
        const std::uint64_t held = stats.headroom().commitHeadroom;
        blocks.release(block);
        if (held < before) largestDrop = std::max(largestDrop, before - held);
    }
    EXPECT_GT(largestDrop, 512 * MiB);
}

// The user interface thread claims and gives back: meanwhile it answers what other threads send it,
// and runs nothing posted to it before it is done.
TEST(BlockAllocatorTest, AnswersSentMessagesWhileItWorks) {
    static int phase = 0;  // 1 while claiming, 2 while releasing
    static std::vector<std::pair<UINT, int>> seen;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_APP || message == WM_APP + 1) seen.emplace_back(message, phase);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.lpszClassName = L"BlockAllocatorTest";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const auto sendFirst = [window] {  // sent from another thread, waiting when the work starts
        std::thread sender([window] { SendMessageTimeoutW(window, WM_APP, 0, 0, SMTO_NORMAL, 5000, nullptr); });
        Sleep(100);
        return sender;
    };
    Win32BlockAllocator blocks;
    PostMessageW(window, WM_APP + 1, 0, 0);
    std::thread sender = sendFirst();
    phase = 1;
    void* block = blocks.claim(64 * MiB);
    phase = 0;
    sender.join();
    sender = sendFirst();
    phase = 2;
    blocks.release(block);
    phase = 0;
    sender.join();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    EXPECT_NE(block, nullptr);
    EXPECT_EQ(seen, (std::vector<std::pair<UINT, int>>{{WM_APP, 1}, {WM_APP, 2}, {WM_APP + 1, 0}}));
    DestroyWindow(window);
}

// Small and empty requests give usable blocks, impossible ones nothing, and a cap bounds every block.
TEST(BlockAllocatorTest, RequestsOfEverySizeAndTheCap) {
    Win32BlockAllocator blocks;
    for (std::size_t bytes : {std::size_t{0}, std::size_t{1}, std::size_t{4097}, 3 * MiB}) {
        void* block = blocks.claim(bytes);
        ASSERT_NE(block, nullptr) << bytes;
        static_cast<volatile char*>(block)[bytes ? bytes - 1 : 0] = 7;
        blocks.release(block);
    }
    blocks.release(nullptr);
    for (std::size_t impossible : {std::size_t{1} << 60, SIZE_MAX}) EXPECT_EQ(blocks.claim(impossible), nullptr);
    Win32BlockAllocator capped(2 * MiB);
    void* block = capped.claim(std::size_t{1} << 40);  // a TiB asked, 2 MiB given
    EXPECT_EQ(query(block).RegionSize, 2 * MiB);
    capped.release(block);
    EXPECT_EQ(Win32BlockAllocator(0).claim(1), nullptr);

    const wchar_t* name = L"LARKSPAN_MAX_BLOCK_MIB";
    for (auto [text, cap] : {std::pair<const wchar_t*, std::size_t>{nullptr, SIZE_MAX}, {L"64", 64 * MiB}, {L"", SIZE_MAX},
                             {L"0", 0}, {L"-3", SIZE_MAX}, {L"12x", SIZE_MAX}, {L"99999999999999999999", SIZE_MAX},
                             {L"17592186044416", SIZE_MAX}}) {
        ::SetEnvironmentVariableW(name, text);
        EXPECT_EQ(Win32BlockAllocator::largestBlockFromEnvironment(), cap) << (text ? text : L"(unset)");
    }
    ::SetEnvironmentVariableW(name, nullptr);
}

// Texts round trip; values the program never wrote read as missing, never as garbage (numbers: test_settings.py).
TEST(RegistryTest, TextsRoundTripAndForeignValuesReadSafely) {
    const wchar_t* key = L"Software\\Quorvane\\Larkspan100.Test";
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key);
    RegistrySettingsStore store{key};
    EXPECT_EQ(store.read(L"Flag01"), std::nullopt);  // no key yet
    for (auto [name, value] : {std::pair<const wchar_t*, std::wstring>{L"Flag02", L"5"}, {L"Flag02", L"0"}, {L"名前", L"起動準備をしています"},
                               {L"Empty", L""}, {L"Long", std::wstring(RegistrySettingsStore::MaxChars, L'字')}}) {
        ASSERT_TRUE(store.write(name, value));
        EXPECT_EQ(store.read(name), value) << name;
    }
    const wchar_t unterminated[3] = {L'4', L'2', L'7'};
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Flag03", REG_BINARY, "12", 2);
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Raw", REG_SZ, unterminated, 2 * sizeof(wchar_t));
    ASSERT_TRUE(store.write(L"TooLong", std::wstring(RegistrySettingsStore::MaxChars + 1, L'x')));
    for (const wchar_t* unreadable : {L"Flag03", L"TooLong"}) EXPECT_EQ(store.read(unreadable), std::nullopt) << unreadable;
    EXPECT_EQ(store.read(L"Raw"), L"42");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key);
}

// A portable copy's file as an editor may have saved it, in UTF-16 or ANSI: values read as from the
// registry, with the same fallbacks; a file that cannot be written reports it.
TEST(IniStoreTest, EitherEncodingReadsAndBadValuesFallBack) {
    const fs::path file = fs::temp_directory_path() / "larkspan-test.ini";
    const std::string good = "[Larkspan100]\r\nFlag01=12\r\nFlag02=abc\r\nFlag05=false\r\nFlag06=99999999999\r\n";
    std::wstring wide(good.begin(), good.end());
    for (const std::string& bytes : {good, "\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()), 2 * wide.size())}) {
        std::FILE* f = _wfopen(file.c_str(), L"wb");
        ASSERT_TRUE(f);
        std::fwrite(bytes.data(), 1, bytes.size(), f), std::fclose(f);
        IniSettingsStore store(file.wstring());
        Settings s = loadSettings(store);
        EXPECT_EQ(std::tuple(s.amountSteps, s.warningSteps, s.showSplash, s.scheduleIndex), std::tuple(12, Settings{}.warningSteps, false, 0)) << bytes.size();
        s.warningSteps = 9;
        saveSettings(store, s);
        EXPECT_EQ(loadSettings(store), s);
        EXPECT_EQ(store.read(L"Flag07"), L"True");
        EXPECT_EQ(IniSettingsStore(file.wstring() + L".missing").read(L"Flag01"), std::nullopt);
    }
    std::FILE* f = _wfopen(file.c_str(), L"wb");
    std::fputs("[Other]\r\nFlag01=12\r\n", f), std::fclose(f);
    EXPECT_EQ(IniSettingsStore(file.wstring()).read(L"Flag01"), std::nullopt);  // no section of ours
    EXPECT_FALSE(IniSettingsStore((file.parent_path() / "no such folder" / "larkspan.ini").wstring()).write(L"Flag01", L"3"));
    fs::remove(file);  // one deleted while the copy runs stays deleted: test_command_line.py
}

TEST(InstanceLockTest, SecondHolderFindsTheFirstUntilItGoes) {
    const std::wstring name = L"Local\\Quorvane.Larkspan100.Test." + std::to_wstring(::GetCurrentProcessId());
    NamedMutexLock first(name), second(name);
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(first.acquire());  // holding it already
    EXPECT_TRUE(NamedMutexLock(name + L".other").acquire());
    EXPECT_TRUE(NamedMutexLock(name + L".other").acquire());  // the first was released with its holder
}

class SystemServices : public ::testing::Test {
protected:
    void SetUp() override { fs::remove_all(dir, ignored), fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir, ignored); }
    const fs::path dir = fs::temp_directory_path() / L"lark system test";
    const std::wstring exe = Win32FileSystem().exePath();
    std::error_code ignored;
};

// A shortcut replaces one of the same name and resolves, through the shell, to its target.
TEST_F(SystemServices, ShortcutsResolveToTheirTarget) {
    ShellShortcuts shortcuts;
    const std::wstring link = (dir / L"Lark span.lnk").wstring();
    ASSERT_TRUE(shortcuts.create(link, exe) && shortcuts.create(link, exe));
    EXPECT_FALSE(shortcuts.create((dir / L"missing" / L"x.lnk").wstring(), exe));
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
    EXPECT_EQ(std::wstring(path), exe);
}

// Texts and numbers, for reading only, up to 1023 characters; anything else reads as nothing.
TEST(MachineRegistry, ReadsTextsAndNumbers) {
    constexpr wchar_t Key[] = L"SOFTWARE\\LarkspanSystemTest";
    const std::wstring longest(1023, L'字'), path = L"C:\\Program Files\\msinfo32.exe";
    const DWORD number = 7;
    for (auto [name, text] : {std::pair{L"PATH", path}, {L"empty", L""}, {L"longest", longest}, {L"over", longest + L"x"}})
        ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, Key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * 2));
    ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, Key, L"number", REG_DWORD, &number, sizeof number);
    ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, Key, L"binary", REG_BINARY, "abc", 3);
    Win32MachineRegistry registry;
    auto read = [&](const wchar_t* name) { return registry.read(Key, name).value_or(RegistryValue{RegistryValue::Type::Other, L"none"}); };
    for (auto [name, text] : {std::pair{L"PATH", path}, {L"empty", L""}, {L"longest", longest}}) EXPECT_EQ(read(name).text, text);
    EXPECT_EQ(read(L"number").number, 7u);
    EXPECT_EQ(read(L"binary").type, RegistryValue::Type::Other);
    for (const wchar_t* unread : {L"over", L"missing"}) EXPECT_EQ(read(unread).text, L"none");
    EXPECT_FALSE(registry.read(L"SOFTWARE\\LarkspanNoSuchKey", L"PATH"));
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, Key);
}

// A program in a folder with a blank starts with its arguments: a copy of this one writes its report.
TEST_F(SystemServices, StartsAProgramWithItsArguments) {
    const fs::path copy = dir / L"lark tests.exe", report = dir / L"out file.xml";
    fs::copy_file(exe, copy);
    const std::wstring line = paths::quoted(copy.wstring()) + L" --gtest_filter=None " + paths::quoted(L"--gtest_output=xml:" + report.wstring());
    Win32Processes processes;
    ASSERT_TRUE(processes.start(copy.wstring(), line, ProcessWindow::Minimised));
    bool ended = false;  // once the copy can be deleted
    for (int i = 0; i < 300 && !ended; ++i, ::Sleep(100)) ended = fs::exists(report) && ::DeleteFileW(copy.c_str());
    EXPECT_TRUE(ended);
    EXPECT_FALSE(processes.start(L"", line, ProcessWindow::Normal));
    EXPECT_FALSE(processes.start((dir / L"missing.exe").wstring(), L"missing.exe", ProcessWindow::Normal));
    EXPECT_FALSE(processes.openDocument((dir / L"missing.html").wstring()));
}

// A program opened for trimming can be trimmed but not read: no more rights than that are asked
// for. The walk over the whole snapshot leaves no handle behind.
TEST(ProcessListTest, OpensWithTheLeastRightsAndClosesEveryHandle) {
    Win32ProcessList list;
    const auto ids = list.snapshot();
    EXPECT_NE(std::find(ids.begin(), ids.end(), list.self()), ids.end());
    EXPECT_GT(ids.size(), 2u);  // the prefix's services run beside this one
    const auto handle = list.open(list.self());
    ASSERT_TRUE(handle);
    EXPECT_TRUE(list.trim(*handle));
    char byte = 0;
    EXPECT_FALSE(::ReadProcessMemory(reinterpret_cast<HANDLE>(*handle), &byte, &byte, 1, nullptr));
    list.close(*handle);
    // A handle left open would take the slot that the first event's handle leaves free.
    const HANDLE probe = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    ::CloseHandle(probe);
    EXPECT_GT(reclaim::trimWorkingSets(list).trimmed, 0);
    const HANDLE next = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    EXPECT_EQ(next, probe);
    ::CloseHandle(next);
    EXPECT_FALSE(list.open(0x7FFFFFF0));  // no such process
}

}  // namespace
}  // namespace lark::win32::test
