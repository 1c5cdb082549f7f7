// Fakes of the system services behind the options dialog, the help command and the about box:
// folders and files from sets; shortcuts and program starts recorded.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/texts.h"
#include "platform/file_system.h"
#include "platform/machine_registry.h"
#include "platform/log_files.h"
#include "platform/process_list.h"
#include "platform/processes.h"
#include "platform/shortcuts.h"

namespace lark::fake {

struct FakeFileSystem final : FileSystem {
    std::optional<std::wstring> windows = L"C:\\WINDOWS", userStartup = L"C:\\Users\\u\\Startup";
    std::wstring exe = L"C:\\Tools\\larkspan.exe", version = L"1.2.3";
    std::set<std::wstring> dirs, files;
    std::optional<std::wstring> windowsFolder() override { return windows; }
    std::wstring exePath() override { return exe; }
    std::wstring productVersion() override { return version; }
    std::optional<std::wstring> userStartupFolder() override { return userStartup; }
    std::optional<std::wstring> localAppDataFolder() override { return L"C:\\Users\\u\\AppData\\Local"; }
    bool directoryExists(std::wstring_view p) override { return dirs.count(std::wstring(p)) != 0; }
    bool fileExists(std::wstring_view p) override { return files.count(std::wstring(p)) != 0; }
};

struct FakeShortcuts final : Shortcuts {
    bool works = true;
    std::vector<std::pair<std::wstring, std::wstring>> written;  // link, target
    bool create(std::wstring_view link, std::wstring_view target) override {
        if (works) written.emplace_back(link, target);
        return works;
    }
};

struct FakeRegistry final : MachineRegistry {
    std::map<std::pair<std::wstring, std::wstring>, RegistryValue> values;  // by key and name
    std::optional<RegistryValue> read(std::wstring_view key, std::wstring_view name) override {
        auto it = values.find({std::wstring(key), std::wstring(name)});
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
};

struct FakeProcesses final : Processes {
    struct Start {
        std::wstring application, commandLine;
        ProcessWindow window;
        friend bool operator==(const Start&, const Start&) = default;
    };
    bool works = true;
    std::vector<Start> started;  // and opened documents, as starts of their path with no command line
    bool start(std::wstring_view app, std::wstring_view line, ProcessWindow window) override {
        if (works) started.push_back({std::wstring(app), std::wstring(line), window});
        return works;
    }
    bool opensDocuments = true;  // false: no program is associated with the document's type
    bool openDocument(std::wstring_view path) override {
        return opensDocuments && (started.push_back({std::wstring(path), L"", ProcessWindow::Normal}), true);
    }
};

// Processes by id: each trims, refuses or cannot be opened. Handles still open are counted.
struct FakeProcessList final : ProcessList {
    enum class Answer { Trims, Refuses, CannotOpen };
    std::map<ProcessId, Answer> answers;
    ProcessId me = 1;
    std::map<Handle, ProcessId> open_;  // the handles not closed yet
    Handle nextHandle = 0x100;
    std::vector<ProcessId> trimmed;
    std::function<void()> onTrim;
    std::vector<ProcessId> snapshot() override {
        std::vector<ProcessId> ids;
        for (const auto& [id, answer] : answers) ids.push_back(id);
        return ids;
    }
    ProcessId self() override { return me; }
    std::optional<Handle> open(ProcessId id) override {
        if (answers.at(id) == Answer::CannotOpen) return std::nullopt;
        return open_.emplace(nextHandle += 4, id), nextHandle;
    }
    bool trim(Handle handle) override {
        const ProcessId id = open_.at(handle);
        if (answers.at(id) == Answer::Refuses) return false;
        if (onTrim) onTrim();
        return trimmed.push_back(id), true;
    }
    void close(Handle handle) override { open_.erase(handle); }
};

// Files as texts by path; `works` false makes every write fail (locked, read-only).
struct FakeLogFiles final : LogFiles {
    std::map<std::wstring, std::string> files;
    bool works = true;
    std::optional<std::uint64_t> size(std::wstring_view path) override {
        const auto it = files.find(std::wstring(path));
        return it == files.end() ? std::nullopt : std::optional<std::uint64_t>(it->second.size());
    }
    bool append(std::wstring_view path, std::string_view bytes) override { return works && (files[std::wstring(path)] += bytes, true); }
    std::optional<std::string> head(std::wstring_view path, std::size_t bytes) override {
        const auto it = files.find(std::wstring(path));
        return it == files.end() ? std::nullopt : std::optional<std::string>(it->second.substr(0, bytes));
    }
    bool rename(std::wstring_view path, std::wstring_view to) override {
        return works && (files[std::wstring(to)] = std::move(files.at(std::wstring(path))), files.erase(std::wstring(path)), true);
    }
};

// The language in use for one test; Japanese again after it.
struct LanguageScope {
    explicit LanguageScope(Language language) { useLanguage(language); }
    ~LanguageScope() { useLanguage(Language::Japanese); }
};

}  // namespace lark::fake
