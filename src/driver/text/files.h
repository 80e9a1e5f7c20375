#pragma once
/// Text files by plain name in the working directory: the data files
/// (unit 10) and the report (unit 11).

#include <memory>
#include <string>

#include "driver/text/console.h"

namespace veldran::text {

/// Opens `name` for reading, creating it empty when missing, and reads it
/// whole (the file is closed on return).  A directory of that name ends the
/// run with diagnostic 30, a file that may not be read with 9.
std::unique_ptr<Source> open_for_reading(const std::string& name, int unit);

/// A text file written from its first record.  The new content replaces the
/// old as a whole when close() runs: it goes to a hidden temporary file beside
/// the real one (the target of a symbolic link, so the link stays) and is
/// renamed over it, keeping the old permission bits.  Refusals are found when
/// the file is opened: a directory gives diagnostic 30, a file that may not be
/// written (or a missing file that may not be created) 9; a failed write or
/// rename gives 38.
class TextFile : public Out {
  public:
    TextFile(const std::string& name, int unit);
    ~TextFile() override;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    void record(std::string_view line) override;
    /// Writes the records out and puts the file in place.
    void close();

  private:
    std::string name_;   // as given, for diagnostics
    std::string target_; // the file that ends up holding the records
    int unit_;
    std::string temp_;   // hidden temporary file beside the target
    int fd_ = -1;        // open on temp_
    std::string content_;
    bool in_place_ = false; // no temporary file possible: plain rewrite
    bool closed_ = false;
};

} // namespace veldran::text
