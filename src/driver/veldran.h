#pragma once
/// The main program: one analysis from banner to stop.

namespace veldran {

/// Runs the whole analysis and stops the program.
[[noreturn]] void VELDRAN();

} // namespace veldran
