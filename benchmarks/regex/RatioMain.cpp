// Runs the benchmarks, then prints each engine's CPU time over its peer's for
// the pairs BM_TRegex/BM_PCRE2 and BM_SrcEditSearch/BM_Horspool.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "JavaText.h"

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
                labels_[run.benchmark_name()] = run.report_label;
            }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios(const char* ours, const char* peer) const {
        std::printf("\n%s / %s:\n", ours, peer);
        for (const auto& [name, time] : times_) {
            if (name.rfind(std::string(ours) + "/", 0) != 0) continue;
            std::string index = name.substr(name.find('/'));
            auto other = times_.find(peer + index);
            if (other == times_.end() || other->second <= 0) continue;
            std::printf("  %-32s %.2f\n", labels_.at(name).c_str(), time / other->second);
        }
    }

private:
    std::map<std::string, double> times_;
    std::map<std::string, std::string> labels_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::printf("corpus: %zu bytes of %s\n", JavaText().size(), JavaTextOrigin().c_str());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios("BM_TRegex", "BM_PCRE2");
    reporter.PrintRatios("BM_SrcEditSearch", "BM_Horspool");
    benchmark::Shutdown();
    return 0;
}
