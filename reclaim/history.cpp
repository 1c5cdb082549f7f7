#include "reclaim/history.h"

#include <cstdio>

#include "common/paths.h"
#include "common/texts.h"

namespace lark {

namespace {

constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";  // Excel on a Japanese Windows then reads UTF-8

void putUtf8(std::string& out, char32_t c) {
    if (c >= 0xD800 && (c <= 0xDFFF || c > 0x10FFFF)) c = 0xFFFD;  // a lone surrogate or no character at all
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 on Windows, UTF-32 elsewhere.
std::string utf8(std::wstring_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        if (sizeof(wchar_t) == 2 && c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        putUtf8(out, c);
    }
    return out;
}

// RFC 4180: a field with a comma, a quote or a line break goes in quotes, its quotes doubled.
std::string field(std::string text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string formatted(const char* format, double value) {
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string mebibytes(double bytes) { return formatted("%.1f", bytes / 1048576.0); }

std::string dateTime(const LocalDateTime& t) {
    const int offset = t.utcOffsetMinutes < 0 ? -t.utcOffsetMinutes : t.utcOffsetMinutes;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", t.year, t.month, t.day, t.time.hour,
                  t.time.minute, t.time.second, t.utcOffsetMinutes < 0 ? '-' : '+', offset / 60 % 100, offset % 60);
    return text;
}

Text triggerWord(Trigger trigger) {
    switch (trigger) {
        case Trigger::LowMemory: return Text::TriggerLowMemory;
        case Trigger::Schedule: return Text::TriggerSchedule;
        case Trigger::CommandLine: return Text::TriggerCommandLine;
        default: return Text::TriggerManual;
    }
}

Text actionWord(RunAction action) {
    switch (action) {
        case RunAction::CleanupStandard: return Text::ActionCleanupStandard;
        case RunAction::CleanupFull: return Text::ActionCleanupFull;
        case RunAction::Trim: return Text::ActionTrim;
        default: return Text::ActionSecure;
    }
}

}  // namespace

namespace history {

std::string headerLine() { return utf8(text(Text::HistoryHeader)) + "\r\n"; }

std::string csvLine(const RunRecord& run) {
    const double before = static_cast<double>(run.availableBefore), after = static_cast<double>(run.availableAfter);
    const std::string fields[] = {
        dateTime(run.started),
        utf8(text(triggerWord(run.trigger))),
        utf8(text(actionWord(run.action))),
        mebibytes(before),
        mebibytes(after),
        mebibytes(after - before),
        mebibytes(static_cast<double>(run.heldAtMost)),
        run.programsTrimmed ? std::to_string(*run.programsTrimmed) : "",
        formatted("%.2f", static_cast<double>(run.milliseconds) / 1000.0),
        field(utf8(run.stopped ? text(Text::RunStopped) : run.result)),
    };
    std::string line;
    for (const std::string& f : fields) line += (line.empty() ? "" : ",") + f;
    return line + "\r\n";
}

std::wstring filePath(std::wstring_view exePath, bool portable, const std::optional<std::wstring>& localAppData) {
    if (portable) {
        const std::wstring folder = paths::folderOf(exePath);
        return folder.empty() ? L"" : paths::withSlash(folder) + L"larkspan-history.csv";
    }
    return localAppData && !localAppData->empty() ? *localAppData + L"\\Larkspan\\history.csv" : L"";
}

void open(std::wstring_view path, FileSystem& files, Processes& processes, MessageBoxes& messages) {
    if (path.empty() || !files.fileExists(path)) {
        messages.show(text(Text::NoHistoryYet), mb::Information, ProgramTitle);
        return;
    }
    if (processes.openDocument(path)) return;
    if (const auto windows = files.windowsFolder()) {
        const std::wstring notepad = *windows + L"\\System32\\notepad.exe";
        processes.start(notepad, paths::quoted(notepad) + L" " + paths::quoted(path), ProcessWindow::Normal);
    }
}

}  // namespace history

void HistoryFile::record(const RunRecord& run) {
    if (!enabled_) return;
    waiting_.push_back(history::csvLine(run));
    while (waiting_.size() > history::MostWaiting) waiting_.pop_front();
    if (path_.empty()) return;
    // A file is written in one language: one in another begins anew, as a full one does.
    const std::string header = ByteOrderMark + history::headerLine();
    auto size = files_.size(path_);
    const auto head = size && *size > 0 ? files_.head(path_, header.size()) : std::nullopt;
    if (size && (*size > history::RollOverBytes || (head && *head != header)) && files_.rename(path_, path_ + L".1"))
        size.reset();
    std::string bytes = size && *size > 0 ? "" : header;
    for (const std::string& line : waiting_) bytes += line;
    if (files_.append(path_, bytes)) waiting_.clear();
}

}  // namespace lark
