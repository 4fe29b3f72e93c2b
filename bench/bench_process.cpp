// sorvel-convert as a whole process, file to file from the page cache, for
// each text command at 64 MB and 512 MB; and the font conversion side by
// side with TECkit's txtconv doing the same byte mapping, made from our own
// letter tables. Counters: the child's CPU time and peak memory.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "LargeRtf.h"
#include "PaliText.h"
#include "pali/PaliLetters.h"
#include "translit/StandardConversion.h"
#include "unicode/UnicodeText.h"

extern char** environ;

namespace sorvel {
namespace {

namespace fs = std::filesystem;

// Removes the work folder when the benchmarks end; it keeps its own copy of
// the folder's name, since it outlives workDir()'s.
struct Cleanup {
    fs::path dir;
    ~Cleanup() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
} cleanup;

const fs::path& workDir() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("sorvel-bench-" + std::to_string(::getpid()));
        fs::create_directories(d);
        cleanup.dir = d;
        return d;
    }();
    return dir;
}

struct Run {
    double seconds = 0;     // wall clock
    double cpuSeconds = 0;  // the child's user and system time
    double peakMb = 0;
    int status = -1;
};

// Runs a program and waits for it. Its peak memory comes from /usr/bin/time
// where that is installed: a child started from this process would count
// this process's own memory as its peak.
Run spawn(std::vector<std::string> args) {
    const std::string peakFile = (workDir() / "peak.txt").string();
    const bool timed = fs::exists("/usr/bin/time");
    if (timed) {
        args.insert(args.begin(), {"/usr/bin/time", "-f", "%M", "-o", peakFile});
    }
    std::vector<char*> argv;
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    // What the run before wrote goes to the disk first, so that no run waits
    // for another's output: sorvel-convert flushes its own before it ends,
    // which on this kind of disk also flushes anything else still pending.
    ::sync();
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    Run run;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return run;
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    if (timed) {
        double kilobytes = 0;
        std::ifstream(peakFile) >> kilobytes;
        run.peakMb = kilobytes / 1024.0;
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The inputs, made once: Pali text in VriRomanPali, the same as standard
// transliteration and as UTF-8, of 64 MB or 512 MB (the 64 MB one eight
// times over).
std::string input(const std::string& kind, long megabytes) {
    static std::map<std::string, std::string> made;
    const std::string key = kind + std::to_string(megabytes);
    if (made.contains(key)) {
        return made[key];
    }
    const std::string path = (workDir() / (key + ".txt")).string();
    const std::string base = bench::paliText(64 << 20);
    std::string text = kind == "standard" ? paliToStandardText(base, PaliFontKind::VriRomanPali)
                       : kind == "utf8"
                           ? UnicodeText::fromFontToUtf8(base, PaliFontKind::VriRomanPali)
                           : base;
    text.resize(64 << 20);
    // Whole characters only: the copies follow one another.
    while (kind == "utf8" && !text.empty() && (static_cast<uint8_t>(text.back()) & 0x80) != 0) {
        text.pop_back();
    }
    std::ofstream out(path, std::ios::binary);
    for (long i = 0; i < megabytes / 64; ++i) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    made[key] = path;
    return path;
}

// Times the command and keeps the last run's counters.
void measure(benchmark::State& st, const std::vector<std::string>& args) {
    Run last;
    for (auto _ : st) {
        last = spawn(args);
        if (last.status != 0) {
            st.SkipWithError("the command failed");
            return;
        }
        st.SetIterationTime(last.seconds);
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) *
                         static_cast<int64_t>(fs::file_size(args.back())));
    st.counters["cpu_s"] = last.cpuSeconds;
    st.counters["peak_MB"] = last.peakMb;
}

// The sorvel-convert built with the benchmarks, or another one (an older
// build, to compare) named by SORVEL_CONVERT.
const std::string kTool =
    std::getenv("SORVEL_CONVERT") ? std::getenv("SORVEL_CONVERT") : SORVEL_CONVERT_PATH;

struct Command {
    const char* name;
    const char* input;
    std::vector<std::string> args;
};

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"font", "pali", {"font", "--from", "VriRomanPali CN", "--to", "Times_CSX+"}},
        {"to-standard", "pali", {"to-standard", "--font", "VriRomanPali CN"}},
        {"from-standard", "standard", {"from-standard", "--font", "VriRomanPali CN"}},
        {"cscd", "pali", {"cscd"}},
        {"type", "standard", {"type", "--font", "VriRomanPali CN"}},
        {"unicode", "pali", {"unicode", "--from", "VriRomanPali CN"}},
        {"from-unicode", "utf8", {"from-unicode", "--font", "VriRomanPali CN"}},
    };
    return list;
}

void BM_Command(benchmark::State& st) {
    const Command& c = commands()[static_cast<std::size_t>(st.range(0))];
    const long megabytes = st.range(1);
    st.SetLabel(c.name);
    std::vector<std::string> args = {kTool};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"-o", (workDir() / "out.txt").string(), input(c.input, megabytes)});
    measure(st, args);
}

