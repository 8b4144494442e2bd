// Starts the program and the bare window as fresh processes, alternately, with the paint hook
// preloaded, and reports medians of the time from process start to first paint and of the
// resident memory after an idle second; then times the opening of every calculator dialog, in
// one or more fresh processes (rounds). Prints Markdown tables. Run through bench/run.sh, which
// also starts a display.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Options
{
    std::string app;
    std::string bare;
    std::string hook;
    std::vector<std::string> bareArgs;
    std::vector<std::string> appArgs;
    int runs = 21;
    int warmups = 2;
    int opens = 15;
    int rounds = 1; // processes that open every dialog `opens` times
    int idleMs = 1000;
    std::string row; // print only one table row under this label
};

long long nowNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// A started process with the read end of its report pipe.
class Child
{
public:
    Child(const std::string &program, const std::vector<std::string> &args, const Options &opt,
        int opens)
    {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            return;
        m_read = fds[0];
        // The write end must survive exec: give the child a copy without close-on-exec.
        const int childFd = fcntl(fds[1], F_DUPFD, 10);
        ::close(fds[1]);

        std::vector<std::string> env;
        std::string preload = "LD_PRELOAD=" + opt.hook;
        for (char **e = environ; *e; ++e) {
            if (std::strncmp(*e, "LD_PRELOAD=", 11) == 0)
                preload += std::string(":") + (*e + 11);
            else if (std::strncmp(*e, "SEKIVO_BENCH_", 13) != 0)
                env.emplace_back(*e);
        }
        env.push_back(preload);
        env.push_back("SEKIVO_BENCH_FD=" + std::to_string(childFd));
        env.push_back("SEKIVO_BENCH_OPENS=" + std::to_string(opens));
        std::vector<char *> envp;
        for (auto &s : env)
            envp.push_back(s.data());
        envp.push_back(nullptr);

        std::vector<std::string> words { program };
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char *> argv;
        for (auto &w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

        m_started = nowNs();
        const int rc
            = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        ::close(childFd);
        if (rc != 0) {
            std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(rc));
            m_pid = -1;
        }
    }

    ~Child()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            int status = 0;
            waitpid(m_pid, &status, 0);
        }
        if (m_read >= 0)
            ::close(m_read);
    }

    bool ok() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }
    long long started() const { return m_started; }

    // The next report line, or nothing once `timeoutMs` has passed or the pipe has closed.
    std::optional<std::string> line(int timeoutMs)
    {
        const long long deadline = nowNs() + timeoutMs * 1000000LL;
        for (;;) {
            if (const auto nl = m_buffer.find('\n'); nl != std::string::npos) {
                std::string l = m_buffer.substr(0, nl);
                m_buffer.erase(0, nl + 1);
                return l;
            }
            const long long left = (deadline - nowNs()) / 1000000LL;
            if (left <= 0)
                return std::nullopt;
            pollfd p { m_read, POLLIN, 0 };
            if (poll(&p, 1, static_cast<int>(left)) <= 0)
                continue;
            char buf[4096];
            const ssize_t n = ::read(m_read, buf, sizeof buf);
            if (n <= 0)
                return std::nullopt;
            m_buffer.append(buf, static_cast<size_t>(n));
        }
    }

    // Waits for the process to end by itself (after the dialog round it quits).
    void waitForExit(int timeoutMs)
    {
        const long long deadline = nowNs() + timeoutMs * 1000000LL;
        while (nowNs() < deadline) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

private:
    pid_t m_pid = -1;
    int m_read = -1;
    long long m_started = 0;
    std::string m_buffer;
};

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

struct StartUp
{
    double firstPaintMs = 0;
    double processorMs = 0;
    double residentMiB = 0;
    std::string window; // "<widgets> widgets, WxH"
};

