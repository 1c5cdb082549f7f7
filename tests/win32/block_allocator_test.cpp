// The Win32 block allocator: blocks are committed, resident, zero, capped and given back.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <thread>
#include <utility>
#include <vector>

#include "platform/win32/block_allocator.h"

namespace lark {
namespace {

constexpr std::size_t MiB = std::size_t{1} << 20;

std::size_t workingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.WorkingSetSize : 0;
}

MEMORY_BASIC_INFORMATION query(void* block) {
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(block, &info, sizeof info);
    return info;
}

TEST(Win32BlockAllocator, BlockIsCommittedResidentAndZero) {
    Win32BlockAllocator blocks;
    const std::size_t bytes = 64 * MiB + 123;  // large enough to be touched from several threads
    const std::size_t residentBefore = workingSet();
    void* block = blocks.claim(bytes);
    ASSERT_NE(block, nullptr);
    const std::size_t residentAfter = workingSet();

    const auto info = query(block);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_COMMIT));
    EXPECT_EQ(info.Protect, static_cast<DWORD>(PAGE_READWRITE));
    EXPECT_GE(info.RegionSize, bytes);
    EXPECT_GE(residentAfter, residentBefore + bytes - MiB);  // every page was made resident

    const auto* data = static_cast<const unsigned char*>(block);
    std::size_t nonZero = 0;
    for (std::size_t i = 0; i < bytes; i += 509) nonZero += data[i] != 0;
    EXPECT_EQ(nonZero, 0u);
    EXPECT_EQ(data[bytes - 1], 0);

    blocks.release(block);
    EXPECT_EQ(query(block).State, static_cast<DWORD>(MEM_FREE));
}

// Small and empty requests give usable blocks, impossible ones nothing, and a cap limits every block.
TEST(Win32BlockAllocator, RequestsOfEverySize) {
    Win32BlockAllocator blocks;
    for (std::size_t bytes : {std::size_t{0}, std::size_t{1}, std::size_t{4097}, 3 * MiB}) {
        void* block = blocks.claim(bytes);
        ASSERT_NE(block, nullptr) << bytes;
        static_cast<volatile char*>(block)[bytes ? bytes - 1 : 0] = 7;
        blocks.release(block);
    }
    blocks.release(nullptr);  // does nothing
    EXPECT_EQ(blocks.claim(std::size_t{1} << 60), nullptr);  // beyond the address space
    EXPECT_EQ(blocks.claim(SIZE_MAX), nullptr);

    Win32BlockAllocator capped(2 * MiB);
    void* block = capped.claim(std::size_t{1} << 40);  // 1 TiB asked, 2 MiB given
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(query(block).RegionSize, 2 * MiB);
    capped.release(block);
}

// The user interface thread claims and gives back: meanwhile it answers what other threads send it,
// and runs nothing posted to it before it is done.
TEST(Win32BlockAllocator, AnswersSentMessagesWhileItWorks) {
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
    // A message sent from another thread that is waiting in the queue when the work starts.
    const auto sendFirst = [window] {
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

TEST(Win32BlockAllocator, CapFromEnvironment) {
    const wchar_t* name = L"LARKSPAN_MAX_BLOCK_MIB";
    SetEnvironmentVariableW(name, nullptr);
    EXPECT_EQ(Win32BlockAllocator::largestBlockFromEnvironment(), SIZE_MAX);
    SetEnvironmentVariableW(name, L"64");
    EXPECT_EQ(Win32BlockAllocator::largestBlockFromEnvironment(), 64 * MiB);
    for (const wchar_t* bad : {L"", L"0", L"-3", L"12x", L"x", L"99999999999999999999", L"17592186044416"}) {
        SetEnvironmentVariableW(name, bad);
        EXPECT_EQ(Win32BlockAllocator::largestBlockFromEnvironment(), SIZE_MAX) << bad;
    }
    SetEnvironmentVariableW(name, nullptr);
}

}  // namespace
}  // namespace lark
