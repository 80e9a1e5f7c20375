#pragma once
/// Fatal run-time diagnostics, the traceback of active routines, and the
/// console interrupts.
///
///     veldran: severe (59): list-directed I/O syntax error, unit 5, file /dev/stdin
///     Traceback (innermost first):
///       INPUT
///       VELDRAN
///
/// on standard error, CR LF after each line, exit status 1.

#include <string>

namespace veldran::text {

enum class Diag {
    Permission = 9,   ///< permission to access file denied
    EndOfFile = 24,   ///< end-of-file during read
    OpenFailure = 30, ///< open failure
    WriteError = 38,  ///< error during write
    Syntax = 59,      ///< list-directed I/O syntax error
};

/// Unit numbers as diagnostics show them.
inline constexpr int KEYBOARD_UNIT = 5;
inline constexpr int DATA_UNIT = 10;
inline constexpr int REPORT_UNIT = 11;

/// Ends the run: flushes the screen, writes the diagnostic and the traceback,
/// removes an unfinished temporary file, exits with status 1.
[[noreturn]] void fatal(Diag d, int unit, const std::string& file);

/// Test seam, null in the program: fatal() calls it first when set (a fuzzer throws from it).
inline void (*fatal_hook)(Diag d, int unit, const std::string& file) = nullptr;

/// Marks a routine as active for the traceback while it is in scope.
class Routine {
  public:
    explicit Routine(const char* name);
    ~Routine();
    Routine(const Routine&) = delete;
    Routine& operator=(const Routine&) = delete;
};

/// SIGINT, SIGQUIT and SIGHUP end the run with diagnostic 200 and status
/// 128 + signal; an unfinished temporary file is removed first.
void install_interrupt_handlers();

/// The temporary file being written, if any, removed on a fatal end or an
/// interrupt (empty string: none).
void set_pending_temp(const std::string& path);

} // namespace veldran::text
