#pragma once
/// Runs the built program as a user would, in a scratch directory, with a
/// scripted keyboard, and keeps every byte it writes.

#include <functional>
#include <initializer_list>
#include <string>

namespace veldran::testing {

/// A scratch working directory, removed with its contents at the end.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    /// Writes a file in the directory (bytes as given).
    void put(const std::string& name, const std::string& bytes) const;
    /// The bytes of a file in the directory; empty when missing.
    std::string get(const std::string& name) const;
    bool exists(const std::string& name) const;

  private:
    std::string path_;
};

struct SessionResult {
    std::string out;  ///< standard output, byte for byte
    std::string err;  ///< standard error
    int status = -1;  ///< exit status, or 128 + signal when killed by one
};

/// Who runs the program: this process's user, or one without privileges
/// (uid and gid 65534, through setpriv, when this process is root).
enum class User { Self, Unprivileged };

/// Runs build/veldran in `dir` with `keyboard` as its standard input.  A run
/// still going after a minute is ended by SIGALRM (status 142): none may loop.
SessionResult run_session(const ScratchDir& dir, const std::string& keyboard,
                          User user = User::Self);

/// Whether permissions can refuse the program anything: true when this
/// process is not root, or is root and can drop its privileges.
bool permissions_can_refuse();

/// Runs build/veldran in `dir`, types `keyboard`, waits until its screen
/// shows `wait_for` (keeping standard input open), then sends `signal`.
SessionResult run_interrupted(const ScratchDir& dir, const std::string& keyboard,
                              const std::string& wait_for, int signal);

/// The same with a condition on the screen so far (polled, for at most ten
/// seconds) and one environment variable ("NAME=value", empty for none).
SessionResult run_interrupted_when(const ScratchDir& dir, const std::string& keyboard,
                                   const std::function<bool(const std::string&)>& ready,
                                   int signal, const std::string& env = "");

/// Joins lines with CR LF after each: the bytes the program writes.
std::string crlf(std::initializer_list<std::string> lines);

} // namespace veldran::testing
