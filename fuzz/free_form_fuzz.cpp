// The free-form reader on arbitrary text, read as the keyboard is read.
//
// Byte 0: bits 0-2 give the number of variables (1 to 8), bit 6 puts a
// one-character read before every free-form read, bit 7 reads without a
// branch (a failure is the fatal diagnostic).  Byte 1: bit k makes variable
// k an integer.  The rest is the text.  Reads go on until the text ends.
//
// Every read that succeeds with finite values is written back with the
// free-form writer; that text must read back to values that write the same
// text again.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"

using namespace veldran;
using namespace veldran::text;

namespace {

struct Vars {
    std::int32_t ints[8] = {};
    float reals[8] = {};
    std::vector<Var> list;
    Vars(int n, unsigned int_mask) {
        for (int k = 0; k < n; ++k)
            list.push_back((int_mask >> k & 1u) ? Var{&ints[k]} : Var{&reals[k]});
    }
    std::vector<FreeItem> items() const {
        std::vector<FreeItem> out;
        for (const Var& v : list) {
            if (auto* const* i = std::get_if<std::int32_t*>(&v)) out.emplace_back(**i);
            else out.emplace_back(*std::get<float*>(v));
        }
        return out;
    }
    bool finite() const {
        for (const float r : reals)
            if (!std::isfinite(r)) return false;
        return true;
    }
};

void written_reads_back(const Vars& read, int n, unsigned int_mask) {
    if (!read.finite()) return; // Infinity and NaN are written but never read
    const std::vector<std::string> once = render_free(read.items());
    TextSource again(fuzz::file_text(once), DATA_UNIT, "PPROPS");
    Vars back(n, int_mask);
    fuzz::require(try_list_read(again, back.list) == ReadStatus::Ok, "written values read back");
    fuzz::require(render_free(back.items()) == once, "read-back values write the same text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    fuzz::catch_fatal();
    const int n = (data[0] & 7) + 1;
    const bool char_reads = data[0] & 0x40;
    const bool no_branch = data[0] & 0x80;
    const unsigned int_mask = data[1];
    TextSource keyboard(std::string(reinterpret_cast<const char*>(data) + 2, size - 2),
                        KEYBOARD_UNIT, "/dev/stdin");
    Vars vars(n, int_mask);
    // Each read takes at least one line, so the loop ends with the text.
    for (;;) {
        if (char_reads) {
            char c = '?';
            if (try_read_char(keyboard, c) == ReadStatus::End) break;
        }
        ReadStatus status = ReadStatus::Ok;
        if (no_branch) {
            try {
                list_read(keyboard, vars.list);
            } catch (const fuzz::FatalEnd& e) {
                fuzz::require_read_diagnostic(e, KEYBOARD_UNIT, "/dev/stdin");
                return 0;
            }
        } else {
            status = try_list_read(keyboard, vars.list);
        }
        if (status == ReadStatus::End) break;
        if (status == ReadStatus::Ok) written_reads_back(vars, n, int_mask);
    }
    return 0;
}
