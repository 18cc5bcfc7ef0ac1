// Start-up of anglarix against the floor, a plain Qt 6 Widgets window of the same content and
// font (MinimalWidgets.cpp), on an X server of our own (Xvfb): the time from exec to the first
// painted frame, and the peak resident memory over that frame and the half second after it,
// so that what a program does once its window shows counts too. Each round starts both
// programs, the order alternating from round to round so that whatever else the machine is
// doing weighs on both alike; the figures are medians over the rounds.
#include <benchmark/benchmark.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Sample {
    double seconds = 0;  // exec to first painted frame
    double peak_rss_kib = 0;
};

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

constexpr int kRounds = 12;
// How long a program runs on after its first frame: its deferred start-up work is done by then.
constexpr const char* kRunOnMs = "500";

// Runs program once on the X server with the first-frame probe; nullopt when it did not
// report a frame.
std::optional<Sample> RunOnce(const std::string& program, const std::string& display)
{
    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;
    const long long start = MonotonicNanoseconds();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("ANGLARIX_FIRST_FRAME_PROBE", kRunOnMs, 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("DISPLAY", display.c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[64];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        return std::nullopt;
    const long long painted = std::atoll(text.c_str());
    return Sample{double(painted - start) / 1e9, double(usage.ru_maxrss)};
}

// An Xvfb of our own for the X runs; stopped at exit.
class XServer {
public:
    ~XServer()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }

    std::optional<std::string> Start()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return std::nullopt;
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
                   "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.empty())
            return std::nullopt;
        return ":" + number;
    }

private:
    pid_t m_pid = -1;
};

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

struct Result {
    double first_frame_ms[2] = {};
    double peak_rss_mib[2] = {};
};
std::optional<Result> g_result;

// The iteration time is anglarix's.
void StartupBenchmark(benchmark::State& state, const std::string* display)
{
    if (display == nullptr) {
        state.SkipWithError("no X server (Xvfb) available");
        return;
    }
    const std::string programs[2] = {ANGLARIX_EXE, MINIMAL_WIDGETS_EXE};
    std::vector<double> seconds[2], rss[2];
    int round = 0;
    for (auto _ : state) {
        for (int turn = 0; turn < 2; ++turn) {
            const int p = (round + turn) % 2;
            const std::optional<Sample> sample = RunOnce(programs[p], *display);
            if (!sample) {
                state.SkipWithError("a program did not report a painted frame");
                return;
            }
            seconds[p].push_back(sample->seconds);
            rss[p].push_back(sample->peak_rss_kib);
        }
        state.SetIterationTime(seconds[0].back());
        ++round;
    }
    Result result;
    for (int p = 0; p < 2; ++p) {
        result.first_frame_ms[p] = Median(seconds[p]) * 1e3;
        result.peak_rss_mib[p] = Median(rss[p]) / 1024.0;
    }
    state.counters["anglarix_ms"] = result.first_frame_ms[0];
    state.counters["minimal_ms"] = result.first_frame_ms[1];
    state.counters["time_ratio"] = result.first_frame_ms[0] / result.first_frame_ms[1];
    state.counters["anglarix_MiB"] = result.peak_rss_mib[0];
    state.counters["minimal_MiB"] = result.peak_rss_mib[1];
    state.counters["rss_ratio"] = result.peak_rss_mib[0] / result.peak_rss_mib[1];
    g_result = result;
}

void PrintRatios()
{
    if (!g_result)
        return;
    const Result& r = *g_result;
    std::printf("\nanglarix / the floor under Xvfb (medians of %d interleaved rounds; target at most 1.05x)\n"
                "  first frame %6.1f ms vs %6.1f ms = %.2fx\n"
                "  peak RSS    %6.1f MiB vs %5.1f MiB = %.2fx\n",
                kRounds, r.first_frame_ms[0], r.first_frame_ms[1], r.first_frame_ms[0] / r.first_frame_ms[1],
                r.peak_rss_mib[0], r.peak_rss_mib[1], r.peak_rss_mib[0] / r.peak_rss_mib[1]);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    static XServer x_server;
    static const std::optional<std::string> display = x_server.Start();
    benchmark::RegisterBenchmark("Startup/xcb",
                                 [](benchmark::State& state) { StartupBenchmark(state, display ? &*display : nullptr); })
        ->UseManualTime()
        ->Iterations(kRounds)
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintRatios();
    return 0;
}
