// A "Channel Data" read and write through orvane-cli against the simulated receiver paced at
// 115,200 baud, each beside its wire-time floor measured from the same protocol: every byte
// on the line, in both directions, at 11 bits per byte. The exchange is strictly one side at
// a time (each block waits for the other side's "RRSS"), so the floor is the sum of both
// directions:
//
//   data 262,144 + CRC 4,096 + 1,045 commands of 9 bytes (request, answer, 1,040 "RRSS",
//   "RCVS", "REFS", "RWFS") = 275,645 bytes = 26.32 s
//
// Goal: each transfer within 5 percent of its floor. The counters give the floor, the ratio
// and the CPU time orvane-cli used (user + system, from wait4), which shows whether the PC
// side waits for the line or spins on it.
//
// One transfer takes about 26 s, so each benchmark runs once; this is not part of CTest.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kLineBytes = 262144 + 4096 + 1045 * 9;
constexpr double kWireFloorSeconds = kLineBytes * 11 / 115200;

struct ChildRun
{
    double wall_seconds = 0;
    double cpu_seconds = 0;
    int exit_status = -1;
};

std::string Sample(const char *name)
{
    return std::string(ORVANE_SAMPLE_DIR) + "/" + name;
}

std::string Read_All(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Starts a program with stderr (and stdout unless `stdout_fd` is given) going to /dev/null.
pid_t Spawn(const std::vector<std::string> &arguments, int stdout_fd = -1)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdout_fd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stdout_fd, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error("cannot start " + arguments[0]);
    return pid;
}

double Seconds(const timeval &time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// The simulated receiver, started before the clock runs; it prints its device first.
class PacedReceiver
{
public:
    explicit PacedReceiver(std::vector<std::string> arguments)
    {
        int pipe_fds[2];
        if (pipe(pipe_fds) != 0)
            throw std::runtime_error("pipe failed");
        arguments.insert(arguments.begin(), {ORVANE_SIM_PATH, "--once", "--pace"});
        m_pid = Spawn(arguments, pipe_fds[1]);
        close(pipe_fds[1]);
        char c = 0;
        while (read(pipe_fds[0], &c, 1) == 1 && c != '\n')
            m_device += c;
        close(pipe_fds[0]);
    }
    ~PacedReceiver() { Finish(); }
    const std::string &device() const { return m_device; }
    int Finish()
    {
        int status = 0;
        if (m_pid > 0 && waitpid(m_pid, &status, 0) == m_pid)
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        m_pid = -1;
        return m_status;
    }

private:
    pid_t m_pid = -1;
    int m_status = -1;
    std::string m_device;
};

ChildRun Run_Cli(const std::vector<std::string> &arguments)
{
    std::vector<std::string> command{ORVANE_CLI_PATH};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ChildRun run;
    const Clock::time_point start = Clock::now();
    const pid_t pid = Spawn(command);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.wall_seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.cpu_seconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

void Report(benchmark::State &state, const ChildRun &run, const char *what)
{
    state.SetIterationTime(run.wall_seconds);
    state.counters["floor_s"] = kWireFloorSeconds;
    state.counters["vs_floor"] = run.wall_seconds / kWireFloorSeconds;
    state.counters["cli_cpu_s"] = run.cpu_seconds;
    std::printf("%s: %.2f s, wire floor %.2f s (%+.1f %%), orvane-cli CPU %.2f s\n", what,
                run.wall_seconds, kWireFloorSeconds,
                100.0 * (run.wall_seconds / kWireFloorSeconds - 1), run.cpu_seconds);
}

std::string Temporary_Path(const char *name)
{
    static const std::string folder = [] {
        std::string pattern = "/tmp/orvane-bench-link.XXXXXX";
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        return pattern;
    }();
    return folder + "/" + name;
}

void BM_Link_Read_Channel_Data(benchmark::State &state)
{
    const std::string served = Sample("CHANNEL_DATA.BIN");
    const std::string out = Temporary_Path("read.bin");
    for (auto _ : state) {
        PacedReceiver receiver({"--serve", served});
        const ChildRun run = Run_Cli({"read", "--port", receiver.device(), "--kind", "data", out});
        if (run.exit_status != 0 || receiver.Finish() != 0 || Read_All(out) != Read_All(served))
            state.SkipWithError("the read did not deliver the served file");
        Report(state, run, "Channel Data read");
    }
    std::remove(out.c_str());
}

void BM_Link_Write_Channel_Data(benchmark::State &state)
{
    const std::string sent = Sample("CHANNEL_DATA.BIN");
    const std::string store = Temporary_Path("store.bin");
    for (auto _ : state) {
        PacedReceiver receiver({"--store", store});
        const ChildRun run = Run_Cli({"write", "--port", receiver.device(), sent});
        if (run.exit_status != 0 || receiver.Finish() != 0 || Read_All(store) != Read_All(sent))
            state.SkipWithError("the receiver did not store the sent file");
        Report(state, run, "Channel Data write");
    }
    std::remove(store.c_str());
}

} // namespace

BENCHMARK(BM_Link_Read_Channel_Data)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Link_Write_Channel_Data)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
