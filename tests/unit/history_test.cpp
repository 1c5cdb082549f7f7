// The history of runs: the line each run adds, the file it goes to, and what becomes of lines the
// file cannot take.
#include <gtest/gtest.h>

#include <string>

#include "reclaim/history.h"
#include "tests/fakes/fake_services.h"
#include "tests/fakes/fake_system.h"

namespace lark {
namespace {

constexpr std::uint64_t MiB = 1 << 20;
constexpr char Header[] = "\xEF\xBB\xBF日時,きっかけ,動作,実行前の使用可能メモリ(MB),実行後の使用可能メモリ(MB),増加(MB),"
                          "確保したメモリ(MB),対象プログラム数,所要時間(秒),結果\r\n";

TEST(HistoryLine, EachTriggerAndActionWithItsFiguresQuotedAsSpreadsheetsReadThem) {
    const std::pair<RunRecord, std::string> cases[] = {
        {{{2026, 12, 8, {3, 0, 0}, 540}, Trigger::Manual, RunAction::Secure, 2048 * MiB, 2048 * MiB + 1572864, 52 * MiB + 1,
          std::nullopt, 1234, L" 1.5MB メモリ確保に成功しました"},
         "2026-12-08T03:00:00+09:00,手動,空き領域確保,2048.0,2049.5,1.5,52.0,,1.23, 1.5MB メモリ確保に成功しました\r\n"},
        {{{2027, 1, 31, {23, 59, 58}, -300}, Trigger::LowMemory, RunAction::CleanupFull, 3072 * MiB, 2560 * MiB, 4096 * MiB,
          std::nullopt, 61000, L"メモリ内容は既に最適化されています", true},
         "2027-01-31T23:59:58-05:00,低メモリ,メモリ クリーンアップ(完全),3072.0,2560.0,-512.0,4096.0,,61.00,中止\r\n"},
        {{{2026, 6, 1, {9, 5, 0}, -570}, Trigger::Schedule, RunAction::CleanupStandard, 0, 0, 0, std::nullopt, 5,
          L"a,\"b\"\r\nc"},
         "2026-06-01T09:05:00-09:30,予約,メモリ クリーンアップ(標準),0.0,0.0,0.0,0.0,,0.01,\"a,\"\"b\"\"\r\nc\"\r\n"},
        {{{2026, 12, 8, {0, 0, 0}, 0}, Trigger::CommandLine, RunAction::Trim, 100 * MiB, 100 * MiB + 52429, 0, 12, 80,
          L"ワーキング セットの縮小:  51KB増えました (12 個のプログラム)"},
         "2026-12-08T00:00:00+00:00,コマンドライン,ワーキング セットの縮小,100.0,100.1,0.1,0.0,12,0.08,"
         "ワーキング セットの縮小:  51KB増えました (12 個のプログラム)\r\n"}};
    for (const auto& [run, line] : cases) EXPECT_EQ(history::csvLine(run), line);
}

class History : public ::testing::Test {
protected:
    void record(int count) {
        for (int i = 0; i < count; ++i) file.record({.milliseconds = static_cast<std::uint64_t>(10 * ++runs)});
    }
    std::string line(int run) { return history::csvLine({.milliseconds = static_cast<std::uint64_t>(10 * run)}); }
    fake::FakeLogFiles files;
    const std::wstring path = L"C:\\Users\\u\\AppData\\Local\\Larkspan\\history.csv";
    HistoryFile file{files, path};
    int runs = 0;
};

TEST_F(History, ANewFileBeginsWithItsHeaderAndAFullOneMakesWayForANewOne) {
    record(2);
    EXPECT_EQ(files.files[path], Header + line(1) + line(2));
    files.files[path] = std::string(history::RollOverBytes + 1, 'x');
    record(1);
    EXPECT_EQ(files.files[path + L".1"].size(), history::RollOverBytes + 1);
    EXPECT_EQ(files.files[path], Header + line(3));

    // A file is in one language: a run in another begins a new file, and so does coming back.
    const std::string japanese = files.files[path];
    const fake::LanguageScope english(Language::English);
    record(2);
    EXPECT_EQ(files.files[path + L".1"], japanese);
    const std::string englishFile = "\xEF\xBB\xBF" "Date and time,Trigger,Action,Available memory before (MB),Available memory "
                                    "after (MB),Increase (MB),Memory secured (MB),Programs,Duration (s),Result\r\n" + line(4) + line(5);
    EXPECT_EQ(files.files[path], englishFile);
    EXPECT_EQ(line(4), "1970-01-01T00:00:00+00:00,Manual,Secure free memory,0.0,0.0,0.0,0.0,,0.04,\r\n");
    useLanguage(Language::Japanese);
    record(1);
    EXPECT_EQ(files.files[path + L".1"], englishFile);
    EXPECT_EQ(files.files[path], Header + line(6));
}

// A file another program holds, a read-only folder or a folder of that name: the lines wait, the
// newest hundred, and go before the next one.
TEST_F(History, LinesThatCannotBeWrittenWaitForTheNextRun) {
    files.works = false;
    record(102);
    EXPECT_EQ(file.waiting(), history::MostWaiting);
    EXPECT_TRUE(files.files.empty());
    files.works = true;
    record(1);
    std::string expected = Header;
    for (int run = 4; run <= 103; ++run) expected += line(run);
    EXPECT_EQ(files.files[path], expected);
    EXPECT_EQ(file.waiting(), 0u);
}

TEST(HistoryPlace, BesideAPortableCopyElseInTheUsersLocalDataAndOpenedWithWhatWindowsChose) {
    EXPECT_EQ(history::filePath(L"E:\\Tools\\larkspan.exe", true, L"C:\\Local"), L"E:\\Tools\\larkspan-history.csv");
    EXPECT_EQ(history::filePath(L"E:\\Tools\\larkspan.exe", false, L"C:\\Local"), L"C:\\Local\\Larkspan\\history.csv");
    EXPECT_EQ(history::filePath(L"E:\\Tools\\larkspan.exe", false, std::nullopt), L"");

    fake::FakeFileSystem files;
    fake::FakeProcesses processes;
    fake::FakeMessageBoxes messages;
    const std::wstring path = L"C:\\Local\\Larkspan\\history.csv";
    history::open(path, files, processes, messages);  // nothing recorded yet
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, L"実行の履歴はまだ記録されていません。");
    files.files.insert(path);
    history::open(path, files, processes, messages);
    processes.opensDocuments = false;  // no program for .csv
    history::open(path, files, processes, messages);
    const std::wstring notepad = L"C:\\WINDOWS\\System32\\notepad.exe";
    EXPECT_EQ(processes.started, (std::vector<fake::FakeProcesses::Start>{
                                     {path, L"", ProcessWindow::Normal}, {notepad, notepad + L" " + path, ProcessWindow::Normal}}));
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace lark