std::optional<StartUp> startOnce(
    const std::string &program, const std::vector<std::string> &args, const Options &opt)
{
    Child child(program, args, opt, 0);
    if (!child.ok())
        return std::nullopt;
    const auto l = child.line(20000);
    if (!l || l->rfind("painted ", 0) != 0) {
        std::fprintf(stderr, "%s: no first paint reported\n", program.c_str());
        return std::nullopt;
    }
    std::istringstream in(*l);
    std::string word, cls, name, size;
    long long paintedAt = 0, processor = 0;
    int widgets = 0;
    in >> word >> paintedAt >> processor >> cls >> name >> widgets >> size;

    StartUp s;
    s.firstPaintMs = (paintedAt - child.started()) / 1e6;
    s.processorMs = processor / 1e6;
    s.window = std::to_string(widgets) + " widgets, " + size;
    const long long wake = paintedAt + opt.idleMs * 1000000LL;
    const long long wait = wake - nowNs();
    if (wait > 0)
        std::this_thread::sleep_for(std::chrono::nanoseconds(wait));
    s.residentMiB = residentKiB(child.pid()) / 1024.0;
    return s;
}

struct Opens
{
    std::vector<double> ms;
    std::vector<double> firsts; // each round's first opening
};

bool dialogRound(const Options &opt, std::vector<std::pair<std::string, Opens>> &out)
{
    Child child(opt.app, {}, opt, opt.opens);
    if (!child.ok())
        return false;
    bool done = false;
    while (auto l = child.line(60000)) {
        std::istringstream in(*l);
        std::string word;
        in >> word;
        if (word == "done") {
            done = true;
            break;
        }
        if (word == "timeout") {
            std::string button;
            in >> button;
            std::fprintf(stderr, "%s: no dialog painted within 5 s\n", button.c_str());
        }
        if (word != "open")
            continue;
        std::string dialog;
        int round = 0;
        long long ns = 0;
        in >> dialog >> round >> ns;
        auto it = std::find_if(out.begin(), out.end(), [&](auto &p) { return p.first == dialog; });
        if (it == out.end())
            it = out.insert(out.end(), { dialog, Opens {} });
        it->second.ms.push_back(ns / 1e6);
        if (round == 1)
            it->second.firsts.push_back(ns / 1e6);
    }
    child.waitForExit(5000);
    return done;
}

// Start-up: bare and program alternate, and which goes first alternates too, so that
// neither profits from the other having just warmed a cache.
bool startUp(const Options &opt)
{
    std::vector<double> paintBare, paintApp, cpuBare, cpuApp, memBare, memApp;
    std::string windowBare, windowApp;
    for (int i = -opt.warmups; i < opt.runs; ++i) {
        const bool bareFirst = (i % 2 == 0);
        for (int k = 0; k < 2; ++k) {
            const bool bare = (k == 0) == bareFirst;
            const auto s = bare ? startOnce(opt.bare, opt.bareArgs, opt)
                                : startOnce(opt.app, opt.appArgs, opt);
            if (!s)
                return false;
            if (i < 0)
                continue;
            (bare ? paintBare : paintApp).push_back(s->firstPaintMs);
            (bare ? cpuBare : cpuApp).push_back(s->processorMs);
            (bare ? memBare : memApp).push_back(s->residentMiB);
            (bare ? windowBare : windowApp) = s->window;
        }
        std::fprintf(stderr, "\rstart-up run %d/%d", i + 1, opt.runs);
    }
    std::fprintf(stderr, "\n");

    const double pb = median(paintBare), pa = median(paintApp);
    const double cb = median(cpuBare), ca = median(cpuApp);
    const double mb = median(memBare), ma = median(memApp);
    if (!opt.row.empty()) {
        std::printf("| %s | %.1f / %.1f = %.2f | %.1f / %.1f = %.2f | %.1f / %.1f = %.2f |\n",
            opt.row.c_str(), pa, pb, pa / pb, ca, cb, ca / cb, ma, mb, ma / mb);
        return true;
    }
    std::printf("Start-up, medians of %d alternating runs each (process start to first paint; "
                "resident memory %d ms after it):\n\n",
        opt.runs, opt.idleMs);
    std::string bareName = "bare Qt window";
    for (const auto &a : opt.bareArgs)
        bareName += " + " + a;
    std::printf(
        "| | %s | Sekivo | ratio | target |\n|---|---:|---:|---:|---:|\n", bareName.c_str());
    std::printf("| first paint (ms) | %.1f | %.1f | %.2f | ≤ 1.10 |\n", pb, pa, pa / pb);
    std::printf("| processor time to first paint (ms) | %.1f | %.1f | %.2f | |\n", cb, ca, ca / cb);
    std::printf("| resident memory (MiB) | %.1f | %.1f | %.2f | ≤ 1.10 |\n", mb, ma, ma / mb);
    std::printf("| window | %s | %s | | |\n\n", windowBare.c_str(), windowApp.c_str());

    return true;
}

