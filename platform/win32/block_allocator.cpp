#include "platform/win32/block_allocator.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cwchar>
#include <exception>
#include <thread>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/sent_messages.h"

namespace lark {

namespace {

// Below this a block is touched on the calling thread alone: starting threads costs more than
// it saves.
constexpr std::size_t SplitFrom = std::size_t{16} << 20;

// The units of work between two answers on the calling thread: about a millisecond of page faults
// when a block is made resident (about 1 GiB/s from one thread, less on a busy machine), a few
// when it is given back (about 10 GiB/s). Both are multiples of every page size.
constexpr std::size_t Chunk = std::size_t{1} << 20;
constexpr std::size_t ReleasePiece = std::size_t{64} << 20;

std::size_t systemPageSize() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return info.dwPageSize ? info.dwPageSize : 4096;
}

// Claiming or giving back gigabytes takes seconds, and the calling thread is the program's user
// interface thread: Windows calls a window "not responding" after 5 s without a look at its
// queue, and the shell, other programs and the system's hang detection wait meanwhile for their
// sent messages to be answered. So between two pieces of work the calling thread answers what
// other threads and processes sent it (answerSentMessages). A sent message may still reach the
// program's windows in the middle of a claim: the program refuses a second reclamation while one
// runs and pauses its ticks, and nothing here keeps state that a nested claim or release could
// disturb.
using win32::answerSentMessages;

// One store per page is what makes the system provide the page; the memory is already zero.
void touch(char* base, std::size_t begin, std::size_t end, std::size_t page) {
    volatile char* bytes = base;
    for (std::size_t offset = begin; offset < end; offset += page) bytes[offset] = 0;
}

// The block in page-aligned chunks that the threads take in turn, so that a thread the system
// holds back leaves its share to the others instead of making them wait for it.
class TouchWork {
public:
    TouchWork(char* base, std::size_t bytes, std::size_t page) : base_(base), bytes_(bytes), page_(page) {}

    // `answering`: the calling thread, which answers sent messages after every chunk.
    void run(bool answering) {
        for (;;) {
            const std::size_t begin = next_.fetch_add(Chunk, std::memory_order_relaxed);
            if (begin >= bytes_) return;
            touch(base_, begin, std::min(bytes_, begin + Chunk), page_);
            if (answering) answerSentMessages();
        }
    }

private:
    char* const base_;
    const std::size_t bytes_, page_;
    std::atomic<std::size_t> next_{0};
};

// The calling thread works along with one helper per further core, then waits for the helpers'
// last chunks while it goes on answering: a helper that the system holds back must not hold up
// the answers. A helper that cannot be started simply leaves its share to the others.
void touchAll(char* base, std::size_t bytes, std::size_t page, unsigned threads) {
    TouchWork work(base, bytes, page);
    win32::UniqueHandle finished(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    // The helpers still at work, plus one for the calling thread until it has started them all;
    // whoever brings it to zero sets `finished`.
    std::atomic<unsigned> running{1};
    const auto done = [&] {
        if (running.fetch_sub(1) == 1) SetEvent(finished.get());
    };
    std::vector<std::thread> helpers;
    const unsigned helperCount = bytes < SplitFrom || !finished ? 0 : threads - 1;
    for (unsigned i = 0; i < helperCount; ++i) {
        running.fetch_add(1);
        try {
            helpers.emplace_back([&] {
                work.run(false);
                done();
            });
        } catch (const std::exception&) {
            running.fetch_sub(1);
            break;
        }
    }
    done();
    work.run(true);
    if (!helpers.empty()) {
        // MsgWaitForMultipleObjects wakes for a sent message without taking it; PeekMessage answers it.
        const HANDLE event = finished.get();
        while (running.load() != 0 &&
               MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1)
            answerSentMessages();
    }
    for (auto& helper : helpers) helper.join();
}

}  // namespace

Win32BlockAllocator::Win32BlockAllocator(std::size_t largestBlock)
    : largestBlock_(largestBlock),
      pageSize_(systemPageSize()),
      threads_(std::max(1u, std::thread::hardware_concurrency())) {}

void* Win32BlockAllocator::claim(std::size_t bytes) {
    if (largestBlock_ == 0) return nullptr;
    bytes = std::clamp<std::size_t>(bytes, 1, largestBlock_);
    void* block = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!block) return nullptr;
    touchAll(static_cast<char*>(block), bytes, pageSize_, threads_);
    return block;
}

// Giving back a resident block costs about 0.1 s per GiB: the pages are decommitted in pieces,
// with answers in between, and the address range released at the end, which is then quick.
void Win32BlockAllocator::release(void* block) {
    if (!block) return;
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(block, &info, sizeof info) == sizeof info && info.State == MEM_COMMIT &&
        info.AllocationBase == block) {
        char* const base = static_cast<char*>(block);
        for (std::size_t offset = 0; offset < info.RegionSize; offset += ReleasePiece) {
            VirtualFree(base + offset, std::min(ReleasePiece, info.RegionSize - offset), MEM_DECOMMIT);
            answerSentMessages();
        }
    }
    VirtualFree(block, 0, MEM_RELEASE);
}

std::size_t Win32BlockAllocator::largestBlockFromEnvironment() {
    wchar_t text[32]{};
    const DWORD length = GetEnvironmentVariableW(L"LARKSPAN_MAX_BLOCK_MIB", text, std::size(text));
    if (length == 0 || length >= std::size(text)) return SIZE_MAX;
    wchar_t* end = nullptr;
    const unsigned long long mib = std::wcstoull(text, &end, 10);
    if (end == text || *end != L'\0' || text[0] == L'-' || mib > (SIZE_MAX >> 20)) return SIZE_MAX;
    return static_cast<std::size_t>(mib) << 20;
}

}  // namespace lark
