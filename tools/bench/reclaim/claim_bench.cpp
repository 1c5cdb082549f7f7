// The program's block allocator under Wine: one block secured as the free-space securing does
// (claim, every page written, release), and the cleanup's pass shape (sixteen blocks claimed one
// after another and held, then all released). Prints GiB/s and seconds per pass.
//
//   claim_bench <secure MiB> <repeats> <cleanup block MiB> <passes>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "platform/win32/block_allocator.h"

namespace {

double now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency;
}

constexpr double GiB = 1024.0 * 1024 * 1024;

void secure(lark::Win32BlockAllocator& blocks, std::size_t bytes, int repeats) {
    double best = 1e30, total = 0;
    for (int i = 0; i < repeats; ++i) {
        const double start = now();
        void* block = blocks.claim(bytes);
        const double seconds = now() - start;
        if (!block) {
            std::printf("exe allocator: claim of %zu bytes failed\n", bytes);
            return;
        }
        blocks.release(block);
        best = std::min(best, seconds);
        total += seconds;
    }
    std::printf("exe allocator under Wine: best %.2f GiB/s, mean %.2f GiB/s\n", bytes / GiB / best,
                bytes / GiB * repeats / total);
}

void cleanupPasses(lark::Win32BlockAllocator& blocks, std::size_t blockBytes, int passes) {
    double total = 0;
    for (int pass = 0; pass < passes; ++pass) {
        std::array<void*, 16> held{};
        const double start = now();
        for (auto& block : held) block = blocks.claim(blockBytes);
        for (auto* block : held) blocks.release(block);
        total += now() - start;
        if (std::any_of(held.begin(), held.end(), [](void* b) { return b == nullptr; })) {
            std::printf("cleanup pass: a block failed\n");
            return;
        }
    }
    const double perPass = total / passes;
    std::printf("cleanup pass of 16 x %zu MiB (%.2f GiB): %.3f s per pass, %.2f GiB/s\n", blockBytes >> 20,
                16.0 * blockBytes / GiB, perPass, 16.0 * blockBytes / GiB / perPass);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: claim_bench <secure MiB> <repeats> <cleanup block MiB> <passes>\n");
        return 2;
    }
    lark::Win32BlockAllocator blocks;
    const auto secureBytes = static_cast<std::size_t>(_wtoi64(argv[1])) << 20;
    const int repeats = _wtoi(argv[2]);
    const auto blockBytes = static_cast<std::size_t>(_wtoi64(argv[3])) << 20;
    const int passes = std::max(0, _wtoi(argv[4]));
    if (repeats > 0 && secureBytes > 0) secure(blocks, secureBytes, repeats);
    if (passes > 0) cleanupPasses(blocks, blockBytes, passes);
    return 0;
}
