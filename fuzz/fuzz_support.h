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
#include "records/records.h"
#include "report/output.h"
#include "stiffness/chain.h"

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

/// What the run does with an accepted table and stack: the stiffness chain,
/// then the report's echo of the input with every matrix printed.
inline void stiffness_and_echo(const MaterialTable& m, const PlyStack& s) {
    LaminateStiffness ls{};
    STIFFNESS(m, s, ls);
    PlateProblem plate{};
    plate.a = 2.0f;
    plate.b = 1.0f;
    text::Lines echo;
    report::write_input_echo(echo, m, s, plate, PrintOptions{'S', 'S', 'S', 'S'}, ls);
}

/// A file written back on confirmation must be accepted when read, and what
/// it reads back to must write the same text again.
template <class Record, class Write, class Read>
void require_stable_write_back(const Record& r, Write write, Read read, const char* file) {
    text::Lines once;
    write(once, r);
    text::TextSource again(file_text(once.lines), text::DATA_UNIT, file);
    Record back{};
    require(read(again, back), "a written file is accepted");
    text::Lines twice;
    write(twice, back);
    require(twice.lines == once.lines, "a file read back writes the same text");
}

} // namespace veldran::fuzz
