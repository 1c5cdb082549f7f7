#include "platform/win32/block_allocator.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cwchar>
#include <exception>
#include <functional>
#include <thread>
#include <vector>

namespace lark {

namespace {

// Below this a block is touched on the calling thread alone: starting threads costs more than
// it saves.
constexpr std::size_t SplitFrom = std::size_t{16} << 20;

std::size_t systemPageSize() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return info.dwPageSize ? info.dwPageSize : 4096;
}

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

    void operator()() {
        for (;;) {
            const std::size_t begin = next_.fetch_add(Chunk, std::memory_order_relaxed);
            if (begin >= bytes_) return;
            touch(base_, begin, std::min(bytes_, begin + Chunk), page_);
        }
    }

private:
    static constexpr std::size_t Chunk = std::size_t{4} << 20;  // a multiple of every page size
    char* const base_;
    const std::size_t bytes_, page_;
    std::atomic<std::size_t> next_{0};
};

// The calling thread works along with one helper per further core and waits for them; a helper
// that cannot be started simply leaves its share to the others.
void touchAll(char* base, std::size_t bytes, std::size_t page, unsigned threads) {
    TouchWork work(base, bytes, page);
    std::vector<std::thread> helpers;
    const unsigned helperCount = bytes < SplitFrom ? 0 : threads - 1;
    for (unsigned i = 0; i < helperCount; ++i) {
        try {
            helpers.emplace_back(std::ref(work));
        } catch (const std::exception&) {
            break;
        }
    }
    work();
    for (auto& helper : helpers) helper.join();
}

}  // namespace

Win32BlockAllocator::Win32BlockAllocator(std::size_t largestBlock)
    : largestBlock_(std::max<std::size_t>(largestBlock, 1)),
      pageSize_(systemPageSize()),
      threads_(std::max(1u, std::thread::hardware_concurrency())) {}

void* Win32BlockAllocator::claim(std::size_t bytes) {
    bytes = std::clamp<std::size_t>(bytes, 1, largestBlock_);
    void* block = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!block) return nullptr;
    touchAll(static_cast<char*>(block), bytes, pageSize_, threads_);
    return block;
}

void Win32BlockAllocator::release(void* block) {
    if (block) VirtualFree(block, 0, MEM_RELEASE);
}

std::size_t Win32BlockAllocator::largestBlockFromEnvironment() {
    wchar_t text[32]{};
    const DWORD length = GetEnvironmentVariableW(L"LARKSPAN_MAX_BLOCK_MIB", text, std::size(text));
    if (length == 0 || length >= std::size(text)) return SIZE_MAX;
    wchar_t* end = nullptr;
    const unsigned long long mib = std::wcstoull(text, &end, 10);
    if (end == text || *end != L'\0' || text[0] == L'-' || mib == 0 || mib > (SIZE_MAX >> 20)) return SIZE_MAX;
    return static_cast<std::size_t>(mib) << 20;
}

}  // namespace lark
