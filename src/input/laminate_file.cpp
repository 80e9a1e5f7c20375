#include "input/data_files.h"

namespace veldran {

using namespace text;

bool read_LAMINATE(Source& f, std::int32_t NMAT, PlyStack& s) {
    if (try_read_char(f, s.SYMFLAG) != ReadStatus::Ok) return false;
    list_read(f, {&s.NPLY});
    // More plies than the stack holds: refused before any ply is read.
    if (s.NPLY > MAXPLY) return false;
    for (int i = 1; i <= s.NPLY; ++i) {
        list_read(f, {&s.PLYMAT[i], &s.PLYANG[i]});
        s.PLYRAD[i] = radians(s.PLYANG[i]);
    }
    // Every ply must name a defined material: its thickness is looked up.
    for (int i = 1; i <= s.NPLY; ++i)
        if (s.PLYMAT[i] < 1 || s.PLYMAT[i] > NMAT) return false;
    return true;
}

void write_LAMINATE(Out& f, const PlyStack& s) {
    write(f, {A1}, {s.SYMFLAG});
    list_write(f, {s.NPLY});
    for (int i = 1; i <= s.NPLY; ++i) list_write(f, {s.PLYMAT[i], s.PLYANG[i]});
}

} // namespace veldran
