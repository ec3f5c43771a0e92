// Scanning a large table reads one record at a time: the time grows with the records, the
// memory does not (the scan holds one record buffer; peak RSS is reported as a counter).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tables/dbf_index.h"
#include "tables/dbf_table.h"

namespace {

std::string MakeTable(std::uint32_t records) {
    const char* tmp = std::getenv("TMPDIR");
    const std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + "/bxr_scan_bench_" +
                             std::to_string(::getpid()) + "_" + std::to_string(records) + ".dbf";
    bxr::DbfTable t;
    t.Create(path, {{"NAME", 'C', 40, 0}, {"A", 'N', 12, 3}, {"B", 'N', 12, 3}});
    for (std::uint32_t n = 1; n <= records; ++n) {
        t.BlankRecord();
        t.SetFieldText(1, "Profil " + std::to_string(n * 7919 % records));
        t.SetFieldNumber(2, n * 0.5L);
        t.SetFieldNumber(3, (records - n) * 0.25L);
        t.Append();
    }
    return path;
}

long PeakRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void BM_DbfScan(benchmark::State& state) {
    const auto records = static_cast<std::uint32_t>(state.range(0));
    const std::string path = MakeTable(records);
    bxr::DbfTable t;
    t.Open(path);
    for (auto _ : state) {
        long double sum = 0;
        for (std::uint32_t n = 1; n <= t.RecordCount(); ++n) {
            t.Read(n);
            sum += t.FieldNumber(2) + t.FieldNumber(3);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * records);
    state.counters["peak_rss_kb"] = static_cast<double>(PeakRssKb());
    t.Close();
    std::remove(path.c_str());
}
BENCHMARK(BM_DbfScan)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DbfIndexBuildAndFind(benchmark::State& state) {
    const auto records = static_cast<std::uint32_t>(state.range(0));
    const std::string path = MakeTable(records);
    bxr::DbfTable t;
    t.Open(path);
    std::string error;
    for (auto _ : state) {
        bxr::DbfIndex::Build(t, 1, path + ".ndx", bxr::DiskFileSystem(), error);
        bxr::DbfIndex index;
        index.Open(path + ".ndx", t, bxr::DiskFileSystem(), error);
        benchmark::DoNotOptimize(index.Find("Profil 4711"));
    }
    t.Close();
    std::remove(path.c_str());
    std::remove((path + ".ndx").c_str());
}
BENCHMARK(BM_DbfIndexBuildAndFind)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
