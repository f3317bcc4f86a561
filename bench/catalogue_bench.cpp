// Start-up cost of the skill catalogue: parsing the shipped file from memory, and loading it
// from disk the way the program does.

#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "catalogue/catalogue_reader.h"

namespace {

// The build puts every program beside its catalogue, this benchmark included.
const QString kShippedPath = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget())
                                 .dir()
                                 .filePath(brakefell::kCatalogueFileName);

void ParseShippedCatalogue(benchmark::State& state) {
    QFile file(kShippedPath);
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("shipped catalogue not found");
        return;
    }
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        auto catalogue = std::make_unique<brakefell::SkillCatalogue>();
        benchmark::DoNotOptimize(brakefell::ParseSkillCatalogue(bytes, *catalogue));
    }
}
BENCHMARK(ParseShippedCatalogue)->Unit(benchmark::kMicrosecond);

void LoadShippedCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        auto catalogue = std::make_unique<brakefell::SkillCatalogue>();
        const auto result = brakefell::LoadSkillCatalogue(kShippedPath, *catalogue);
        if (!result.ok) {
            state.SkipWithError("shipped catalogue did not load");
            return;
        }
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(LoadShippedCatalogue)->Unit(benchmark::kMicrosecond);

}  // namespace
