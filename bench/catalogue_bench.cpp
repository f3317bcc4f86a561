// Start-up cost of the skill catalogue: parsing the shipped file from memory, and loading it
// from disk the way the program does.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <memory>

#include "catalogue/catalogue_reader.h"
#include "desktop_adapters/disk_storage.h"
#include "desktop_adapters/qt_text.h"

namespace {

// The build puts every program beside its catalogue, this benchmark included.
const std::string kShippedPath =
    brakefell::PathOf(QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget())
                          .dir()
                          .filePath(brakefell::kCatalogueFileName));

void ParseShippedCatalogue(benchmark::State& state) {
    const auto file = brakefell::DiskStorage().read(kShippedPath, 1024 * 1024);
    if (!file) {
        state.SkipWithError("shipped catalogue not found");
        return;
    }
    const std::string& bytes = file->bytes;
    for (auto _ : state) {
        auto catalogue = std::make_unique<brakefell::SkillCatalogue>();
        benchmark::DoNotOptimize(brakefell::ParseSkillCatalogue(bytes, *catalogue));
    }
}
BENCHMARK(ParseShippedCatalogue)->Unit(benchmark::kMicrosecond);

void LoadShippedCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        auto catalogue = std::make_unique<brakefell::SkillCatalogue>();
        const auto result =
            brakefell::LoadSkillCatalogue(brakefell::DiskStorage(), kShippedPath, *catalogue);
        if (!result.ok) {
            state.SkipWithError("shipped catalogue did not load");
            return;
        }
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(LoadShippedCatalogue)->Unit(benchmark::kMicrosecond);

}  // namespace
