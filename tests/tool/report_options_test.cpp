#include <gtest/gtest.h>

#include "report_options.h"

using namespace brakefell;
using namespace brakefell::report;

namespace {

ReportOptions Parsed(const QStringList& arguments) {
    const ParsedOptions parsed = ParseReportOptions(arguments);
    EXPECT_TRUE(parsed.options.has_value()) << parsed.error.toStdString();
    return parsed.options.value_or(ReportOptions{});
}

}  // namespace

TEST(ReportOptions, NoArgumentsMeansTheFullEditionAsPlainText) {
    const ReportOptions options = Parsed({});
    EXPECT_EQ(options.edition, Edition::Full);
    EXPECT_FALSE(options.json);
    EXPECT_TRUE(options.cataloguePath.isEmpty());
    EXPECT_TRUE(options.assignments.empty());
}

TEST(ReportOptions, EveryOptionInBothSpellings) {
    const ReportOptions options =
        Parsed({"--edition", "lite", "--catalogue=/c.txt", "--profile", "/p.cfg", "--set",
                "txtMainStat=9000", "--set=txtTesker=", "--save-profile", "/s.cfg", "--json"});
    EXPECT_EQ(options.edition, Edition::Lite);
    EXPECT_EQ(options.cataloguePath, "/c.txt");
    EXPECT_EQ(options.profilePath, "/p.cfg");
    EXPECT_EQ(options.saveProfilePath, "/s.cfg");
    EXPECT_TRUE(options.json);
    ASSERT_EQ(options.assignments.size(), 2u);
    EXPECT_EQ(options.assignments[0].name, "txtMainStat");
    EXPECT_EQ(options.assignments[0].value, "9000");
    EXPECT_EQ(options.assignments[1].name, "txtTesker");
    EXPECT_EQ(options.assignments[1].value, "");
}

TEST(ReportOptions, AssignmentsKeepTheirOrderAndTheValueVerbatim) {
    const ReportOptions options = Parsed({"--set", "txtSkill(18)=1,000 %", "--set",
                                          "txtMainStat= 12 =x", "--set", "txtSkill(18)=5"});
    ASSERT_EQ(options.assignments.size(), 3u);
    EXPECT_EQ(options.assignments[0].value, "1,000 %");
    EXPECT_EQ(options.assignments[1].value, " 12 =x");
    EXPECT_EQ(options.assignments[2].name, "txtSkill(18)");
    EXPECT_EQ(options.assignments[2].value, "5");
}

TEST(ReportOptions, MalformedCommandLinesAreRefused) {
    const QList<QStringList> refused = {
        {"--edition", "medium"}, {"--edition"},      {"--set", "txtMainStat"},
        {"--set", "=5"},         {"--set"},          {"--profile"},
        {"--catalogue", ""},     {"--save-profile"}, {"--frobnicate"},
        {"report.cfg"},
    };
    for (const QStringList& arguments : refused) {
        const ParsedOptions parsed = ParseReportOptions(arguments);
        EXPECT_FALSE(parsed.options.has_value()) << arguments.join(' ').toStdString();
        EXPECT_FALSE(parsed.error.isEmpty());
    }
}
