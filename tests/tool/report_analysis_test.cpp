// brakefell_report's analyses and share codes as a script sees them: their JSON, their agreement
// with separate runs of the tool, and every bad argument.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "desktop_adapters/desktop_platform.h"
#include "desktop_adapters/qt_text.h"
#include "form/messages.h"
#include "report_run.h"

using namespace brakefell;
using namespace brakefell::report;

namespace {

const QString kShippedCatalogue = QStringLiteral(BRAKEFELL_SOURCE_DIR "/data/Gloamstalker007.txt");

// The command line parsed and run as the program does; a refused command line is status 2.
RunResult RunTool(QStringList arguments) {
    static QTemporaryDir programDir;
    static DesktopPlatform desktop;
    arguments << QStringLiteral("--catalogue") << kShippedCatalogue;
    const ParsedOptions parsed = ParseReportOptions(arguments);
    if (!parsed.options) {
        return {kExitUsage, {}, parsed.error};
    }
    return RunReport(*parsed.options,
                     {PathOf(programDir.path()), PathOf(programDir.filePath("user"))},
                     desktop.platform());
}

QJsonObject Json(const QStringList& arguments) {
    const RunResult result = RunTool(arguments + QStringList{QStringLiteral("--json")});
    EXPECT_EQ(result.exitStatus, kExitOk) << result.errorText.toStdString();
    return QJsonDocument::fromJson(result.standardOutput).object();
}

// "1초당 총 피해량 기대값(정예):  253,836,074" of the plain report, as a number.
double ReportedDps(const QStringList& sets) {
    QStringList arguments;
    for (const QString& set : sets) {
        arguments << QStringLiteral("--set") << set;
    }
    const RunResult result = RunTool(arguments);
    const QString report = QString::fromUtf8(result.standardOutput);
    const QRegularExpression line(QStringLiteral("1초당 총 피해량 기대값\\(정예\\): +([\\d,]+)"));
    const QRegularExpressionMatch match = line.match(report);
    EXPECT_TRUE(match.hasMatch()) << report.toStdString();
    return match.captured(1).remove(u',').toDouble();
}

TEST(ReportAnalyses, StatValuesJsonHasExactlyItsKeys) {
    const QJsonObject json = Json({"--stat-values"});
    EXPECT_EQ(json.keys(), (QStringList{"attack_speed", "base", "better", "metric", "rows"}));
    EXPECT_EQ(json["metric"].toString(), "dps");
    EXPECT_EQ(json["better"].toString(), "higher");
    const QJsonObject row = json["rows"].toArray()[0].toObject();
    EXPECT_EQ(row.keys(),
              (QStringList{"caption", "main_stat_equivalent", "minus", "name", "plus", "step"}));
    EXPECT_EQ(row["plus"].toObject().keys(), (QStringList{"delta", "percent", "refused", "value"}));
    const QJsonObject speed = json["attack_speed"].toObject();
    EXPECT_EQ(speed["current"].toDouble(), 27);
    EXPECT_EQ(speed["next"].toObject().keys(), (QStringList{"at", "percent", "value"}));
    EXPECT_EQ(speed["drop"].toObject().keys(), (QStringList{"below", "percent", "value"}));
    EXPECT_EQ(speed["drop"].toObject()["below"].toDouble(), 25.16);

    const QJsonObject lower = Json({"--stat-values", "--metric", "kill-time-2"});
    EXPECT_EQ(lower["better"].toString(), "lower");
}

TEST(ReportAnalyses, AStatValueIsWhatTheReportSaysWithTheBoxSet) {
    const QJsonObject json = Json({"--stat-values"});
    const double base = json["base"].toDouble();
    EXPECT_NEAR(ReportedDps({}), base, 0.5);
    for (const QJsonValue value : json["rows"].toArray()) {
        const QJsonObject row = value.toObject();
        const QString name = row["name"].toString();
        if (name != "txtMainStat" && name != "txtCriticalChance" && name != "txtSkill(22)") {
            continue;
        }
        const QJsonObject inputs = QJsonDocument::fromJson(RunTool({"--json"}).standardOutput)
                                       .object()["inputs"]
                                       .toObject();
        const double now = inputs[name].toString().toDouble();
        const double plus = row["plus"].toObject()["value"].toDouble();
        const QString raised = name + u'=' + QString::number(now + row["step"].toDouble());
        EXPECT_NEAR(ReportedDps({raised}), plus, 0.5) << raised.toStdString();
    }
}

TEST(ReportAnalyses, CompareSweepAndOptimizeJsonHaveExactlyTheirKeys) {
    QTemporaryDir dir;
    const QString b = dir.filePath("b.cfg");
    ASSERT_EQ(RunTool({"--set", "txtMainStat=9000", "--save-profile", b}).exitStatus, kExitOk);
    const QJsonObject compare = Json({"--compare", b});
    EXPECT_EQ(compare.keys(), (QStringList{"a", "b", "inputs_differ", "metric"}));
    const QJsonArray differ = compare["inputs_differ"].toArray();
    ASSERT_EQ(differ.size(), 1);
    EXPECT_EQ(differ[0].toObject()["name"].toString(), "txtMainStat");
    EXPECT_EQ(differ[0].toObject()["caption"].toString(), "민첩");
    EXPECT_EQ(differ[0].toObject()["a"].toString(), "8830");
    EXPECT_EQ(differ[0].toObject()["b"].toString(), "9000");
    EXPECT_LT(compare["a"].toObject()["dps"].toDouble(), compare["b"].toObject()["dps"].toDouble());

    const QJsonObject sweep = Json({"--sweep", "txtAttackSpeed=20:30:5"});
    EXPECT_EQ(sweep.keys(), (QStringList{"bracket_changes", "metric", "name", "points"}));
    ASSERT_EQ(sweep["points"].toArray().size(), 3);
    EXPECT_EQ(sweep["points"].toArray()[1].toArray()[0].toDouble(), 25);
    EXPECT_EQ(sweep["bracket_changes"].toArray(), QJsonArray{25.17});

    const QJsonObject best = Json({"--optimize", "runes", "--top", "2"});
    EXPECT_EQ(best.keys(),
              (QStringList{"base", "combinations", "gap_percent", "metric", "rank", "top"}));
    EXPECT_EQ(best["combinations"].toInt(), 46656);
    ASSERT_EQ(best["top"].toArray().size(), 2);
    EXPECT_EQ(best["top"].toArray()[0].toObject().keys(),
              (QStringList{"changes", "gap_percent", "percent", "ties", "value"}));

    // Every combination is one distinct outcome or ties with one: with room for all of them, the
    // outcomes and their ties count every combination once.
    const QJsonObject all = Json({"--optimize", "runes", "--top", "50000"});
    qint64 counted = 0;
    for (const QJsonValue entry : all["top"].toArray()) {
        counted += entry.toObject()["ties"].toInteger() + 1;
    }
    EXPECT_EQ(counted, all["combinations"].toInteger());
    EXPECT_LT(all["top"].toArray().size(), 46656);
}

// The build of now stands where its reading is when every distinct outcome is listed, beyond
// the two kept, and as far short of the best as the values say ("높음": a kill time is better
// lower); a listed outcome's gap is its own.
TEST(ReportAnalyses, TheBuildOfNowStandsWhereTheWholeRankingPutsIt) {
    for (const QString metric : {"dps", "kill-time-2"}) {
        const QStringList worse = {"--set", "cboUsingSkillRune(1)=2", "--metric", metric};
        const QStringList two = worse + QStringList{"--optimize", "runes", "--top", "2"};
        const QJsonObject json = Json(two);
        const QJsonArray all =
            Json(worse + QStringList{"--optimize", "runes", "--top", "50000"})["top"].toArray();
        const double unit = metric == "dps" ? 1 : 0.01;  // the last digit shown
        const auto reading = [unit](const QJsonValue& v) {
            return std::round(v.toDouble() / unit);
        };
        qsizetype place = 0;
        while (place < all.size() && reading(all[place]["value"]) != reading(json["base"])) {
            ++place;
        }
        EXPECT_GT(place, 2) << metric.toStdString();
        EXPECT_EQ(json["rank"].toInteger(), place + 1) << metric.toStdString();
        const QJsonArray top = json["top"].toArray();
        const auto gap = [best = top[0]["value"].toDouble()](const QJsonValue& v) {
            return 100 * std::abs(best - v.toDouble()) / best;
        };
        EXPECT_DOUBLE_EQ(json["gap_percent"].toDouble(), gap(json["base"]));
        EXPECT_DOUBLE_EQ(top[1]["gap_percent"].toDouble(), gap(top[1]["value"]));
        const QString line = QString::fromUtf8(RunTool(two).standardOutput).split(u'\n').value(2);
        EXPECT_EQ(line.toStdString(), QStringLiteral("지금 빌드: %1위, 최고보다 %2% %3")
                                          .arg(place + 1)
                                          .arg(gap(json["base"]), 0, 'f', 2)
                                          .arg(metric == "dps" ? "낮음" : "높음")
                                          .toStdString());
    }
}

TEST(ReportAnalyses, NoPercentageOfABuildWithoutDamage) {
    // Damage 0 is no base for a share: the percentage is left out, never "inf", "nan" or a bare
    // sign ("%", "(%)").
    QTemporaryDir dir;
    const QString b = dir.filePath("b.cfg");
    ASSERT_EQ(RunTool({"--save-profile", b}).exitStatus, kExitOk);
    const QStringList nothing = {"--set", "txtWeaponDamageMin=0", "--set", "txtWeaponDamageMax=0"};
    const QRegularExpression bare(QStringLiteral("(?<![0-9])%|inf|nan"));
    for (const QStringList& analysis : QList<QStringList>{
             {"--compare", b}, {"--stat-values"}, {"--optimize", "runes", "--top", "2"}}) {
        const RunResult result = RunTool(nothing + analysis);
        ASSERT_EQ(result.exitStatus, kExitOk) << analysis[0].toStdString();
        int zeros = 0;
        for (const QString& line : QString::fromUtf8(result.standardOutput).split(u'\n')) {
            // The comparison's figures: label, A, B, difference, percentage.
            const QStringList cells = line.split(QRegularExpression(QStringLiteral(" {2,}")));
            zeros += cells.size() == 5 && cells[1] == "0" && cells[4] == "-";
            EXPECT_TRUE(line.startsWith(u"항목") || !line.contains(bare)) << line.toStdString();
        }
        EXPECT_EQ(zeros, analysis[0] == "--compare" ? 8 : 0);
    }
}

TEST(ReportAnalyses, TheBestRunesAppliedThroughSetReproduceTheirValue) {
    const QJsonObject best = Json({"--optimize", "runes,passives", "--top", "1"});
    const QJsonObject top = best["top"].toArray()[0].toObject();
    QStringList sets;
    for (const QJsonValue change : top["changes"].toArray()) {
        sets << change.toObject()["name"].toString() + u'=' +
                    QString::number(change.toObject()["to"].toInt());
    }
    ASSERT_FALSE(sets.isEmpty());
    QStringList arguments;
    for (const QString& set : sets) {
        arguments << QStringLiteral("--set") << set;
    }
    const QJsonObject again = Json(arguments + QStringList{"--stat-values"});
    EXPECT_EQ(again["base"].toDouble(), top["value"].toDouble());
    EXPECT_GT(top["percent"].toDouble(), 0);
}

TEST(ReportAnalyses, CsvIsAHeaderThenValueAndMetricPerPoint) {
    const RunResult result = RunTool({"--sweep", "txtCriticalChance=30:31:0.5", "--csv"});
    ASSERT_EQ(result.exitStatus, kExitOk);
    const QStringList lines = QString::fromUtf8(result.standardOutput).split(u'\n');
    ASSERT_EQ(lines.size(), 5);  // header, three points, and the empty text after the last end
    EXPECT_EQ(lines[0], "txtCriticalChance,dps");
    EXPECT_TRUE(lines[1].startsWith("30,"));
    EXPECT_TRUE(lines[2].startsWith("30.5,"));
    EXPECT_TRUE(lines[3].startsWith("31,"));
    EXPECT_EQ(lines[4], "");
}

// The optimiser's CSV lists the ranks of its text, each value the JSON's to the digit shown.
TEST(ReportAnalyses, AnAnalysisAsCsvHoldsTheFiguresOfItsJson) {
    const QStringList optimize = {"--optimize", "runes", "--top", "3"};
    const RunResult csv = RunTool(optimize + QStringList{"--csv"});
    ASSERT_EQ(csv.exitStatus, kExitOk);
    const QStringList lines = QString::fromUtf8(csv.standardOutput).split(u'\n');
    const QJsonArray top = Json(optimize)["top"].toArray();
    ASSERT_EQ(lines.size(), top.size() + 2);  // the header, the ranks, the empty text after
    EXPECT_EQ(lines[0], QStringLiteral("순위,초당 피해량(정예),변화,최고와 차이,바꿀 것"));
    for (qsizetype rank = 0; rank < top.size(); ++rank) {
        const QStringList fields = lines[rank + 1].split(u',');
        EXPECT_EQ(fields[0].toInt(), rank + 1);
        EXPECT_EQ(fields[1].toDouble(), std::round(top[rank]["value"].toDouble()));
    }
}

TEST(ReportAnalyses, EveryBadArgumentIsAUsageErrorWithOneSentenceAndNoOutput) {
    const QList<QStringList> bad = {
        {"--sweep", "txtNothing=1:2:1"},         // unknown NAME
        {"--sweep", "txtGemStrong=1:2:1"},       // a box the calculation never reads
        {"--stat-values", "--metric", "speed"},  // unknown metric
        {"--stat-values", "--metric", "dps", "--set", "chkCrossbow=0"},  // no such value
        {"--stat-values", "--metric", "kill-time-1", "--set", "chkCrossbow=0"},
        {"--stat-values", "--metric", "hit-0"},  // slot 0's rune deals no damage
        {"--sweep", "txtMainStat=1:2:0"},        // STEP <= 0
        {"--sweep", "txtMainStat=1:2:-1"},
        {"--sweep", "txtMainStat=3:2:1"},       // FROM > TO
        {"--sweep", "txtMainStat=0:100000:1"},  // more than 100,000 points
        {"--sweep", "txtMainStat=1:2"},         // not NAME=FROM:TO:STEP
        {"--sweep", "txtMainStat=a:2:1"},
        {"--optimize", "runes", "--top", "0"},  // N < 1
        {"--optimize", "runes", "--top", "x"},
        {"--optimize", "jewels"},
        {"--optimize", ""},
        {"--stat-values", "--optimize", "runes"},  // two analyses at once
        {"--metric", "dps"},                       // a metric without an analysis
        {"--csv"},
        {"--top", "3"},
        {"--compare"},
    };
    for (const QStringList& arguments : bad) {
        const RunResult result = RunTool(arguments);
        EXPECT_EQ(result.exitStatus, kExitUsage) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.standardOutput.isEmpty()) << arguments.join(' ').toStdString();
        EXPECT_FALSE(result.errorText.isEmpty());
        EXPECT_FALSE(result.errorText.contains(u'\n')) << result.errorText.toStdString();
    }
    // A profile B that cannot be read is the profile's failure, as --profile's.
    const RunResult missing = RunTool({"--compare", "/nonexistent/b.cfg"});
    EXPECT_EQ(missing.exitStatus, kExitProfile);
}

