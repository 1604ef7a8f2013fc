// Starts programs on the X display again and again and measures, for each start, the time from
// the start to the mapping of its first top-level window, the processor time its threads had
// used by then, and its peak memory (the largest resident set) once the window has been up for a
// moment. Prints the medians of each program and their ratios to the first one, so they are read
// within one run on one machine. On a busy machine the time to the window grows with the wait
// for a processor; the processor time does not.
//
//   startup_probe <runs> <folder> <program> [<folder> <program> ...]
//
// Each program starts in its folder; the programs take turns, so a change in the machine's load
// falls on all of them alike. bench/startup runs it under xvfb-run.

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kMapTimeout = std::chrono::seconds(20);
// How long the window stays up before the program is ended: its first paint is done by then.
constexpr auto kSettle = std::chrono::milliseconds(300);

struct Program {
    std::string folder, path;
    std::vector<double> millis, cpuMillis, megabytes;
    std::string title;  // of the window mapped at its first start
};

struct Start {
    double millis = 0;
    double cpuMillis = 0;
    double megabytes = 0;
    std::string title;
};

std::string TitleOf(xcb_connection_t* x, xcb_window_t window) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, cookie, nullptr), &std::free);
    if (!reply) {
        return {};
    }
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

// The processor time all threads of the process have run, in milliseconds.
double CpuMillis(pid_t pid) {
    double nanos = 0;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream stat(task.path() / "schedstat");
        double run = 0;
        if (stat >> run) {
            nanos += run;
        }
    }
    return nanos / 1e6;
}

// The first top-level window mapped from now on, or nothing when none is mapped in time or the
// program ends first.
std::optional<xcb_window_t> AwaitMap(xcb_connection_t* x, pid_t pid, Clock::time_point until) {
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (Clock::now() < until) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            std::free(event);
            if (mapped) {
                return window;
            }
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return std::nullopt;
        }
        poll(&fd, 1, 5);
    }
    return std::nullopt;
}

std::optional<Start> StartOnce(xcb_connection_t* x, const Program& program) {
    const Clock::time_point started = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return std::nullopt;
    }
    if (pid == 0) {
        if (chdir(program.folder.c_str()) != 0) {
            std::perror(program.folder.c_str());
            _exit(127);
        }
        execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
        std::perror(program.path.c_str());
        _exit(127);
    }
    const std::optional<xcb_window_t> window = AwaitMap(x, pid, started + kMapTimeout);
    Start start;
    start.millis = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    if (window) {
        start.cpuMillis = CpuMillis(pid);
        start.title = TitleOf(x, *window);
        std::this_thread::sleep_for(kSettle);
        kill(pid, SIGTERM);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!window) {
        std::fprintf(stderr, "%s showed no window (%s %d)\n", program.path.c_str(),
                     WIFEXITED(status) ? "exit status" : "signal",
                     WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
        return std::nullopt;
    }
    start.megabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // reported in kB
    // Windows of the run that ended are of no interest any more.
    xcb_flush(x);
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
        std::free(event);
    }
    return start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: %s <runs> <folder> <program> [<folder> <program> ...]\n",
                     argv[0]);
        return 64;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<Program> programs;
    for (int i = 2; i + 1 < argc; i += 2) {
        programs.push_back({argv[i], argv[i + 1], {}, {}, {}, {}});
    }

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) != 0) {
        std::fprintf(stderr, "no X display (run under xvfb-run)\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    // One start of each first, not counted: it fills the file cache and makes what a first
    // start makes.
    for (int run = -1; run < runs; ++run) {
        for (Program& program : programs) {
            const std::optional<Start> start = StartOnce(x, program);
            if (!start) {
                return 1;
            }
            if (run < 0) {
                program.title = start->title;
                continue;
            }
            program.millis.push_back(start->millis);
            program.cpuMillis.push_back(start->cpuMillis);
            program.megabytes.push_back(start->megabytes);
        }
    }
    xcb_disconnect(x);

    const Program& base = programs.front();
    std::printf("%d starts each; medians, and ratios to the first program\n", runs);
    std::printf("%-16s %22s %22s %22s\n", "window", "to the window", "processor time",
                "peak memory");
    for (const Program& program : programs) {
        const auto column = [&](const std::vector<double>& values,
                                const std::vector<double>& baseValues, const char* unit) {
            const double median = Median(values);
            std::printf(" %10.1f %s (%.2fx)", median, unit, median / Median(baseValues));
        };
        std::printf("%-16s", program.title.c_str());
        column(program.millis, base.millis, "ms");
        column(program.cpuMillis, base.cpuMillis, "ms");
        column(program.megabytes, base.megabytes, "MB");
        std::printf("\n");
    }
    return 0;
}
