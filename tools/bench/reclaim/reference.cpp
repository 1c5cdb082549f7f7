// The native reference for the reclaim benchmark: make a block resident with ordinary 4 KiB pages
// (map it, then store one byte per page) from 1 and from N threads, and print GiB/s.
//
//   reference <MiB> <threads> <repeats>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

void touch(char* base, std::size_t begin, std::size_t end, std::size_t page) {
    volatile char* bytes = base;
    for (std::size_t offset = begin; offset < end; offset += page) bytes[offset] = 0;
}

// Seconds to map, touch and unmap `bytes` with `threads` threads (unmapping not timed).
double once(std::size_t bytes, unsigned threads, std::size_t page) {
    const auto start = std::chrono::steady_clock::now();
    void* map = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (map == MAP_FAILED) {
        std::perror("mmap");
        std::exit(1);
    }
    madvise(map, bytes, MADV_NOHUGEPAGE);
    char* base = static_cast<char*>(map);
    const std::size_t run = (bytes / page + threads - 1) / threads * page;
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t)
        helpers.emplace_back(touch, base, t * run, std::min(bytes, (t + 1) * run), page);
    touch(base, 0, std::min(bytes, run), page);
    for (auto& h : helpers) h.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    munmap(map, bytes);
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: reference <MiB> <threads> <repeats>\n");
        return 2;
    }
    const std::size_t bytes = std::strtoull(argv[1], nullptr, 10) << 20;
    const unsigned threads = static_cast<unsigned>(std::max(1L, std::strtol(argv[2], nullptr, 10)));
    const int repeats = std::max(1, std::atoi(argv[3]));
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    double best = 1e30, total = 0;
    for (int i = 0; i < repeats; ++i) {
        const double s = once(bytes, threads, page);
        best = std::min(best, s);
        total += s;
    }
    const double gib = static_cast<double>(bytes) / (1 << 30);
    std::printf("native reference, %u thread(s): best %.2f GiB/s, mean %.2f GiB/s\n", threads, gib / best,
                gib * repeats / total);
    return 0;
}
