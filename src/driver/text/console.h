#pragma once
/// The destinations and sources of text, and the writes and reads that every
/// stage uses.  Only this layer knows about line ends: every output record
/// ends with CR LF on every destination; an input line ends at LF, and a CR
/// just before the LF is dropped.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "driver/text/format.h"

namespace veldran::text {

/// A destination of whole records.
class Out {
  public:
    virtual ~Out() = default;
    /// Writes one record; the destination adds CR LF.
    virtual void record(std::string_view line) = 0;
};

/// A source of lines.  `unit` and `name` identify it in diagnostics.
class Source {
  public:
    Source(int unit, std::string name) : unit_(unit), name_(std::move(name)) {}
    virtual ~Source() = default;
    /// The next line without its line end; false at end of input.
    virtual bool next_line(std::string& line) = 0;
    int unit() const { return unit_; }
    const std::string& name() const { return name_; }

  private:
    int unit_;
    std::string name_;
};

/// The screen (standard output; every record is flushed as it is written).
Out& screen();
/// The keyboard (standard input, unit 5, /dev/stdin), read without read-ahead.
Source& keyboard();

/// Sends each record to two destinations, in order.
class Tee : public Out {
  public:
    Tee(Out& first, Out& second) : first_(first), second_(second) {}
    void record(std::string_view line) override {
        first_.record(line);
        second_.record(line);
    }

  private:
    Out& first_;
    Out& second_;
};

/// Collects records in memory (for tests and for building text).
class Lines : public Out {
  public:
    void record(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

/// Lines held in memory, as a source (for tests and for data files).
class TextSource : public Source {
  public:
    TextSource(std::string content, int unit = 10, std::string name = "text");
    bool next_line(std::string& line) override;

  private:
    std::string content_;
    std::size_t pos_ = 0;
};

// ---------------------------------------------------------------- writes

/// Formatted write: one or more whole records.
void write(Out& out, const Format& format, std::initializer_list<Value> values = {});
void write(Out& out, const Format& format, const std::vector<Value>& values);

/// A free-form value: text, integer or real.
using FreeItem = std::variant<std::string, std::int32_t, float>;

/// The records a free-form write produces (80 columns, see the .cpp).
std::vector<std::string> render_free(const std::vector<FreeItem>& items);
/// Free-form write: one or more whole records.
void list_write(Out& out, const std::vector<FreeItem>& items);

// ---------------------------------------------------------------- reads

/// What a read met.
enum class ReadStatus { Ok, End, Error };

/// A variable that a free-form read fills.
using Var = std::variant<std::int32_t*, float*>;

/// Free-form read starting on a new line of `src`; the caller handles End and
/// Error (variables filled before the failure keep their new values).
ReadStatus try_list_read(Source& src, std::initializer_list<Var> vars);
ReadStatus try_list_read(Source& src, const std::vector<Var>& vars);
/// Free-form read without end or error branch: a failure is fatal (24 or 59).
void list_read(Source& src, std::initializer_list<Var> vars);
void list_read(Source& src, const std::vector<Var>& vars);

/// One-character read (A1): the first character of the next line, a blank
/// for an empty line.
ReadStatus try_read_char(Source& src, char& c);
/// The same without an end branch: end of input is fatal (24).
char read_char(Source& src);

// ---------------------------------------------------------------- end of run

/// Shows the pause prompt and runs each non-empty line typed as a command,
/// until an empty line or the end of input.
void pause();
/// Ends the program with status 0, writing nothing.
[[noreturn]] void stop();

} // namespace veldran::text
