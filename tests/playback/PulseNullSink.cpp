#include "PulseNullSink.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace cantorino::test {
namespace {

void stopProcess(pid_t& pid, int signal) {
    if (pid <= 0) return;
    kill(pid, signal);
    int status = 0;
    waitpid(pid, &status, 0);
    pid = -1;
}

}  // namespace

PulseNullSink::PulseNullSink() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cantorino-pulse-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        failure_ = "cannot make a folder for the server";
        return;
    }
    folder_ = pattern;
    // No default script, no idle exit; the socket accepts this test without a cookie. As root
    // the server warns that it is meant for users but runs all the same.
    server_ = spawn({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                     "--log-target=file:" + (folder_ / "server.log").string(), "--load=module-null-sink",
                     "--load=module-native-protocol-unix auth-anonymous=1 socket=" + (folder_ / "native").string()},
                    "server.out", "server.err");
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!std::filesystem::exists(folder_ / "native")) {
        int status = 0;
        if (server_ <= 0 || waitpid(server_, &status, WNOHANG) == server_ ||
            std::chrono::steady_clock::now() > giveUp) {
            if (server_ > 0) stopProcess(server_, SIGKILL);
            server_ = -1;
            failure_ = "pulseaudio did not start (see its log in " + folder_.string() + ")";
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

PulseNullSink::~PulseNullSink() {
    stopProcess(recorder_, SIGTERM);
    stopProcess(server_, SIGTERM);
    if (!failure_.empty()) return;  // keep the log of a server that failed
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

std::string PulseNullSink::address() const { return "unix:" + (folder_ / "native").string(); }

pid_t PulseNullSink::spawn(const std::vector<std::string>& args, const std::string& output, const std::string& errors) {
    // Everything the child needs is prepared before fork: only async-signal-safe calls after it.
    std::vector<std::string> env = {"XDG_RUNTIME_DIR=" + folder_.string(),
                                    "PULSE_RUNTIME_PATH=" + (folder_ / "runtime").string(),
                                    "HOME=" + folder_.string(), "PULSE_SERVER=" + address()};
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (name != "XDG_RUNTIME_DIR" && name != "PULSE_RUNTIME_PATH" && name != "HOME" && name != "PULSE_SERVER")
            env.push_back(entry);
    }
    std::vector<char*> argv, envp;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    const int out = open((folder_ / output).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int err = open((folder_ / errors).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (out < 0 || err < 0) {
        if (out >= 0) close(out);
        if (err >= 0) close(err);
        return -1;
    }
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(out);
    close(err);
    return pid;
}

bool PulseNullSink::startRecording() {
    if (!started()) return false;
    recorder_ = spawn({"parec", "--device=null.monitor", "--format=s16le", "--rate=44100", "--channels=2",
                       "--latency-msec=20"},
                      "recording.raw", "recorder.err");
    return recorder_ > 0;
}

std::vector<int16_t> PulseNullSink::stopRecording() {
    stopProcess(recorder_, SIGTERM);
    std::ifstream in(folder_ / "recording.raw", std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<int16_t> samples(bytes.size() / 2);
    std::copy_n(bytes.data(), samples.size() * 2, reinterpret_cast<char*>(samples.data()));
    return samples;
}

}  // namespace cantorino::test
