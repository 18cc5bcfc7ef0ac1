// Start-up of anglarix against the floor, a plain Qt 6 Widgets window of the same content and
// font (MinimalWidgets.cpp), on an X server of our own (Xvfb): the time from exec to the first
// painted frame, and the resident memory read from outside (/proc) half a second after that
// frame, so that what a program does once its window shows counts too; the peak until then is
// printed for the record. Each round starts both
// programs, the order alternating from round to round so that whatever else the machine is
// doing weighs on both alike; the figures are medians over the rounds.
#include <benchmark/benchmark.h>

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Sample {
    double seconds = 0;       // exec to first painted frame
    double resident_kib = 0;  // resident memory once settled
    double peak_kib = 0;      // the most it was resident at any moment until then
};

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

constexpr int kRounds = 12;
// How long after its first frame a program is left before its memory is read, as one would
// read it with ps: what it does once its window shows (the window's icon, the translations)
// is done by then. The probe ends the program by itself later still, should we not.
constexpr int kSettleMs = 500;
constexpr const char* kProbeRunOnMs = "5000";

// A field of /proc/<pid>/status in KiB ("VmRSS", "VmHWM"); 0 when missing.
double StatusKib(pid_t pid, const char* field)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr)
        return 0;
    char line[256];
    double kib = 0;
    const size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            kib = std::atof(line + length + 1);
            break;
        }
    }
    std::fclose(file);
    return kib;
}

// Runs program once on the X server with the first-frame probe, reads its memory from
// outside once it has settled and ends it; nullopt when it did not report a frame.
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
        setenv("ANGLARIX_FIRST_FRAME_PROBE", kProbeRunOnMs, 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("DISPLAY", display.c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        text += c;
    std::optional<Sample> sample;
    if (!text.empty()) {
        const timespec settle{kSettleMs / 1000, (kSettleMs % 1000) * 1000000L};
        nanosleep(&settle, nullptr);
        const long long painted = std::atoll(text.c_str());
        sample = Sample{double(painted - start) / 1e9, StatusKib(pid, "VmRSS"), StatusKib(pid, "VmHWM")};
        if (sample->resident_kib == 0)
            sample.reset();  // it ended before it settled
    }
    kill(pid, SIGKILL);
    close(out[0]);
    waitpid(pid, nullptr, 0);
    return sample;
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
    double resident_mib[2] = {};
    double peak_mib[2] = {};
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
    std::vector<double> seconds[2], resident[2], peak[2];
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
            resident[p].push_back(sample->resident_kib);
            peak[p].push_back(sample->peak_kib);
        }
        state.SetIterationTime(seconds[0].back());
        ++round;
    }
    Result result;
    for (int p = 0; p < 2; ++p) {
        result.first_frame_ms[p] = Median(seconds[p]) * 1e3;
        result.resident_mib[p] = Median(resident[p]) / 1024.0;
        result.peak_mib[p] = Median(peak[p]) / 1024.0;
    }
    state.counters["anglarix_ms"] = result.first_frame_ms[0];
    state.counters["minimal_ms"] = result.first_frame_ms[1];
    state.counters["time_ratio"] = result.first_frame_ms[0] / result.first_frame_ms[1];
    state.counters["anglarix_MiB"] = result.resident_mib[0];
    state.counters["minimal_MiB"] = result.resident_mib[1];
    state.counters["rss_ratio"] = result.resident_mib[0] / result.resident_mib[1];
    state.counters["peak_ratio"] = result.peak_mib[0] / result.peak_mib[1];
    g_result = result;
}

void PrintRatios()
{
    if (!g_result)
        return;
    const Result& r = *g_result;
    std::printf("\nanglarix / the floor under Xvfb (medians of %d interleaved rounds; target at most 1.05x)\n"
                "  first frame       %6.1f ms  vs %6.1f ms  = %.2fx\n"
                "  resident memory   %6.1f MiB vs %6.1f MiB = %.2fx   (%d ms after the first frame)\n"
                "  peak, for the record %5.1f MiB vs %6.1f MiB = %.2fx\n",
                kRounds, r.first_frame_ms[0], r.first_frame_ms[1], r.first_frame_ms[0] / r.first_frame_ms[1],
                r.resident_mib[0], r.resident_mib[1], r.resident_mib[0] / r.resident_mib[1], kSettleMs,
                r.peak_mib[0], r.peak_mib[1], r.peak_mib[0] / r.peak_mib[1]);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    static XServer x_server;
    static const std::optional<std::string> display = x_server.Start();
    benchmark::RegisterBenchmark("Startup/xcb",
                                 [](benchmark::State& state) {
                                     StartupBenchmark(state, display ? &*display : nullptr);
                                 })
        ->UseManualTime()
        ->Iterations(kRounds)
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintRatios();
    return 0;
}
