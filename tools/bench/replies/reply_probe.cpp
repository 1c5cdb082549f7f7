// The probe of the reply-gap benchmark: from a process of its own, sends WM_NULL to a window again
// and again (SendMessageTimeout, a few ms apart) and times every answer, while the window's program
// runs a command posted to it.
//
//   reply_probe.exe <window title> <command id> <stop file> <seconds> [box]
//
// Finds the top-level window with this exact title, pings it for a moment, posts WM_COMMAND <id>,
// then pings on until the stop file exists, the time is up, or (with "box") a message box of the
// window's thread shows; that box is then closed with its OK button. Prints one tab-separated line:
//   replies <answers> <p50 ms> <p90 ms> <p99 ms> <max ms> <largest gap ms> <over 100 ms> <seconds> <end>
// where a reply time runs from a send to its answer and a gap from one answer to the next; then
//   slow <ms after the command> <reply ms>
// for the first ten replies over 100 ms.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr DWORD PauseMs = 5;           // between an answer and the next send
constexpr UINT ReplyTimeoutMs = 60000; // a window that does not answer within a minute is hung
constexpr double TargetMs = 100;

double nowMs() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / frequency;
}

// A visible dialog-class window (a message box) of the thread.
HWND messageBoxOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[16]{};
            GetClassNameW(window, name, 16);
            if (!IsWindowVisible(window) || std::wcscmp(name, L"#32770") != 0) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The child control with this id, at any depth.
HWND controlWithId(HWND window, int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            auto& wanted = *reinterpret_cast<std::pair<int, HWND>*>(data);
            if (GetDlgCtrlID(child) != wanted.first) return TRUE;
            wanted.second = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

double percentile(const std::vector<double>& sorted, double p) {
    if (sorted.empty()) return 0;
    const auto at = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(at, sorted.size() - 1)];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) {
        std::fwprintf(stderr, L"usage: reply_probe.exe <window title> <command id> <stop file> <seconds> [box]\n");
        return 2;
    }
    const std::wstring title = argv[1], stopFile = argv[3];
    const WPARAM command = static_cast<WPARAM>(std::wcstoul(argv[2], nullptr, 0));
    const double limitMs = std::wcstod(argv[4], nullptr) * 1000;
    const bool untilBox = argc > 5 && std::wstring(argv[5]) == L"box";

    HWND window = nullptr;
    for (int i = 0; i < 200 && !(window = FindWindowW(nullptr, title.c_str())); ++i) Sleep(50);
    if (!window) {
        std::fwprintf(stderr, L"reply_probe: no window \"%ls\"\n", title.c_str());
        return 1;
    }
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);

    std::vector<double> replies;
    std::vector<std::pair<double, double>> slow;  // when (ms after the command) and how long
    double postedAt = 0;
    const double start = nowMs();
    double lastAnswer = 0, largestGap = 0, lastBoxCheck = 0;
    bool posted = false;
    const wchar_t* end = L"time";
    while (nowMs() - start < limitMs) {
        if (!posted && nowMs() - start > 300) {  // a moment of ordinary answers first
            // A button's id comes as its click notification, with its window; any other as a menu command.
            HWND button = controlWithId(window, static_cast<int>(command));
            PostMessageW(window, WM_COMMAND, button ? MAKEWPARAM(command, BN_CLICKED) : command,
                         reinterpret_cast<LPARAM>(button));
            posted = true;
            postedAt = nowMs();
        }
        DWORD_PTR result = 0;
        const double sent = nowMs();
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, ReplyTimeoutMs, &result)) {
            end = IsWindow(window) ? L"hung" : L"gone";
            break;
        }
        const double answered = nowMs();
        if (posted) {
            replies.push_back(answered - sent);
            if (answered - sent > TargetMs) slow.emplace_back(sent - postedAt, answered - sent);
            if (lastAnswer > 0) largestGap = std::max(largestGap, answered - lastAnswer);
        }
        lastAnswer = answered;
        if (GetFileAttributesW(stopFile.c_str()) != INVALID_FILE_ATTRIBUTES) {
            end = L"stop";
            break;
        }
        if (untilBox && answered - lastBoxCheck > 50) {
            lastBoxCheck = answered;
            if (HWND box = messageBoxOf(thread)) {
                HWND ok = GetDlgItem(box, IDOK);
                PostMessageW(ok ? ok : box, ok ? BM_CLICK : WM_CLOSE, 0, 0);
                end = L"box";
                break;
            }
        }
        Sleep(PauseMs);
    }

    std::vector<double> sorted = replies;
    std::sort(sorted.begin(), sorted.end());
    const auto over = std::count_if(sorted.begin(), sorted.end(), [](double ms) { return ms > TargetMs; });
    std::wprintf(L"replies\t%zu\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%lld\t%.1f\t%ls\n", sorted.size(),
                 percentile(sorted, 0.5), percentile(sorted, 0.9), percentile(sorted, 0.99),
                 sorted.empty() ? 0.0 : sorted.back(), largestGap, static_cast<long long>(over),
                 (nowMs() - start) / 1000, end);
    for (std::size_t i = 0; i < slow.size() && i < 10; ++i)
        std::wprintf(L"slow\t%.0f\t%.1f\n", slow[i].first, slow[i].second);
    return 0;
}
