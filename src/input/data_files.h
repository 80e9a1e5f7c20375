#pragma once
/// The three data files, PPROPS, LAMINATE and PLOADS: free-form records, one
/// read statement per write statement.  Each reader takes one pass over a
/// source and says whether the file was usable: false when its first value is
/// missing or unreadable, or when it holds what the dialogue could never have
/// written (a count beyond the tables, a material or code out of range); an
/// unreadable or missing value further on ends the run.  Values read stay in
/// their fields either way.

#include <cstdint>

#include "driver/text/console.h"
#include "records/records.h"

namespace veldran {

/// NMAT, then the seven properties of each material.
bool read_PPROPS(text::Source& f, MaterialTable& m);
void write_PPROPS(text::Out& f, const MaterialTable& m);

/// SYMFLAG (A1), NPLY, then material number and angle of each ply; the
/// material numbers must lie in 1..NMAT.  Sets PLYRAD.
bool read_LAMINATE(text::Source& f, std::int32_t NMAT, PlyStack& s);
void write_LAMINATE(text::Out& f, const PlyStack& s);

/// LCASE; LOPT; the six LOADS; TFREE, TASSEM, TSERV; MNMAX for codes 4, 7, 8.
bool read_PLOADS(text::Source& f, PlateProblem& p);
void write_PLOADS(text::Out& f, const PlateProblem& p);

/// A fibre angle in radians: the product with pi formed first, then the
/// division by 180, rounded once.
inline float radians(float degrees) {
    return static_cast<float>(double(PI) * double(degrees) / 180.0);
}

/// Codes whose load is expanded in a Navier series of MNMAX terms.
inline bool navier_code(std::int32_t LCASE) { return LCASE == 8 || LCASE == 4 || LCASE == 7; }

} // namespace veldran
