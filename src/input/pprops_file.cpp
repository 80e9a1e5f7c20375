#include "input/data_files.h"

namespace veldran {

using namespace text;

bool read_PPROPS(Source& f, MaterialTable& m) {
    if (try_list_read(f, {&m.NMAT}) != ReadStatus::Ok) return false;
    // More materials than the table holds: not a file this program wrote.
    if (m.NMAT > MAXMAT) return false;
    for (int i = 1; i <= m.NMAT; ++i)
        list_read(f, {&m.E11[i], &m.E22[i], &m.NU12[i], &m.G12[i], &m.ALP11[i], &m.ALP22[i],
                      &m.ESPESOR[i]});
    return true;
}

void write_PPROPS(Out& f, const MaterialTable& m) {
    list_write(f, {m.NMAT});
    for (int i = 1; i <= m.NMAT; ++i)
        list_write(f, {m.E11[i], m.E22[i], m.NU12[i], m.G12[i], m.ALP11[i], m.ALP22[i],
                       m.ESPESOR[i]});
}

} // namespace veldran
