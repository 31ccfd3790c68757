// Runs a command and checks that it ended as expected within a time and a
// memory budget, without a crash or an abort:
//
//   bounded_run [--seconds S] [--megabytes M] [--address-space MB]
//               [--expect refused|done] [--keeps FILE]... -- COMMAND ARGS...
//
// The peak memory is the command's largest resident size (getrusage via
// wait4); --address-space runs it under that limit (as `ulimit -v`).
// --expect refused wants exit status 1 and a message on standard error;
// done wants 0. --keeps FILE wants FILE unchanged, byte for byte, after the
// run. Exits 0 when every check holds, else 1 with the reasons.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Kept {
    std::string path;
    bool existed = false;
    std::string bytes;
};

bool readFile(const std::string &path, std::string &bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: bounded_run [--seconds S] [--megabytes M] [--address-space MB] "
                         "[--expect refused|done] [--keeps FILE]... -- COMMAND ARGS...\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    double seconds = 2;
    long megabytes = 600;
    long addressSpace = 0;
    std::string expect = "refused";
    std::vector<Kept> kept;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string option = argv[first];
        if (option == "--") {
            ++first;
            break;
        }
        if (first + 1 >= argc)
            return usage();
        const char *value = argv[++first];
        if (option == "--seconds")
            seconds = std::atof(value);
        else if (option == "--megabytes")
            megabytes = std::atol(value);
        else if (option == "--address-space")
            addressSpace = std::atol(value);
        else if (option == "--expect")
            expect = value;
        else if (option == "--keeps")
            kept.push_back({value, false, {}});
        else
            return usage();
    }
    if (first >= argc || (expect != "refused" && expect != "done"))
        return usage();
    for (Kept &file : kept)
        file.existed = readFile(file.path, file.bytes);

    int errorPipe[2];
    if (pipe(errorPipe) != 0)
        return 2;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        return 2;
    if (child == 0) {
        if (addressSpace > 0) {
            const rlim_t bytes = rlim_t(addressSpace) * 1024 * 1024;
            const rlimit limit{bytes, bytes};
            setrlimit(RLIMIT_AS, &limit);
        }
        dup2(errorPipe[1], STDERR_FILENO);
        close(errorPipe[0]);
        close(errorPipe[1]);
        execv(argv[first], argv + first);
        std::perror("bounded_run: exec");
        _exit(127);
    }
    close(errorPipe[1]);
    fcntl(errorPipe[0], F_SETFL, O_NONBLOCK);

    // Well past the budget the command is stopped, so a hang fails rather
    // than blocking the suite.
    const double giveUp = std::max(30.0, 10 * seconds);
    std::string errors;
    int status = 0;
    rusage usage{};
    bool killed = false;
    for (;;) {
        char buffer[4096];
        ssize_t got;
        while ((got = read(errorPipe[0], buffer, sizeof buffer)) > 0)
            errors.append(buffer, size_t(got));
        const pid_t done = wait4(child, &status, WNOHANG, &usage);
        if (done == child)
            break;
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (elapsed > giveUp && !killed) {
            kill(child, SIGKILL);
            killed = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char buffer[4096];
    ssize_t got;
    while ((got = read(errorPipe[0], buffer, sizeof buffer)) > 0)
        errors.append(buffer, size_t(got));
    const double peak = usage.ru_maxrss / 1024.0;
    // The budget is the processor time the command spent, which other work
    // on the machine does not stretch; the wall time is shown beside it.
    const double processor = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                             double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;

    std::printf("%.3f s of processor time (%.3f s wall), peak %.1f MB, ", processor, elapsed, peak);
    if (WIFSIGNALED(status))
        std::printf("ended by signal %d (%s)\n", WTERMSIG(status), strsignal(WTERMSIG(status)));
    else
        std::printf("exit status %d\n", WEXITSTATUS(status));
    if (!errors.empty())
        std::printf("standard error:\n%s\n", errors.substr(0, 2000).c_str());

    bool ok = true;
    const auto fail = [&](const std::string &why) {
        std::printf("FAILED: %s\n", why.c_str());
        ok = false;
    };
    if (WIFSIGNALED(status))
        fail("the command crashed, aborted or was killed");
    else if (expect == "refused" && WEXITSTATUS(status) != 1)
        fail("the command was to refuse (exit status 1)");
    else if (expect == "done" && WEXITSTATUS(status) != 0)
        fail("the command was to succeed (exit status 0)");
    if (expect == "refused" && errors.empty())
        fail("a refusal without a message");
    if (processor > seconds)
        fail("it took more than " + std::to_string(seconds) + " s of processor time");
    if (peak > megabytes)
        fail("its peak memory was above " + std::to_string(megabytes) + " MB");
    for (const Kept &file : kept) {
        std::string now;
        const bool exists = readFile(file.path, now);
        if (exists != file.existed || now != file.bytes)
            fail(file.path + " was changed or deleted");
    }
    return ok ? 0 : 1;
}
