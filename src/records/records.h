#pragma once
/// The input records that the dialogue fills and every later stage reads.
/// Plain structs of fixed-capacity, 1-based arrays; value-initialise them
/// (`MaterialTable m{};`) to get the zero start values.

#include <cstdint>

#include "records/one_based.h"

namespace veldran {

inline constexpr int MAXMAT = 5;   ///< materials in the table
inline constexpr int MAXPLY = 60;  ///< plies in the full stack
inline constexpr int MAXHALF = 30; ///< plies in the typed half of a symmetric stack
inline constexpr int MAXROWS = 50; ///< rows of the convergence study, largest m = n

/// The float nearest pi (bit pattern 0x40490FDB), used wherever pi appears.
inline constexpr float PI = 3.1415927f;

/// Elastic and thermal properties of up to five materials.
struct MaterialTable {
    std::int32_t NMAT;
    Vec<float, MAXMAT> E11, E22, NU12, G12, ALP11, ALP22, ESPESOR;
};

/// The full stacking sequence, ply 1 at one face, ply NPLY at the other.
struct PlyStack {
    std::int32_t NPLY;
    Vec<std::int32_t, MAXPLY> PLYMAT;
    Vec<float, MAXPLY> PLYANG; ///< degrees
    Vec<float, MAXPLY> PLYRAD; ///< radians
    float TTOTAL;
    char SYMFLAG;
};

/// Plate dimensions, load case and loads.
struct PlateProblem {
    float a, b;
    std::int32_t LCASE, LOPT, MNMAX;
    Vec<float, 6> LOADS; ///< Nxx; Nyy or k; three reserved; q0, q or P
    float TFREE, TASSEM, TSERV;
};

/// Which stiffness matrices the report prints: "S" or "s" means print.
struct PrintOptions {
    char PRINT_Q, PRINT_QBAR, PRINT_ABD, PRINT_abd;
};

} // namespace veldran
