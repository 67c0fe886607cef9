// The benchmark driver: starts the children (bench/app.cpp for VorvanCalc,
// bench/floor.cpp for the floor window), reads what they report, times the
// pure calculations itself and prints the tables of the README's Performance
// section. It fails only when a child fails or reports nothing, never on a time.
//
//   vorvan_bench [--smoke] [--runs N] [--window-runs N] [--memory-runs N]
//                [--events N] [--map-rounds N]
//                [--only startup,windows,memory,interact,calc,maps]
//
// The part "maps" (click to window mapped) runs only when asked for by
// --only, under a window manager: scripts/bench runs it under each one.
#include "calc/calculators.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <set>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

std::int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

std::string exeDir()
{
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return ".";
    std::string path(buf, std::size_t(n));
    return path.substr(0, path.rfind('/'));
}

struct ChildRun
{
    std::int64_t startNs = 0;
    std::map<std::string, std::string> values;

    long long number(const std::string &key) const
    {
        const auto it = values.find(key);
        if (it == values.end())
            throw std::runtime_error("child reported no " + key);
        return std::stoll(it->second);
    }
    std::string text(const std::string &key) const
    {
        const auto it = values.find(key);
        return it == values.end() ? std::string() : it->second;
    }
};

// Starts a child with its stdout piped back. The clock is read right before
// the process is created: start-up is measured from there.
ChildRun runChild(const std::string &program, const std::vector<std::string> &args)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);

    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);

    ChildRun run;
    pid_t pid = 0;
    run.startNs = monotonicNs();
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(rc));
    }
    std::string out;
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) != 0;) {
        if (n < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        out.append(buf, std::size_t(n));
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    std::string what = program;
    for (const std::string &a : args)
        what += " " + a;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(what + " failed (status " + std::to_string(status) + ")");

    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (const auto eq = line.find('='); eq != std::string::npos)
            run.values[line.substr(0, eq)] = line.substr(eq + 1);
    if (run.values.empty())
        throw std::runtime_error(what + " reported nothing");
    return run;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double ms(long long ns)
{
    return double(ns) / 1e6;
}

std::string fmt(double v, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

struct Options
{
    int runs = 31;
    int windowRuns = 11;
    int memoryRuns = 5;
    int events = 1000;
    int mapRounds = 5;
    int calcCalls = 200000;
    std::set<std::string> only;
    bool wants(const std::string &part) const { return only.empty() ? part != "maps" : only.count(part) > 0; }
};

struct Budget
{
    std::string what;
    std::string measured;
    std::string limit;
    bool met;
};

std::string cpuModel()
{
    std::ifstream f("/proc/cpuinfo");
    for (std::string line; std::getline(f, line);)
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    return "unknown";
}

const char *const windowNames[] = {"frmPinWeight", "frmLinkWeight", "frmPinCalc",    "frmDeflect",
                                   "frmSigLoss",   "frmXYsim",      "frmInfoWeight", "frmInfoPin",
                                   "frmInfoWrap",  "frmInfoOffax",  "frmInfoXYsim",  "frmAbout"};

volatile double sink;

// Nanoseconds per call: the median of seven timed loops of `calls` calls.
template <class F> double nsPerCall(int calls, F &&f)
{
    std::vector<double> reps;
    for (int r = 0; r < 7; ++r) {
        const std::int64_t t0 = monotonicNs();
        for (int i = 0; i < calls; ++i)
            f(i);
        reps.push_back(double(monotonicNs() - t0) / calls);
    }
    return median(reps);
}

} // namespace

int main(int argc, char *argv[])
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto next = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::runtime_error(a + " needs a value");
            return argv[++i];
        };
        if (a == "--smoke") {
            o.runs = 1;
            o.windowRuns = 1;
            o.memoryRuns = 1;
            o.events = 20;
            o.calcCalls = 2000;
            o.mapRounds = 1;
        } else if (a == "--runs") {
            o.runs = std::stoi(next());
        } else if (a == "--window-runs") {
            o.windowRuns = std::stoi(next());
        } else if (a == "--memory-runs") {
            o.memoryRuns = std::stoi(next());
        } else if (a == "--events") {
            o.events = std::stoi(next());
        } else if (a == "--map-rounds") {
            o.mapRounds = std::stoi(next());
        } else if (a == "--only") {
            std::istringstream parts(next());
            for (std::string p; std::getline(parts, p, ',');)
                o.only.insert(p);
        } else {
            std::fprintf(stderr, "unknown argument %s\n", a.c_str());
            return 64;
        }
    }

    const std::string dir = exeDir();
    const std::string app = dir + "/vorvan_bench_app";
    const std::string floorExe = dir + "/vorvan_bench_floor";
    std::vector<Budget> budgets;
    std::string platform = "?";
    std::string qtVersion = "?";
    std::vector<double> oursRss, floorRss;
    // Medians of the parts of the resident set: anonymous, file-backed, shared memory.
    const char *const rssParts[] = {"RssAnon_kib", "RssFile_kib", "RssShmem_kib"};
    std::map<std::string, std::vector<double>> oursParts, floorParts, allParts;

    try {
        // ---- the machine
        utsname u{};
        uname(&u);
        std::printf("Machine: %s, %u hardware threads, Linux %s\n\n", cpuModel().c_str(),
                    std::thread::hardware_concurrency(), u.release);

        // ---- start-up
        if (o.wants("startup") || o.wants("memory")) {
            std::vector<double> ours, floor;
            // The phases: to main(), the QApplication, the look, the window built and shown, its first paint.
            const char *phaseKeys[] = {"main_ns", "application_ns", "look_ns", "window_ns", "paint_ns"};
            std::map<bool, std::vector<std::vector<double>>> phases{{true, std::vector<std::vector<double>>(5)},
                                                                    {false, std::vector<std::vector<double>>(5)}};
            for (int r = 0; r < o.runs; ++r) {
                // Interleaved, the order alternating, so drift hits both alike.
                for (int k = 0; k < 2; ++k) {
                    // Let the X server finish with the last child before the next starts.
                    std::this_thread::sleep_for(std::chrono::milliseconds(150));
                    const bool oursNow = (k == 0) == (r % 2 == 0);
                    const ChildRun c = runChild(oursNow ? app : floorExe, {});
                    const double t = ms(c.number("paint_ns") - c.startNs);
                    std::int64_t previous = c.startNs;
                    for (int p = 0; p < 5; ++p) {
                        const std::int64_t at = c.number(phaseKeys[p]);
                        phases[oursNow][std::size_t(p)].push_back(ms(at - previous));
                        previous = at;
                    }
                    (oursNow ? ours : floor).push_back(t);
                    (oursNow ? oursRss : floorRss).push_back(double(c.number("rss_kib")) / 1024);
                    for (const char *part : rssParts)
                        (oursNow ? oursParts : floorParts)[part].push_back(double(c.number(part)) / 1024);
                    platform = c.text("platform");
                    if (oursNow)
                        qtVersion = c.text("qt");
                }
            }
            const double ratio = median(ours) / median(floor);
            if (o.wants("startup")) {
                std::printf("Start-up, process start to the first paint of the menu window "
                            "(%d interleaved runs each, Qt %s, platform %s)\n\n",
                            o.runs, qtVersion.c_str(), platform.c_str());
                std::printf("| program | median ms | min ms | max ms |\n|---|---:|---:|---:|\n");
                const auto row = [](const char *name, const std::vector<double> &v) {
                    std::printf("| %s | %s | %s | %s |\n", name, fmt(median(v), 1).c_str(),
                                fmt(*std::min_element(v.begin(), v.end()), 1).c_str(),
                                fmt(*std::max_element(v.begin(), v.end()), 1).c_str());
                };
                row("VorvanCalc menu", ours);
                row("floor: empty main window with a menu bar", floor);
                std::printf("| ratio VorvanCalc / floor | %s | | |\n\n", fmt(ratio, 2).c_str());
                std::printf(
                    "Where the start-up goes, ms (medians)\n\n| phase | VorvanCalc | floor |\n|---|---:|---:|\n");
                const char *phaseNames[] = {"process start to main()", "QApplication",
                                            "installLook (style, font, icon)", "window built and shown",
                                            "to the end of its first paint"};
                for (std::size_t p = 0; p < 5; ++p)
                    std::printf("| %s | %s | %s |\n", phaseNames[p], fmt(median(phases[true][p]), 1).c_str(),
                                fmt(median(phases[false][p]), 1).c_str());
                std::printf("\n");
                budgets.push_back(
                    {"start-up to first paint", fmt(ratio, 2) + " x floor", "<= 1.25 x floor", ratio <= 1.25});
            }
        }

        // ---- window opening
        if (o.wants("windows")) {
            std::map<std::string, std::map<std::string, std::vector<double>>> times;
            for (int r = 0; r < o.windowRuns; ++r)
                for (const char *name : windowNames) {
                    const ChildRun c = runChild(app, {"open", name});
                    for (const char *phase : {"create", "load", "show", "paint", "total"})
                        times[name][phase].push_back(ms(c.number(std::string("first_") + phase + "_ns")));
                    times[name]["again"].push_back(ms(c.number("again_total_ns")));
                }
            std::printf("Opening each window the first time after start-up, ms (median of %d runs, "
                        "a fresh process each); the last column is a second opening after closing it\n\n",
                        o.windowRuns);
            std::printf("| window | create | load step | show | first paint | total | again |\n"
                        "|---|---:|---:|---:|---:|---:|---:|\n");
            double worst = 0;
            std::string worstName;
            for (const char *name : windowNames) {
                auto &t = times[name];
                std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", name, fmt(median(t["create"]), 2).c_str(),
                            fmt(median(t["load"]), 2).c_str(), fmt(median(t["show"]), 2).c_str(),
                            fmt(median(t["paint"]), 2).c_str(), fmt(median(t["total"]), 2).c_str(),
                            fmt(median(t["again"]), 2).c_str());
                if (median(t["total"]) > worst) {
                    worst = median(t["total"]);
                    worstName = name;
                }
            }
            std::printf("\n");
            budgets.push_back({"opening a window the first time (slowest: " + worstName + ")", fmt(worst, 1) + " ms",
                               "< 25 ms", worst < 25});
        }

        // ---- memory
        if (o.wants("memory")) {
            std::vector<double> all;
            for (int r = 0; r < o.memoryRuns; ++r) {
                const ChildRun c = runChild(app, {"open-all"});
                all.push_back(double(c.number("all_open_rss_kib")) / 1024);
                for (const char *part : rssParts)
                    allParts[part].push_back(double(c.number(std::string("all_open_") + part)) / 1024);
            }
            const double floorMiB = median(floorRss);
            std::printf("Resident memory (VmRSS), MiB (medians); its parts: heap and other private memory, "
                        "mapped files (libraries, fonts), shared memory (the windows' pixel buffers)\n\n"
                        "| state | MiB | x floor | private | files | shared |\n|---|---:|---:|---:|---:|---:|\n");
            const auto row = [&](const char *state, double mib, std::map<std::string, std::vector<double>> &parts) {
                std::printf("| %s | %s | %s | %s | %s | %s |\n", state, fmt(mib, 1).c_str(),
                            fmt(mib / floorMiB, 2).c_str(), fmt(median(parts["RssAnon_kib"]), 1).c_str(),
                            fmt(median(parts["RssFile_kib"]), 1).c_str(),
                            fmt(median(parts["RssShmem_kib"]), 1).c_str());
            };
            row("floor window after its first paint", floorMiB, floorParts);
            row("VorvanCalc after start-up (menu painted)", median(oursRss), oursParts);
            row("VorvanCalc with all twelve windows open", median(all), allParts);
            std::printf("\n");
            budgets.push_back({"resident memory, all twelve windows open", fmt(median(all) / floorMiB, 2) + " x floor",
                               "<= 1.5 x floor", median(all) / floorMiB <= 1.5});
        }

        // ---- interaction latency
        if (o.wants("interact")) {
            const ChildRun c = runChild(app, {"interact", std::to_string(o.events)});
            const std::pair<const char *, const char *> kinds[] = {
                {"pincalc_load_step", "load pin design: one load slider step (output re-centred, nested)"},
                {"pinweight_keystroke", "pin weight: one keystroke"},
                {"linkweight_keystroke", "link weight: one keystroke"},
                {"sigloss_keystroke_90", "off-axis: one keystroke, rewritten to \"90\" (nested)"},
                {"xysim_angle_step", "XY simulator: one angle step (outputs and load line)"},
                {"deflect_calculate", "wrap angle: one Calculate"},
            };
            std::printf("Interaction latency, event to the end of the synchronous repaint of the whole window, "
                        "microseconds\n\n| interaction | events | median | p95 | max |\n|---|---:|---:|---:|---:|\n");
            double worstP95 = 0;
            for (const auto &[key, caption] : kinds) {
                const std::string p = std::string("interact.") + key + ".";
                const double p95 = double(c.number(p + "p95_ns")) / 1e3;
                std::printf("| %s | %lld | %s | %s | %s |\n", caption, c.number(p + "count"),
                            fmt(double(c.number(p + "median_ns")) / 1e3, 0).c_str(), fmt(p95, 0).c_str(),
                            fmt(double(c.number(p + "max_ns")) / 1e3, 0).c_str());
                worstP95 = std::max(worstP95, p95);
            }
            std::printf("\n");
            budgets.push_back(
                {"interaction, slowest 95th percentile", fmt(worstP95 / 1e3, 2) + " ms", "< 4 ms", worstP95 < 4000});
        }

        // ---- click to window mapped, under the window manager that runs
        if (o.wants("maps")) {
            const ChildRun c = runChild(app, {"maps", std::to_string(o.mapRounds)});
            const double median = ms(c.number("maps.median_ns"));
            std::printf("Click on the menu to the window mapped, under %s: %lld openings (each window %d times)\n\n"
                        "| window manager | openings | median ms | p90 ms | max ms |\n|---|---:|---:|---:|---:|\n"
                        "| %s | %lld | %s | %s | %s |\n\n",
                        c.text("maps.window_manager").c_str(), c.number("maps.count"), o.mapRounds,
                        c.text("maps.window_manager").c_str(), c.number("maps.count"), fmt(median, 1).c_str(),
                        fmt(ms(c.number("maps.p90_ns")), 1).c_str(), fmt(ms(c.number("maps.max_ns")), 1).c_str());
            budgets.push_back({"click to window mapped, median, under " + c.text("maps.window_manager"),
                               fmt(median, 1) + " ms", "<= 100 ms", median <= 100});
        }

        // ---- the pure calculations
        if (o.wants("calc")) {
            using namespace vorvan;
            const int n = o.calcCalls;
            const char *lengths[] = {"250", "2505", "1000", "12.5", "75"};
            const char *angles[] = {"95", "9", "30", "45.5", "89"};
            struct Row
            {
                const char *name;
                double ns;
                bool pure = true; // false: also forms the texts the window shows
            };
            const Row rows[] = {
                {"computePinDesign", nsPerCall(n,
                                               [](int i) {
                                                   const auto r =
                                                       computePinDesign(std::int16_t(120), std::int16_t(1 + i % 700),
                                                                        std::int16_t(i % 40));
                                                   sink = sink + r.safetyFactor;
                                               })},
                {"computePinDesign + pinDesignTexts",
                 nsPerCall(n,
                           [](int i) {
                               const auto d = std::int16_t(120), L = std::int16_t(1 + i % 700),
                                          out = std::int16_t(i % 40);
                               const auto r = computePinDesign(d, L, out);
                               sink = sink + double(pinDesignTexts(r, d, L, out).output.size());
                           }),
                 false},
                {"pinWeight (from the typed texts)",
                 nsPerCall(n, [&](int i) { sink = sink + pinWeight("50", lengths[i % 5], 1, 1); })},
                {"linkWeight (from the typed texts)",
                 nsPerCall(n, [&](int i) { sink = sink + linkWeight(lengths[i % 5], "50", "50", 1, 1); })},
                {"computeSignalLoss (with its caption)",
                 nsPerCall(n, [&](int i) { sink = sink + computeSignalLoss(angles[i % 5]).loss; })},
                {"xyBridges + loadLine", nsPerCall(n,
                                                   [](int i) {
                                                       const XYBridges b = xyBridges(i % 361);
                                                       sink =
                                                           sink + loadLine(b.XSign, b.XOutput, b.YSign, b.YOutput).X1;
                                                   })},
                {"computeWrapResults",
                 nsPerCall(n, [](int i) { sink = sink + computeWrapResults(10.0f + float(i % 7), 30, 120).AvgRes; })},
            };
            std::printf("The pure calculations, ns per call (median of 7 loops of %d calls)\n\n"
                        "| calculation | ns/call |\n|---|---:|\n",
                        n);
            double worst = 0;
            for (const Row &row : rows) {
                std::printf("| %s | %s |\n", row.name, fmt(row.ns, 0).c_str());
                if (row.pure)
                    worst = std::max(worst, row.ns);
            }
            std::printf("\n");
            budgets.push_back({"pure calculation, slowest", fmt(worst, 0) + " ns", "< 1000 ns", worst < 1000});
        }

        if (!budgets.empty()) {
            std::printf("Budgets\n\n| budget | measured | limit | |\n|---|---:|---:|---|\n");
            for (const Budget &b : budgets)
                std::printf("| %s | %s | %s | %s |\n", b.what.c_str(), b.measured.c_str(), b.limit.c_str(),
                            b.met ? "met" : "MISSED");
        }
    } catch (const std::exception &e) {
        std::fflush(stdout);
        std::fprintf(stderr, "vorvan_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
