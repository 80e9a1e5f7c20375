// Data files and the report: read whole in one pass; written to a hidden
// temporary file beside the real one and renamed over it, so that the file
// holds either its old content or its new content, never a part.

#include "driver/text/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdlib>
#include <ctime>

#include "driver/text/diagnostics.h"

namespace veldran::text {

namespace {

Diag refusal(int err) {
    return (err == EACCES || err == EPERM || err == EROFS) ? Diag::Permission : Diag::OpenFailure;
}

std::string directory_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

std::string base_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a name finally refers to: symbolic links followed, even to a
// target that does not exist yet.
std::string follow_links(std::string path) {
    for (int depth = 0; depth < 40; ++depth) {
        char buf[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), buf, sizeof buf - 1);
        if (n < 0) return path;
        std::string target(buf, static_cast<std::size_t>(n));
        path = (target[0] == '/') ? target : directory_of(path) + "/" + target;
    }
    return path;
}

bool write_all(int fd, const std::string& s) {
    std::size_t done = 0;
    while (done < s.size()) {
        const ssize_t n = ::write(fd, s.data() + done, s.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Test seam, unset in use: VELDRAN_TEST_WRITE_DELAY_MS waits that many ms before the rename.
void hold_before_rename() {
    const char* ms = std::getenv("VELDRAN_TEST_WRITE_DELAY_MS");
    if (ms == nullptr) return;
    const long n = std::strtol(ms, nullptr, 10);
    if (n <= 0) return;
    const timespec t{n / 1000, (n % 1000) * 1000000L};
    nanosleep(&t, nullptr);
}

mode_t new_file_mode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::unique_ptr<Source> open_for_reading(const std::string& name, int unit) {
    const int fd = open(name.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) fatal(refusal(errno), unit, name);
    std::string content;
    char buf[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            fatal(Diag::OpenFailure, unit, name);
        }
        if (n == 0) break;
        content.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return std::make_unique<TextSource>(std::move(content), unit, name);
}

TextFile::TextFile(const std::string& name, int unit)
    : name_(name), target_(follow_links(name)), unit_(unit) {
    struct stat st;
    const bool existing = ::stat(target_.c_str(), &st) == 0;
    mode_t mode = new_file_mode();
    if (existing) {
        if (S_ISDIR(st.st_mode)) fatal(Diag::OpenFailure, unit_, name_);
        mode = st.st_mode & 07777;
        // May the file itself be written?  (Opening without truncation
        // changes nothing.)
        const int fd = open(target_.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) fatal(refusal(errno), unit_, name_);
        ::close(fd);
    }
    temp_ = directory_of(target_) + "/." + base_of(target_) + ".XXXXXX";
    // No interrupt between making the temporary file and registering it for
    // removal.
    sigset_t block, old;
    sigemptyset(&block);
    for (int sig : {SIGINT, SIGQUIT, SIGHUP}) sigaddset(&block, sig);
    sigprocmask(SIG_BLOCK, &block, &old);
    fd_ = mkstemp(temp_.data());
    const int err = errno;
    if (fd_ >= 0) set_pending_temp(temp_);
    sigprocmask(SIG_SETMASK, &old, nullptr);
    if (fd_ < 0) {
        temp_.clear();
        if (!existing) fatal(refusal(err), unit_, name_);
        in_place_ = true; // a read-only folder holding a writable file
        return;
    }
    if (fchmod(fd_, mode) != 0) {
        // Keep going: the content matters more than the bits.
    }
}

TextFile::~TextFile() {
    if (!closed_ && fd_ >= 0) {
        ::close(fd_);
        unlink(temp_.c_str());
        set_pending_temp("");
    }
}

void TextFile::record(std::string_view line) {
    content_.append(line);
    content_.append("\r\n");
}

void TextFile::close() {
    if (closed_) return;
    closed_ = true;
    if (in_place_) {
        const int fd = open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) fatal(refusal(errno), unit_, name_);
        const bool ok = write_all(fd, content_);
        if (::close(fd) != 0 || !ok) fatal(Diag::WriteError, unit_, name_);
        return;
    }
    const bool ok = write_all(fd_, content_);
    const bool closed_ok = ::close(fd_) == 0;
    fd_ = -1;
    hold_before_rename();
    if (!ok || !closed_ok || rename(temp_.c_str(), target_.c_str()) != 0) {
        fatal(Diag::WriteError, unit_, name_); // removes the temporary file
    }
    set_pending_temp("");
}

} // namespace veldran::text
