// Measures CopyTopLines against the least a per-line append can cost: a loop
// that reads the source in 64 KiB blocks and does one open, one write and one
// close per line. Prints the ratio of the two times at the end.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <string>
#include <unistd.h>

#include "top_lines_copy.h"

namespace {

constexpr int kLines = 100000;

struct Files {
    std::string dir, source, destination;
};

const Files& BenchFiles() {
    static const Files files = [] {
        char pattern[] = "/tmp/zentrim-bench-XXXXXX";
        Files f;
        f.dir = mkdtemp(pattern);
        f.source = f.dir + "/source.txt";
        f.destination = f.dir + "/destination.txt";
        std::string text;
        for (int i = 0; i < kLines; ++i) {
            char line[64];
            std::snprintf(line, sizeof line, "%06d The quick brown fox jumps over the lazy dog\n",
                          i);
            text += line;
        }
        FILE* out = std::fopen(f.source.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        return f;
    }();
    return files;
}

void Baseline(const Files& f) {
    int in = ::open(f.source.c_str(), O_RDONLY);
    static char block[64 * 1024];
    std::string line;
    ssize_t got;
    while ((got = ::read(in, block, sizeof block)) > 0) {
        for (ssize_t i = 0; i < got; ++i) {
            char c = block[i];
            if (c != '\n') {
                line += c;
                continue;
            }
            line += "\r\n";
            int out = ::open(f.destination.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0666);
            if (::write(out, line.data(), line.size()) < 0) {
                std::abort();
            }
            ::close(out);
            line.clear();
        }
    }
    ::close(in);
}

void BM_Baseline(benchmark::State& state) {
    const Files& f = BenchFiles();
    for (auto _ : state) {
        ::unlink(f.destination.c_str());
        Baseline(f);
    }
}

void BM_CopyTopLines(benchmark::State& state) {
    const Files& f = BenchFiles();
    auto ignore = [](const std::string&, const std::string&) {};
    for (auto _ : state) {
        ::unlink(f.destination.c_str());
        CopyTopLines(f.source, f.destination, std::to_string(kLines), ignore);
    }
}

BENCHMARK(BM_Baseline)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CopyTopLines)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Keeps each benchmark's time per iteration for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            std::string name = run.benchmark_name();
            times_[name.substr(0, name.find('/'))] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    const std::map<std::string, double>& times() const { return times_; }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& t = reporter.times();
    auto ours = t.find("BM_CopyTopLines");
    auto base = t.find("BM_Baseline");
    if (ours != t.end() && base != t.end() && base->second > 0) {
        std::printf("ours/baseline: %.3f (goal: 1.15 or less)\n", ours->second / base->second);
    }
    const Files& f = BenchFiles();
    ::unlink(f.destination.c_str());
    ::unlink(f.source.c_str());
    ::rmdir(f.dir.c_str());
    return 0;
}
