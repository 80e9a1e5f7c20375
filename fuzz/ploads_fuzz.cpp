// PLOADS as the loads section reads it, then what the run does with loads it
// accepts: the selected solution on a 0/90 laminate and the report's results
// block; and the file written back on confirmation must read back to the same
// text.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "input/data_files.h"
#include "report/output.h"
#include "solutions/solve.h"
#include "stiffness/chain.h"

using namespace veldran;
using namespace veldran::text;

namespace {

LaminateStiffness cross_ply() {
    MaterialTable m{};
    m.NMAT = 1;
    m.E11[1] = 181000.0f;
    m.E22[1] = 10300.0f;
    m.NU12[1] = 0.28f;
    m.G12[1] = 7170.0f;
    m.ALP11[1] = 0.000125f;
    m.ALP22[1] = 2.25e-5f;
    m.ESPESOR[1] = 0.125f;
    PlyStack s{};
    s.NPLY = 4;
    const float angles[] = {0.0f, 90.0f, 90.0f, 0.0f};
    for (int i = 1; i <= 4; ++i) {
        s.PLYMAT[i] = 1;
        s.PLYANG[i] = angles[i - 1];
        s.PLYRAD[i] = radians(s.PLYANG[i]);
    }
    s.TTOTAL = 0.5f;
    LaminateStiffness ls{};
    STIFFNESS(m, s, ls);
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
    Lines once;
    write_PLOADS(once, p);
    TextSource again(fuzz::file_text(once.lines), DATA_UNIT, "PLOADS");
    PlateProblem back{};
    fuzz::require(read_PLOADS(again, back), "a written PLOADS is accepted");
    Lines twice;
    write_PLOADS(twice, back);
    fuzz::require(twice.lines == once.lines, "PLOADS read back writes the same text");
    return 0;
}
