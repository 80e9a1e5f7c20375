#include "support/session.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace veldran::testing {

namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
    std::string templ = (fs::temp_directory_path() / "veldran-XXXXXX").string();
    if (!mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
    path_ = templ;
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    // Make everything removable again, whatever a test did to permissions.
    for (auto& e : fs::recursive_directory_iterator(path_, ec))
        fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void ScratchDir::put(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
}

std::string ScratchDir::get(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool ScratchDir::exists(const std::string& name) const {
    std::error_code ec;
    return fs::exists(fs::symlink_status(file(name), ec));
}

namespace {

// A copy of the program that nobody may run wherever the build folder is
// (a checkout under a private home folder, say), removed at exit.
const std::string& program_for_nobody() {
    static const std::string path = [] {
        std::string dir = (fs::temp_directory_path() / "veldran-exe-XXXXXX").string();
        if (!mkdtemp(dir.data())) throw std::runtime_error("mkdtemp failed");
        const std::string exe = dir + "/veldran";
        fs::copy_file(VELDRAN_EXE, exe);
        fs::permissions(dir, fs::perms(0755));
        fs::permissions(exe, fs::perms(0755));
        static const std::string remove_dir = dir;
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(remove_dir, ec);
        });
        return exe;
    }();
    return path;
}

// setpriv runs the program as nobody; when this process is not root,
// permissions already apply and the program runs directly.
void exec_program(User user, const std::string& for_nobody) {
    if (user == User::Unprivileged && geteuid() == 0) {
        execlp("setpriv", "setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
               for_nobody.c_str(), static_cast<char*>(nullptr));
    } else {
        execl(VELDRAN_EXE, "veldran", static_cast<char*>(nullptr));
    }
}

} // namespace

bool permissions_can_refuse() {
    if (geteuid() != 0) return true;
    pid_t pid = fork();
    if (pid == 0) {
        int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, 1);
            dup2(null, 2);
        }
        execlp("setpriv", "setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "true",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    return WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == 0;
}

SessionResult run_session(const ScratchDir& dir, const std::string& keyboard, User user) {
    const std::string in = dir.path() + "/../" + fs::path(dir.path()).filename().string() + ".in";
    const std::string out = in + ".out", err = in + ".err";
    std::ofstream(in, std::ios::binary) << keyboard;
    const std::string for_nobody =
        user == User::Unprivileged && geteuid() == 0 ? program_for_nobody() : "";
    pid_t pid = fork();
    if (pid == 0) {
        int fi = open(in.c_str(), O_RDONLY);
        int fo = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int fe = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fi < 0 || fo < 0 || fe < 0 || chdir(dir.path().c_str()) != 0) _exit(127);
        dup2(fi, 0);
        dup2(fo, 1);
        dup2(fe, 2);
        alarm(60); // kept across exec
        exec_program(user, for_nobody);
        _exit(127);
    }
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    SessionResult r;
    r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    auto slurp = [](const std::string& p) {
        std::ifstream f(p, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    };
    r.out = slurp(out);
    r.err = slurp(err);
    std::remove(in.c_str());
    std::remove(out.c_str());
    std::remove(err.c_str());
    return r;
}

SessionResult run_interrupted(const ScratchDir& dir, const std::string& keyboard,
                              const std::string& wait_for, int signal) {
    return run_interrupted_when(
        dir, keyboard,
        [&wait_for](const std::string& screen) {
            return screen.find(wait_for) != std::string::npos;
        },
        signal);
}

SessionResult run_interrupted_when(const ScratchDir& dir, const std::string& keyboard,
                                   const std::function<bool(const std::string&)>& ready,
                                   int signal, const std::string& env) {
    const std::string out = dir.path() + ".out", err = dir.path() + ".err";
    int pipefd[2];
    if (pipe(pipefd) != 0) throw std::runtime_error("pipe failed");
    pid_t pid = fork();
    if (pid == 0) {
        int fo = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int fe = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fo < 0 || fe < 0 || chdir(dir.path().c_str()) != 0) _exit(127);
        dup2(pipefd[0], 0);
        close(pipefd[0]);
        close(pipefd[1]);
        dup2(fo, 1);
        dup2(fe, 2);
        if (!env.empty()) putenv(strdup(env.c_str()));
        execl(VELDRAN_EXE, "veldran", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipefd[0]);
    if (!keyboard.empty() && write(pipefd[1], keyboard.data(), keyboard.size()) < 0)
        throw std::runtime_error("write failed");
    auto slurp = [](const std::string& p) {
        std::ifstream f(p, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    };
    for (int i = 0; i < 2000 && !ready(slurp(out)); ++i) usleep(5000);
    usleep(20000); // let it reach the read
    kill(pid, signal);
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    close(pipefd[1]);
    SessionResult r;
    r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    r.out = slurp(out);
    r.err = slurp(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return r;
}

std::string crlf(std::initializer_list<std::string> lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

} // namespace veldran::testing
