// LAMINATE as the laminate section reads it (five materials defined), then
// what the run does with a stack it accepts: the stiffness chain and the
// report's echo of the input; and the file written back on confirmation must
// read back to the same text.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "input/data_files.h"
#include "stiffness/laminates.h"

using namespace veldran;
using namespace veldran::text;

namespace {

// Carbon/epoxy five times over, each material thicker than the one before.
MaterialTable five_materials() {
    MaterialTable m = test::carbon_epoxy();
    m.NMAT = MAXMAT;
    for (int i = 2; i <= MAXMAT; ++i) {
        m.E11[i] = m.E11[1];
        m.E22[i] = m.E22[1];
        m.NU12[i] = m.NU12[1];
        m.G12[i] = m.G12[1];
        m.ALP11[i] = m.ALP11[1];
        m.ALP22[i] = m.ALP22[1];
        m.ESPESOR[i] = static_cast<float>(double(m.ESPESOR[1]) * double(i));
    }
    return m;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::catch_fatal();
    static const MaterialTable m = five_materials();
    TextSource file(std::string(reinterpret_cast<const char*>(data), size), DATA_UNIT,
                    "LAMINATE");
    PlyStack s{};
    try {
        if (!read_LAMINATE(file, m.NMAT, s)) return 0;
    } catch (const fuzz::FatalEnd& e) {
        fuzz::require_read_diagnostic(e, DATA_UNIT, "LAMINATE");
        return 0;
    }
    fuzz::require(s.NPLY <= MAXPLY, "an accepted stack fits the table");
    fuzz::stiffness_and_echo(m, s);

    for (int i = 1; i <= s.NPLY; ++i)
        if (!std::isfinite(s.PLYANG[i])) return 0; // written but never read
    const auto read = [](Source& f, PlyStack& back) { return read_LAMINATE(f, m.NMAT, back); };
    fuzz::require_stable_write_back(s, write_LAMINATE, read, "LAMINATE");
    return 0;
}
