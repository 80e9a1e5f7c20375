// The console: screen, keyboard, formatted and free-form writes, the pause
// and the stop.

#include "driver/text/console.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "driver/text/diagnostics.h"

namespace veldran::text {

namespace {

class Screen : public Out {
  public:
    void record(std::string_view line) override {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fwrite("\r\n", 1, 2, stdout);
        std::fflush(stdout);
    }
};

// Standard input read one byte at a time: nothing is read ahead, so a
// command run at the pause sees the rest of the input.
class Keyboard : public Source {
  public:
    Keyboard() : Source(KEYBOARD_UNIT, "/dev/stdin") {}
    bool next_line(std::string& line) override {
        line.clear();
        bool any = false;
        for (;;) {
            char c;
            const ssize_t n = ::read(0, &c, 1);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            any = true;
            if (c == '\n') {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                return true;
            }
            line += c;
        }
        return any; // a last line without LF is still a line
    }
};

const char* const PAUSE_PROMPT = "PULSE INTRO PARA CONTINUAR, O ESCRIBA UNA ORDEN SEGUIDA DE INTRO";

// Runs a command line through /bin/sh; the command, not the program, gets
// the console interrupts while it runs.
void run_command(const std::string& command) {
    std::fflush(stdout);
    struct sigaction ignore = {}, old_int = {}, old_quit = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGINT, &ignore, &old_int);
    sigaction(SIGQUIT, &ignore, &old_quit);
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGQUIT, SIG_DFL);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid > 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    sigaction(SIGINT, &old_int, nullptr);
    sigaction(SIGQUIT, &old_quit, nullptr);
}

} // namespace

Out& screen() {
    static Screen s;
    return s;
}

Source& keyboard() {
    static Keyboard k;
    return k;
}

TextSource::TextSource(std::string content, int unit, std::string name)
    : Source(unit, std::move(name)), content_(std::move(content)) {}

bool TextSource::next_line(std::string& line) {
    if (pos_ >= content_.size()) return false;
    std::size_t end = content_.find('\n', pos_);
    if (end == std::string::npos) end = content_.size();
    line = content_.substr(pos_, end - pos_);
    if (end < content_.size() && !line.empty() && line.back() == '\r') line.pop_back();
    pos_ = end + 1;
    return true;
}

void write(Out& out, const Format& format, const std::vector<Value>& values) {
    for (const std::string& r : render(format, values)) out.record(r);
}

void write(Out& out, const Format& format, std::initializer_list<Value> values) {
    write(out, format, std::vector<Value>(values));
}

void list_write(Out& out, const std::vector<FreeItem>& items) {
    for (const std::string& r : render_free(items)) out.record(r);
}

void pause() {
    for (;;) {
        screen().record(PAUSE_PROMPT);
        std::string line;
        if (!keyboard().next_line(line) || line.empty()) return;
        run_command(line);
    }
}

void stop() {
    std::fflush(stdout);
    std::exit(0);
}

} // namespace veldran::text
