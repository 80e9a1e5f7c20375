// PPROPS as the materials section reads it, then what the run does with a
// table it accepts: the stiffness chain and the report's echo of the input,
// on a stack that uses every material; and the file written back on
// confirmation must read back to the same text.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "input/data_files.h"

using namespace veldran;
using namespace veldran::text;

namespace {

bool finite(const MaterialTable& m) {
    for (int i = 1; i <= m.NMAT; ++i)
        for (const float v : {m.E11[i], m.E22[i], m.NU12[i], m.G12[i], m.ALP11[i], m.ALP22[i],
                              m.ESPESOR[i]})
            if (!std::isfinite(v)) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::catch_fatal();
    TextSource file(std::string(reinterpret_cast<const char*>(data), size), DATA_UNIT, "PPROPS");
    MaterialTable m{};
    try {
        if (!read_PPROPS(file, m)) return 0;
    } catch (const fuzz::FatalEnd& e) {
        fuzz::require_read_diagnostic(e, DATA_UNIT, "PPROPS");
        return 0;
    }
    fuzz::require(m.NMAT <= MAXMAT, "an accepted count fits the table");

    // Each material twice, at 0 and 90 degrees, mirrored.
    PlyStack s{};
    for (int i = 1; i <= m.NMAT; ++i) {
        s.PLYMAT[i] = s.PLYMAT[2 * m.NMAT + 1 - i] = i;
        s.PLYANG[i] = s.PLYANG[2 * m.NMAT + 1 - i] = (i % 2) ? 0.0f : 90.0f;
        s.PLYRAD[i] = s.PLYRAD[2 * m.NMAT + 1 - i] = radians(s.PLYANG[i]);
    }
    s.NPLY = m.NMAT > 0 ? 2 * m.NMAT : 0;
    fuzz::stiffness_and_echo(m, s);

    if (!finite(m)) return 0; // Infinity and NaN are written but never read
    fuzz::require_stable_write_back(m, write_PPROPS, read_PPROPS, "PPROPS");
    return 0;
}
