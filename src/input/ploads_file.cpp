#include "input/data_files.h"

namespace veldran {

using namespace text;

bool read_PLOADS(Source& f, PlateProblem& p) {
    const auto read = [&f](std::initializer_list<Var> vars) {
        return try_list_read(f, vars) == ReadStatus::Ok;
    };
    if (!read({&p.LCASE}) || !read({&p.LOPT}) ||
        !read({&p.LOADS[1], &p.LOADS[2], &p.LOADS[3], &p.LOADS[4], &p.LOADS[5], &p.LOADS[6]}) ||
        !read({&p.TFREE, &p.TASSEM, &p.TSERV}))
        return false;
    if (navier_code(p.LCASE) && !read({&p.MNMAX})) return false;
    // Only what the dialogue itself can produce: a known code, a series that
    // fits the convergence table, a buckling option that exists.
    if (p.LCASE < 1 || p.LCASE > 8) return false;
    if (navier_code(p.LCASE) && (p.MNMAX < 1 || p.MNMAX > MAXROWS)) return false;
    if (p.LCASE == 5 && (p.LOPT < 1 || p.LOPT > 3)) return false;
    return true;
}

void write_PLOADS(Out& f, const PlateProblem& p) {
    list_write(f, {p.LCASE});
    list_write(f, {p.LOPT});
    list_write(f, {p.LOADS[1], p.LOADS[2], p.LOADS[3], p.LOADS[4], p.LOADS[5], p.LOADS[6]});
    list_write(f, {p.TFREE, p.TASSEM, p.TSERV});
    if (navier_code(p.LCASE)) list_write(f, {p.MNMAX});
}

} // namespace veldran
