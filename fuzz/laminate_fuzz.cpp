// LAMINATE as the laminate section reads it (five materials defined), then
// what the run does with a stack it accepts: the stiffness chain and the
// report's echo of the input; and the file written back on confirmation must
// read back to the same text.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "input/data_files.h"
#include "report/output.h"
#include "stiffness/chain.h"

using namespace veldran;
using namespace veldran::text;

namespace {

MaterialTable five_materials() {
    MaterialTable m{};
    m.NMAT = MAXMAT;
    for (int i = 1; i <= MAXMAT; ++i) {
        m.E11[i] = 181000.0f / float(i);
        m.E22[i] = 10300.0f;
        m.NU12[i] = 0.28f;
        m.G12[i] = 7170.0f;
        m.ALP11[i] = 0.000125f;
        m.ALP22[i] = 2.25e-5f;
        m.ESPESOR[i] = 0.125f * float(i);
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
    LaminateStiffness ls{};
    STIFFNESS(m, s, ls);
    PlateProblem plate{};
    plate.a = 2.0f;
    plate.b = 1.0f;
    Lines echo;
    report::write_input_echo(echo, m, s, plate, PrintOptions{'S', 'S', 'S', 'S'}, ls);

    for (int i = 1; i <= s.NPLY; ++i)
        if (!std::isfinite(s.PLYANG[i])) return 0; // written but never read
    Lines once;
    write_LAMINATE(once, s);
    TextSource again(fuzz::file_text(once.lines), DATA_UNIT, "LAMINATE");
    PlyStack back{};
    fuzz::require(read_LAMINATE(again, m.NMAT, back), "a written LAMINATE is accepted");
    Lines twice;
    write_LAMINATE(twice, back);
    fuzz::require(twice.lines == once.lines, "LAMINATE read back writes the same text");
    return 0;
}
