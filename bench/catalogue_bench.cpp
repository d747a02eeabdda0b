// Reading the largest catalogue from its files (in this process, and in a fresh one as at
// start-up) and laying out its tree views, without widgets.
#include "BenchMain.h"
#include "MaximalCatalogue.h"

#include "base/FileIo.h"
#include "catalogue/core/Catalogue.h"
#include "catalogue/core/TreeBuilder.h"
#include "playback/core/NowPlaying.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ListFile {
    ListFormat::Kind kind;
    const char* name;
};
constexpr ListFile kListFiles[] = {{ListFormat::Kind::Tv, "tv.lst"}, {ListFormat::Kind::Radio, "ra.lst"},
    {ListFormat::Kind::MovieStore, "ama.lst"}};

// The lists, written once into a folder of their own; empty when they could not be.
QString writtenLists()
{
    static QTemporaryDir folder;
    static const bool written = [] {
        const MaximalCatalogue lists = MaximalCatalogue::make();
        const QByteArray* bytes[] = {&lists.tv, &lists.radio, &lists.store};
        bool all = folder.isValid();
        for (int i = 0; i < 3 && all; ++i)
            all = FileIo::writeFileAtomically(folder.filePath(QLatin1String(kListFiles[i].name)), *bytes[i])
                      .isEmpty();
        return all;
    }();
    return written ? folder.path() : QString();
}

// The catalogue read from the lists' files, as start-up reads it.
Catalogue loaded(const QString& folder)
{
    Catalogue catalogue;
    for (const ListFile& list : kListFiles)
        catalogue.appendList(
            list.kind, FileIo::readWholeFile(QDir(folder).filePath(QLatin1String(list.name))).bytes);
    return catalogue;
}

Catalogue loaded() { return loaded(writtenLists()); }

long minorFaults()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

void parseThreeLists(benchmark::State& state)
{
    if (loaded().channelCount() != 32767) {
        state.SkipWithError("the lists could not be written and read back");
        return;
    }
    // A process that has its pages already: what a run frees stays with the heap for the
    // next, rather than going back to the system (glibc would trim it, or unmap large blocks).
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    const long faultsBefore = minorFaults();
    for (auto _ : state) {
        auto catalogue = std::make_unique<Catalogue>(loaded());
        benchmark::DoNotOptimize(catalogue->channels.data());
        state.PauseTiming(); // freeing the records is not reading them
        catalogue.reset();
        state.ResumeTiming();
    }
    state.counters["pageFaults"] = benchmark::Counter(
        static_cast<double>(minorFaults() - faultsBefore), benchmark::Counter::kAvgIterations);
    state.counters["records"] = loaded().channelCount();
}
BENCHMARK(parseThreeLists)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Touches `pages` pages of memory the process never had, as a read in a fresh process does,
// and takes nothing else from the read's time: what those first touches cost alone.
double secondsToTouchNewPages(long pages)
{
    const long pageSize = sysconf(_SC_PAGESIZE);
    const size_t length = static_cast<size_t>(pages * pageSize);
    void* memory = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return -1;
    auto* bytes = static_cast<volatile char*>(memory);
    const auto start = std::chrono::steady_clock::now();
    for (size_t at = 0; at < length; at += static_cast<size_t>(pageSize))
        bytes[at] = 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    munmap(memory, length);
    return seconds;
}

// What a process that read the catalogue reports: how long the read took, the page faults
// it met and how long that many first touches take alone.
struct FreshRead {
    double seconds = 0;
    double pageFaults = 0;
    double faultSeconds = 0;
};

constexpr const char* kReportFlag = "--read-once-and-report-to";

// In a process started for it: reads the lists in `folder` once, as start-up does, and
// writes what it measured to `fd`.
int readOnceAndReport(int fd, const QString& folder)
{
    FreshRead report;
    const long faultsBefore = minorFaults();
    const auto start = std::chrono::steady_clock::now();
    const Catalogue catalogue = loaded(folder);
    benchmark::DoNotOptimize(catalogue.channels.data());
    report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long faults = minorFaults() - faultsBefore;
    report.pageFaults = static_cast<double>(faults);
    report.faultSeconds = secondsToTouchNewPages(faults);
    const bool told = write(fd, &report, sizeof report) == sizeof report;
    return told && report.faultSeconds >= 0 && catalogue.channelCount() == 32767 ? 0 : 1;
}

// This program's environment, with glibc's heap on 2 MiB pages when asked. glibc reads the
// setting only as a process starts, so the program cannot choose it for itself.
std::vector<std::string> environmentFor(bool largePages)
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        if (!largePages || std::strncmp(*variable, "GLIBC_TUNABLES=", 15) != 0)
            variables.emplace_back(*variable);
    }
    if (largePages)
        variables.emplace_back("GLIBC_TUNABLES=glibc.malloc.hugetlb=1");
    return variables;
}

// The read in a process of its own, started as the program is: all its memory is new, and
// none of it is shared with this one. The process times itself and reports back.
std::optional<FreshRead> readInAFreshProcess(bool largePages)
{
    std::vector<std::string> variables = environmentFor(largePages);
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    std::string fd = std::to_string(fds[1]);
    std::string flag = kReportFlag;
    std::string self = "catalogue_bench";
    std::string folder = writtenLists().toStdString();
    char* argv[] = {self.data(), flag.data(), fd.data(), folder.data(), nullptr};
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        execve("/proc/self/exe", argv, envp.data());
        _exit(127);
    }
    close(fds[1]);
    FreshRead report;
    const bool heard = child > 0 && read(fds[0], &report, sizeof report) == sizeof report;
    close(fds[0]);
    int status = 1;
    if (child > 0)
        waitpid(child, &status, 0);
    if (!heard || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return report;
}

void readFresh(benchmark::State& state, bool largePages)
{
    double pageFaults = 0;
    double faultSeconds = 0;
    for (auto _ : state) {
        const auto report = readInAFreshProcess(largePages);
        if (!report) {
            state.SkipWithError("the reading process failed");
            return;
        }
        state.SetIterationTime(report->seconds);
        pageFaults += report->pageFaults;
        faultSeconds += report->faultSeconds;
    }
    // Where the time beyond the read in this process goes: the first touch of new pages.
    state.counters["pageFaults"] = benchmark::Counter(pageFaults, benchmark::Counter::kAvgIterations);
    state.counters["faultsAloneMs"]
        = benchmark::Counter(faultSeconds * 1000, benchmark::Counter::kAvgIterations);
}

void parseThreeListsFresh(benchmark::State& state) { readFresh(state, false); }
BENCHMARK(parseThreeListsFresh)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same with the heap on 2 MiB pages: one page fault, and one entry in the page tables,
// where the read above takes 512. What is left beyond the warm read is what each new page
// costs this machine. Without transparent huge pages (the kernel's "never") the page
// faults stay as many as above.
void parseThreeListsFreshLargePages(benchmark::State& state) { readFresh(state, true); }
BENCHMARK(parseThreeListsFreshLargePages)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void layoutView(benchmark::State& state)
{
    const Catalogue catalogue = loaded();
    for (auto _ : state)
        benchmark::DoNotOptimize(TreeBuilder::build(static_cast<int>(state.range(0)), catalogue, {}));
}
BENCHMARK(layoutView)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], kReportFlag) == 0)
        return readOnceAndReport(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]));
    return BenchMain::run(argc, argv);
}