TEST(ReportShareCodes, ACodeCarriesTheSetsToAnotherRun) {
    const QStringList sets = {"--set", "txtMainStat=9123",      "--set", "chkCrossbow=0",
                              "--set", "cboUsingSkillRune(1)=3"};
    const RunResult coded = RunTool(sets + QStringList{"--share-code"});
    ASSERT_EQ(coded.exitStatus, kExitOk);
    const QString code = QString::fromUtf8(coded.standardOutput).trimmed();
    EXPECT_TRUE(code.startsWith(QStringLiteral("BF2.")));
    EXPECT_EQ(coded.standardOutput, code.toUtf8() + '\n');

    const RunResult fromCode = RunTool({"--code", code});
    ASSERT_EQ(fromCode.exitStatus, kExitOk);
    EXPECT_EQ(fromCode.standardOutput, RunTool(sets).standardOutput);
    EXPECT_EQ(RunTool({"--code", code, "--share-code"}).standardOutput, coded.standardOutput);
}

TEST(ReportShareCodes, WhatIsNotACodeFailsAsAnUnreadableProfile) {
    for (const QString& notCode :
         {QStringLiteral("BF2.eNpl"), QStringLiteral("BF1.%%%"), QStringLiteral("hello")}) {
        const RunResult result = RunTool({"--code", notCode});
        EXPECT_EQ(result.exitStatus, kExitProfile);
        EXPECT_TRUE(result.standardOutput.isEmpty());
        EXPECT_EQ(result.errorText, QStringOf(messages::kShareCodeError));
    }
    for (const QStringList& alone : QList<QStringList>{{"--share-code", "--json"},
                                                       {"--share-code", "--stat-values"},
                                                       {"--share-code", "--save-profile", "x.cfg"},
                                                       {"--code"}}) {
        EXPECT_EQ(RunTool(alone).exitStatus, kExitUsage) << alone.join(' ').toStdString();
    }
}

}  // namespace
