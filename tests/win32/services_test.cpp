// The platform services against the real system: the block allocator, registry, mutex, memory
// figures and message boxes.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <utility>
#include <vector>

#include "platform/win32/block_allocator.h"
#include "platform/win32/instance_lock.h"
#include "platform/win32/memory_stats.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/registry_store.h"
#include "win32_test_support.h"

namespace lark::win32::test {
namespace {

constexpr std::size_t MiB = std::size_t{1} << 20;

MEMORY_BASIC_INFORMATION query(void* block) { MEMORY_BASIC_INFORMATION info{}; return ::VirtualQuery(block, &info, sizeof info), info; }
std::size_t workingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    return ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters) ? counters.WorkingSetSize : 0;
}

TEST(BlockAllocatorTest, BlocksAreCommittedResidentZeroAndGivenBack) {
    Win32BlockAllocator blocks;
    const std::size_t bytes = 64 * MiB + 123, before = workingSet();  // large enough for several threads
    auto* block = static_cast<unsigned char*>(blocks.claim(bytes));
    ASSERT_NE(block, nullptr);
    EXPECT_GE(workingSet(), before + bytes - MiB);  // every page was made resident
    EXPECT_EQ(query(block).State, DWORD(MEM_COMMIT));
    EXPECT_EQ(query(block).Protect, DWORD(PAGE_READWRITE));
    std::size_t nonZero = block[bytes - 1];
    for (std::size_t i = 0; i < bytes; i += 509) nonZero += block[i] != 0;
    EXPECT_EQ(nonZero, 0u);
    blocks.release(block);
    EXPECT_EQ(query(block).State, DWORD(MEM_FREE));
}

// Small and empty requests give usable blocks, impossible ones nothing, and a cap bounds every block.
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

TEST(BlockAllocatorTest, RequestsOfEverySizeAndTheCap) {
    Win32BlockAllocator blocks;
    for (std::size_t bytes : {std::size_t{0}, std::size_t{1}, std::size_t{4097}, 3 * MiB}) {
        void* block = blocks.claim(bytes);
        ASSERT_NE(block, nullptr) << bytes;
        static_cast<volatile char*>(block)[bytes ? bytes - 1 : 0] = 7;
        blocks.release(block);
    }
    blocks.release(nullptr);
    EXPECT_EQ(blocks.claim(std::size_t{1} << 60), nullptr);  // beyond the address space
    EXPECT_EQ(blocks.claim(SIZE_MAX), nullptr);
    Win32BlockAllocator capped(2 * MiB);
    void* block = capped.claim(std::size_t{1} << 40);  // a TiB asked, 2 MiB given
    EXPECT_EQ(query(block).RegionSize, 2 * MiB);
    capped.release(block);

    const wchar_t* name = L"LARKSPAN_MAX_BLOCK_MIB";
    for (auto [text, cap] : {std::pair<const wchar_t*, std::size_t>{nullptr, SIZE_MAX}, {L"64", 64 * MiB}, {L"", SIZE_MAX},
                             {L"0", SIZE_MAX}, {L"-3", SIZE_MAX}, {L"12x", SIZE_MAX}, {L"99999999999999999999", SIZE_MAX},
                             {L"17592186044416", SIZE_MAX}}) {
        ::SetEnvironmentVariableW(name, text);
        EXPECT_EQ(Win32BlockAllocator::largestBlockFromEnvironment(), cap) << (text ? text : L"(unset)");
    }
    ::SetEnvironmentVariableW(name, nullptr);
}

// Texts round trip; values the program never wrote read as missing, never as garbage.
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
    const DWORD number = 55;
    const wchar_t unterminated[3] = {L'4', L'2', L'7'};
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Flag01", REG_DWORD, &number, sizeof number);
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Flag03", REG_BINARY, "12", 2);
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Raw", REG_SZ, unterminated, 2 * sizeof(wchar_t));
    ASSERT_TRUE(store.write(L"TooLong", std::wstring(RegistrySettingsStore::MaxChars + 1, L'x')));
    EXPECT_EQ(store.read(L"Flag01"), std::nullopt);
    EXPECT_EQ(store.read(L"Flag03"), std::nullopt);
    EXPECT_EQ(store.read(L"Raw"), L"42");
    EXPECT_EQ(store.read(L"TooLong"), std::nullopt);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key);
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

// The figures that bound every block: uncached, and near what the system reports.
TEST(MemoryStatsTest, HeadroomAgreesWithTheSystemFigures) {
    Win32MemoryStats stats;
    MEMORYSTATUSEX system{sizeof system};
    ASSERT_TRUE(::GlobalMemoryStatusEx(&system));
    const MemoryStatus fresh = stats.freshSample();
    const Headroom room = stats.headroom();
    EXPECT_EQ(fresh.totalPhys, system.ullTotalPhys);
    EXPECT_LT(std::max(fresh.availPhys, room.availPhys) - std::min(fresh.availPhys, room.availPhys), system.ullTotalPhys / 10);
    EXPECT_GT(room.availPageFile, 0u);
}

TEST_F(UiTest, MessageBoxReturnsTheButtonPressed) {
    auto host = make(WindowStyle::Hidden, {100, 50});
    Win32MessageBoxes boxes;
    int answer = IDNO;
    events.whenTimer = [&] {  // timers keep running inside the box's own loop
        if (HWND box = ::FindWindowW(L"#32770", L"Larkspan.Test")) ::PostMessageW(box, WM_COMMAND, answer, 0);
    };
    host->startTimer(1, 20);
    EXPECT_EQ(boxes.show(L"空き領域を確保しますか？", mb::YesNo | mb::Critical, L"Larkspan.Test"), mb::AnswerNo);
    answer = IDOK;
    EXPECT_EQ(boxes.show(L"メモリ内容は既に最適化されています", mb::OkOnly, L"Larkspan.Test"), mb::AnswerOk);
}

}  // namespace
}  // namespace lark::win32::test
