#pragma once
/// What the fuzz targets share: the fatal diagnostic turned into an exception
/// (the process must survive it), records joined into the bytes of a file,
/// and a broken property reported as a crash.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/text/console.h"
#include "driver/text/diagnostics.h"

namespace veldran::fuzz {

/// A fatal diagnostic, caught where the program would have ended.
struct FatalEnd {
    text::Diag d;
    int unit;
    std::string file;
};

/// Makes fatal() throw FatalEnd instead of ending the process.
inline void catch_fatal() {
    text::fatal_hook = [](text::Diag d, int unit, const std::string& file) {
        throw FatalEnd{d, unit, file};
    };
}

/// A property that must hold: a failure stops the run as a crash.
inline void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

/// A read that ended the run must have done so with the end-of-file or the
/// syntax diagnostic of its own source.
inline void require_read_diagnostic(const FatalEnd& e, int unit, const char* file) {
    require(e.d == text::Diag::EndOfFile || e.d == text::Diag::Syntax, "diagnostic 24 or 59");
    require(e.unit == unit && e.file == file, "the diagnostic names the source");
}

/// The bytes of a file holding these records.
inline std::string file_text(const std::vector<std::string>& records) {
    std::string s;
    for (const auto& r : records) s += r + "\r\n";
    return s;
}

} // namespace veldran::fuzz
