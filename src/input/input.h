#pragma once
/// The problem dialogue: every question, message and summary of the input
/// stage, and the data files that carry a problem from one run to the next.

#include "records/records.h"

namespace veldran {

/// Runs the whole dialogue (materials, laminate, plate dimensions, loads,
/// print options), each section confirmed before the next; fills all four
/// records.
void INPUT(MaterialTable& m, PlyStack& s, PlateProblem& p, PrintOptions& o);

} // namespace veldran
