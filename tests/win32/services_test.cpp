// The platform services against the real system: registry, mutex, memory figures, tray, clock.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/win32/instance_lock.h"
#include "platform/win32/memory_stats.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/tray_icons.h"
#include "win32_test_support.h"

namespace lark::win32::test {
namespace {

constexpr wchar_t TestKey[] = L"Software\\Quorvane\\Larkspan100.Test";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, TestKey); }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, TestKey); }
    void writeRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, TestKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(::RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
        ::RegCloseKey(key);
    }
    RegistrySettingsStore store{TestKey};
};

TEST_F(RegistryTest, MissingValuesReadAsNothingAndTextsRoundTrip) {
    EXPECT_EQ(store.read(L"Flag01"), std::nullopt);  // no key yet
    ASSERT_TRUE(store.write(L"Flag02", L"5"));       // creates the key on demand
    EXPECT_EQ(store.read(L"Flag01"), std::nullopt);
    for (auto [name, value] : {std::pair{L"Flag02", L"5"}, {L"Flag05", L"True"}, {L"名前", L"起動準備をしています"}, {L"Empty", L""}}) {
        ASSERT_TRUE(store.write(name, value));
        EXPECT_EQ(store.read(name), value);
    }
    ASSERT_TRUE(store.write(L"Flag02", L"0"));  // overwrite
    EXPECT_EQ(store.read(L"Flag02"), L"0");
}

TEST_F(RegistryTest, ValuesOfAnotherTypeReadAsNothing) {
    DWORD number = 55;
    writeRaw(L"Flag01", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(store.read(L"Flag01"), std::nullopt);
    writeRaw(L"Flag02", REG_BINARY, "12", 2);
    EXPECT_EQ(store.read(L"Flag02"), std::nullopt);
}

TEST_F(RegistryTest, LongTextsReadBackWholeUpToTheLimit) {
    std::wstring longText(5000, L'字');
    ASSERT_TRUE(store.write(L"Long", longText));
    EXPECT_EQ(store.read(L"Long"), longText);
    std::wstring tooLong(RegistrySettingsStore::MaxChars + 1, L'x');
    ASSERT_TRUE(store.write(L"TooLong", tooLong));
    EXPECT_EQ(store.read(L"TooLong"), std::nullopt);
}

TEST_F(RegistryTest, UnterminatedStringIsReadSafely) {
    const wchar_t raw[3] = {L'4', L'2', L'7'};  // stored without its terminator
    writeRaw(L"Raw", REG_SZ, raw, 2 * sizeof(wchar_t));
    EXPECT_EQ(store.read(L"Raw"), L"42");
}

TEST(InstanceLockTest, SecondCopyFindsTheFirst) {
    std::wstring name = L"Local\\Quorvane.Larkspan100.Test." + std::to_wstring(::GetCurrentProcessId());
    NamedMutexLock first(name), second(name);
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(first.acquire());  // holding it already
    {
        NamedMutexLock gone(name + L".other");
        EXPECT_TRUE(gone.acquire());
    }
    NamedMutexLock again(name + L".other");  // released with its holder
    EXPECT_TRUE(again.acquire());
}

TEST(MemoryStatsTest, AgreesWithTheSystemFigures) {
    Win32MemoryStats stats;
    MEMORYSTATUSEX system{};
    system.dwLength = sizeof system;
    ASSERT_TRUE(::GlobalMemoryStatusEx(&system));
    MemoryStatus s = stats.sample();
    EXPECT_EQ(s.totalPhys, system.ullTotalPhys);
    EXPECT_EQ(s.totalVirtual, system.ullTotalVirtual);
    EXPECT_EQ(s.totalPageFile, system.ullTotalPageFile);
    EXPECT_LE(s.availPhys, s.totalPhys);
    EXPECT_LE(s.memoryLoad, 100u);

    MemoryStatus fresh = stats.freshSample();
    EXPECT_EQ(fresh.totalPhys, s.totalPhys);
    auto gap = [](std::uint64_t a, std::uint64_t b) { return a > b ? a - b : b - a; };
    EXPECT_LT(gap(fresh.availPhys, system.ullAvailPhys), system.ullTotalPhys / 10);  // within 10 %

    Headroom room = stats.headroom();
    EXPECT_GT(room.availPhys, 0u);
    EXPECT_LE(room.availPhys, s.totalPhys);
    EXPECT_LT(gap(room.availPhys, fresh.availPhys), system.ullTotalPhys / 10);
    EXPECT_GT(room.availPageFile, 0u);
}

class TrayTest : public UiTest {};

TEST_F(TrayTest, AddModifyRemoveWithTheShell) {
    if (!::FindWindowW(L"Shell_TrayWnd", nullptr)) GTEST_SKIP() << "no notification area";
    auto host = make(plainSpec(WindowStyle::Hidden, {100, 50}, L"だみい"));
    Win32TrayIcons tray(pictures);
    TrayRecord record{host->handle(), 1, nif::Message | nif::Icon | nif::Tip, 512, Picture::Emblem,
                      L"Larkspan - 起動準備をしています"};
    ASSERT_TRUE(tray.add(record));
    EXPECT_FALSE(tray.add(record));  // the same id twice
    record.icon = levelPicture(7);
    record.tip = L"Larkspan - 57%の空きメモリ";
    EXPECT_TRUE(tray.modify(record));
    record.tip = std::wstring(300, L'長');  // longer than the field: cut, never overflowing
    EXPECT_TRUE(tray.modify(record));
    TrayRecord gone{host->handle(), 1, 0, 0, Picture::None, L""};
    EXPECT_TRUE(tray.remove(gone));
    EXPECT_FALSE(tray.modify(record));  // nothing left to modify
}

class MessageBoxTest : public UiTest {};

TEST_F(MessageBoxTest, ReturnsTheButtonPressed) {
    auto host = make(plainSpec(WindowStyle::Hidden, {100, 50}));
    Win32MessageBoxes boxes;
    int answer = IDNO;
    events.whenTimer = [&](int) {  // timers keep running inside the box's own loop
        if (HWND box = ::FindWindowW(L"#32770", L"Larkspan.Test")) ::PostMessageW(box, WM_COMMAND, answer, 0);
    };
    host->startTimer(1, 20);
    EXPECT_EQ(boxes.show(L"空き領域を確保しますか？", mb::YesNo | mb::Critical, L"Larkspan.Test"), mb::AnswerNo);
    answer = IDOK;
    EXPECT_EQ(boxes.show(L"メモリ内容は既に最適化されています", mb::OkOnly, L"Larkspan.Test"), mb::AnswerOk);
}

}  // namespace
}  // namespace lark::win32::test
