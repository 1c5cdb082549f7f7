// The memory sample and the five size rows it writes, and the details table drawn from them.
#include <array>

#include "monitor/details.h"
#include "monitor/size_text.h"
#include "shell/form1.h"
#include "shell/program.h"

namespace lark {

void Form1::ReadMemoryStatus() { takeSample(program_.services.memory.sample()); }
void Form1::ReadFreshMemoryStatus() { takeSample(program_.services.memory.freshSample()); }

void Form1::takeSample(const MemoryStatus& status) {
    program_.MemStatus = status;
    const std::array<std::uint64_t, 5> rows{status.totalPhys, status.availPhys, status.totalVirtual,
                                            status.availVirtual, status.availPageFile};
    for (int row = 0; row < 5; ++row) setRow(row, rows[row]);
}

// A changed number redraws the details table; a changed unit alone shows at the next redraw.
void Form1::setRow(int row, std::uint64_t bytes) {
    SizeText size = sizeText(bytes);
    RAMs[row]->setText(size.unit);
    if (size.number && *size.number != RAM[row]->text()) {
        RAM[row]->setText(*size.number);
        SM();
    }
}

void Form1::SM() {
    std::array<std::wstring, 5> numbers, units;
    for (int row = 0; row < 5; ++row) {
        numbers[row] = RAM[row]->text();
        units[row] = RAMs[row]->text();
    }
    drawDetails(Picture3->canvas(), numbers, units);
}

}  // namespace lark
