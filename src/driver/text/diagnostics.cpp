#include "driver/text/diagnostics.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace veldran::text {

namespace {

std::vector<const char*>& active() {
    static std::vector<const char*> routines;
    return routines;
}

// The temporary file being written, kept where a signal handler can read it.
char pending_temp[4096];

const char* message(Diag d) {
    switch (d) {
    case Diag::Permission: return "permission to access file denied";
    case Diag::EndOfFile: return "end-of-file during read";
    case Diag::OpenFailure: return "open failure";
    case Diag::WriteError: return "error during write";
    case Diag::Syntax: return "list-directed I/O syntax error";
    }
    return "";
}

void on_interrupt(int sig) {
    const char* text = sig == SIGINT    ? "veldran: severe (200): program aborting due to control-C event\r\n"
                       : sig == SIGQUIT ? "veldran: severe (200): program aborting due to control-BREAK event\r\n"
                                        : "veldran: severe (200): program aborting due to window-CLOSE event\r\n";
    if (pending_temp[0] != '\0') unlink(pending_temp);
    ssize_t ignored = ::write(2, text, std::strlen(text));
    (void)ignored;
    _exit(128 + sig);
}

} // namespace

Routine::Routine(const char* name) { active().push_back(name); }
Routine::~Routine() { active().pop_back(); }

void set_pending_temp(const std::string& path) {
    // Written before the file exists and cleared after it is renamed, so a
    // handler never sees half a name that matters.
    pending_temp[0] = '\0';
    if (path.size() < sizeof pending_temp) {
        std::memcpy(pending_temp + 1, path.c_str() + 1, path.size());
        pending_temp[0] = path.empty() ? '\0' : path[0];
    }
}

void fatal(Diag d, int unit, const std::string& file) {
    if (fatal_hook) fatal_hook(d, unit, file);
    std::fflush(stdout);
    if (pending_temp[0] != '\0') unlink(pending_temp);
    std::fprintf(stderr, "veldran: severe (%d): %s, unit %d, file %s\r\n", static_cast<int>(d),
                 message(d), unit, file.c_str());
    std::fputs("Traceback (innermost first):\r\n", stderr);
    const auto& r = active();
    for (auto it = r.rbegin(); it != r.rend(); ++it) std::fprintf(stderr, "  %s\r\n", *it);
    std::fflush(stderr);
    std::_Exit(1);
}

void install_interrupt_handlers() {
    struct sigaction sa = {};
    sa.sa_handler = on_interrupt;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGQUIT, SIGHUP}) sigaction(sig, &sa, nullptr);
}

} // namespace veldran::text