// Every dialog opened `opens` times in each of `rounds` fresh processes. A first opening pays
// for what nothing before it has used, which on a busy machine varies from process to process:
// its figure is the median of the rounds' first openings, and their range is shown.
bool dialogs(const Options &opt)
{
    std::vector<std::pair<std::string, Opens>> opens;
    for (int round = 0; round < opt.rounds; ++round) {
        if (!dialogRound(opt, opens)) {
            std::fprintf(stderr, "the dialog round did not finish\n");
            return false;
        }
    }
    std::printf("Dialogs, launch button's click to the dialog's first paint (ms), %d opens each "
                "in each of %d processes:\n\n",
        opt.opens, opt.rounds);
    std::printf("| dialog | median | first open | first opens | slowest | target |\n"
                "|---|---:|---:|---:|---:|---:|\n");
    for (const auto &[name, o] : opens) {
        // A first opening that painted nothing within 5 s was reported as a timeout instead.
        char firsts[64] = "- | -";
        if (!o.firsts.empty()) {
            const auto [low, high] = std::minmax_element(o.firsts.begin(), o.firsts.end());
            std::snprintf(firsts, sizeof firsts, "%.1f | %.1f–%.1f", median(o.firsts), *low, *high);
        }
        std::printf("| %s | %.1f | %s | %.1f | ≤ 16 |\n", name.c_str(), median(o.ms), firsts,
            *std::max_element(o.ms.begin(), o.ms.end()));
    }
    return true;
}

int usage(const char *self)
{
    std::fprintf(stderr,
        "usage: %s --app PROGRAM --bare PROGRAM [--bare-arg ARG]...\n"
        "          [--app-arg ARG]... --hook LIBRARY [--runs N] [--warmups N] [--opens N] [--idle "
        "MS]\n"
        "          [--rounds N] [--row LABEL]\n"
        "--runs 0 skips the start-up runs (the dialogs alone; --bare is then not needed)\n",
        self);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    Options opt;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : std::string(); };
        if (a == "--app")
            opt.app = value();
        else if (a == "--bare")
            opt.bare = value();
        else if (a == "--bare-arg")
            opt.bareArgs.push_back(value());
        else if (a == "--app-arg")
            opt.appArgs.push_back(value());
        else if (a == "--hook")
            opt.hook = value();
        else if (a == "--runs")
            opt.runs = std::atoi(value().c_str());
        else if (a == "--warmups")
            opt.warmups = std::atoi(value().c_str());
        else if (a == "--opens")
            opt.opens = std::atoi(value().c_str());
        else if (a == "--rounds")
            opt.rounds = std::atoi(value().c_str());
        else if (a == "--row")
            opt.row = value();
        else if (a == "--idle")
            opt.idleMs = std::atoi(value().c_str());
        else
            return usage(argv[0]);
    }
    if (opt.app.empty() || opt.hook.empty() || opt.rounds < 1
        || (opt.runs > 0 ? opt.bare.empty() : opt.opens < 1))
        return usage(argv[0]);
    if (opt.runs > 0 && !startUp(opt))
        return 1;
    if (!opt.row.empty())
        return 0;
    return opt.opens > 0 && !dialogs(opt) ? 1 : 0;
}
