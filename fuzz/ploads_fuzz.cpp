// PLOADS as the loads section reads it, then what the run does with loads it
// accepts: the selected solution on a 0/90 laminate and the report's results
// block; and the file written back on confirmation must read back to the same
// text.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "input/data_files.h"
#include "solutions/solve.h"
#include "stiffness/laminates.h"

using namespace veldran;
using namespace veldran::text;

namespace {

LaminateStiffness cross_ply() {
    const MaterialTable m = test::carbon_epoxy();
    LaminateStiffness ls{};
    STIFFNESS(m, test::stack_of(m, {0.0f, 90.0f, 90.0f, 0.0f}), ls);
    return ls;
}

bool finite(const PlateProblem& p) {
    for (int i = 1; i <= 6; ++i)
        if (!std::isfinite(p.LOADS[i])) return false;
    return std::isfinite(p.TFREE) && std::isfinite(p.TASSEM) && std::isfinite(p.TSERV);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::catch_fatal();
    static const LaminateStiffness ls = cross_ply();
    TextSource file(std::string(reinterpret_cast<const char*>(data), size), DATA_UNIT, "PLOADS");
    PlateProblem p{};
    p.a = 2.0f;
    p.b = 1.0f;
    // Every read of the pass has its recovery: nothing here may be fatal.
    if (!read_PLOADS(file, p)) return 0;
    fuzz::require(p.LCASE >= 1 && p.LCASE <= 8, "an accepted code is one the program knows");
    PlateResults r{};
    SOLVE(p, ls, r);
    Lines block;
    report::write_results(block, p, r);

    if (!finite(p)) return 0; // Infinity and NaN are written but never read
    fuzz::require_stable_write_back(p, write_PLOADS, read_PLOADS, "PLOADS");
    return 0;
}
