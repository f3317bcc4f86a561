// ComputeFigures is pure: four threads working through the same characters with one catalogue
// get exactly what one thread gets.
#include <gtest/gtest.h>

#include <random>
#include <thread>
#include <vector>

#include "engine/compute_figures.h"
#include "engine/report/write_report.h"
#include "engine_fixtures.h"
#include "golden_cases.h"
#include "random_characters.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

std::vector<std::u16string> Reports(const std::vector<CharacterSheet>& sheets,
                                    const SkillCatalogue& catalogue) {
    std::vector<std::u16string> reports;
    reports.reserve(sheets.size());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const Edition edition = i % 2 == 0 ? Edition::Full : Edition::Lite;
        const BuildFigures figures = ComputeFigures(sheets[i], catalogue);
        reports.push_back(testing::RenderForGolden(WriteReport(figures, catalogue, edition)));
    }
    return reports;
}

TEST(FiguresOnThreads, FourThreadsOnOneCatalogueGetWhatOneThreadGets) {
    std::mt19937_64 random(99);
    std::vector<CharacterSheet> sheets;
    for (int i = 0; i < testing::RandomCaseCount(200); ++i) {
        sheets.push_back(testing::RandomCharacter(random));
    }
    const SkillCatalogue& catalogue = testing::ShippedCatalogue();
    const std::vector<std::u16string> alone = Reports(sheets, catalogue);

    std::vector<std::vector<std::u16string>> together(4);
    std::vector<std::thread> threads;
    for (auto& reports : together) {
        threads.emplace_back([&] { reports = Reports(sheets, catalogue); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const auto& reports : together) {
        EXPECT_EQ(reports, alone);
    }
}

}  // namespace
}  // namespace brakefell