// The TECkit mapping of VriRomanPali to Times_CSX+ from our letter table:
// each letter's byte to the other font's (the first letter where two share
// one), compiled with teckit_compile. Empty when TECkit is not installed.
std::string teckitMapping() {
    static const std::string compiled = [] {
        const fs::path source = workDir() / "vri-csx.map";
        const fs::path tec = workDir() / "vri-csx.tec";
        std::ofstream map(source);
        map << "LHSName \"VriRomanPali\"\nRHSName \"Times_CSX+\"\npass(Byte)\n";
        std::set<int> mapped;
        for (const PaliLetter& l : paliLetters()) {
            const int from = fontCharacter(l.number, PaliFontKind::VriRomanPali);
            if (mapped.insert(from).second) {
                char line[32];
                std::snprintf(line, sizeof line, "0x%02X > 0x%02X\n", from,
                              fontCharacter(l.number, PaliFontKind::TimesCsxPlus));
                map << line;
            }
        }
        map.close();
        const Run run = spawn({"/usr/bin/teckit_compile", source.string(), "-o", tec.string()});
        return run.status == 0 ? tec.string() : std::string();
    }();
    return compiled;
}

// Both converters on the same input in the same run, turn about; the
// counter "ratio" is txtconv's time over ours.
void BM_FontBesideTeckit(benchmark::State& st) {
    const long megabytes = st.range(0);
    const std::string tec = teckitMapping();
    if (tec.empty()) {
        st.SkipWithError("TECkit (Debian package teckit) is not installed");
        return;
    }
    const std::string in = input("pali", megabytes);
    const std::string ours = (workDir() / "ours.txt").string();
    const std::string theirs = (workDir() / "teckit.txt").string();
    double sorvelTime = 0;
    double teckitTime = 0;
    double sorvelCpu = 0;
    double teckitCpu = 0;
    for (auto _ : st) {
        const Run a = spawn(
            {kTool, "font", "--from", "VriRomanPali CN", "--to", "Times_CSX+", "-o", ours, in});
        const Run b = spawn({"/usr/bin/txtconv", "-t", tec, "-i", in, "-o", theirs, "-if", "bytes",
                             "-of", "bytes"});
        if (a.status != 0 || b.status != 0) {
            st.SkipWithError("a converter failed");
            return;
        }
        st.SetIterationTime(a.seconds);
        sorvelTime += a.seconds;
        teckitTime += b.seconds;
        sorvelCpu += a.cpuSeconds;
        teckitCpu += b.cpuSeconds;
    }
    // The input's line ends are CR LF already and it holds no intermediate
    // code, so both must have written the same bytes.
    std::ifstream x(ours, std::ios::binary);
    std::ifstream y(theirs, std::ios::binary);
    if (!std::equal(std::istreambuf_iterator<char>(x), {}, std::istreambuf_iterator<char>(y))) {
        st.SkipWithError("txtconv and sorvel-convert wrote different bytes");
        return;
    }
    const auto n = static_cast<double>(st.iterations());
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * (megabytes << 20));
    st.counters["sorvel_s"] = sorvelTime / n;
    st.counters["txtconv_s"] = teckitTime / n;
    st.counters["ratio"] = teckitTime / sorvelTime;
    st.counters["cpu_ratio"] = teckitCpu / sorvelCpu;
}

// `save` of the long office document: read the RTF, write it as a compound
// file.
void BM_SaveLargeDocument(benchmark::State& st) {
    const std::string in = (workDir() / "large.rtf").string();
    if (!fs::exists(in)) {
        std::ofstream(in, std::ios::binary) << bench::largeOfficeRtf();
    }
    const std::string out = (workDir() / "large.doc").string();
    Run last;
    for (auto _ : st) {
        last = spawn({kTool, "save", in, out});
        if (last.status != 0) {
            st.SkipWithError("save failed");
            return;
        }
        st.SetIterationTime(last.seconds);
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) *
                         static_cast<int64_t>(fs::file_size(in)));
    st.counters["cpu_s"] = last.cpuSeconds;
    st.counters["peak_MB"] = last.peakMb;
}

// Each command on 64 MB, and on 512 MB.
void commandArgs(benchmark::internal::Benchmark* b, long megabytes) {
    for (long c = 0; c < static_cast<long>(commands().size()); ++c) {
        b->Args({c, megabytes});
    }
}

BENCHMARK(BM_FontBesideTeckit)
    ->Arg(64)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_SaveLargeDocument)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Command)->Apply([](auto* b) {
                         commandArgs(b, 64);
                     }) -> UseManualTime() -> Unit(benchmark::kMillisecond) -> Iterations(2);
BENCHMARK(BM_Command)->Apply([](auto* b) {
                         commandArgs(b, 512);
                     }) -> UseManualTime() -> Unit(benchmark::kMillisecond) -> Iterations(1);

}  // namespace
}  // namespace sorvel
