#include "report_run.h"

#include <iterator>
#include <optional>
#include <variant>

#include "analysis/compare.h"
#include "analysis/comparison_build.h"
#include "analysis/metric_choice.h"
#include "analysis/metric_probe.h"
#include "analysis/optimizer.h"
#include "analysis/stat_values.h"
#include "analysis/sweep.h"
#include "analysis_output.h"
#include "desktop_adapters/optimizer_threads.h"
#include "desktop_adapters/qt_text.h"
#include "form/control_assignment.h"
#include "form/messages.h"
#include "report_output.h"
#include "session/calculator_session.h"

namespace brakefell::report {

namespace {

RunResult Failure(int status, const QString& error) {
    return {status, {}, error};
}

RunResult Done(QByteArray output) {
    return {kExitOk, std::move(output), {}};
}

// The metric asked for, or the inputs' default; why there is none as a usage error. A metric asked
// for that the inputs lack is refused, never replaced by another.
std::variant<QString, Metric> ChosenMetric(const ReportOptions& options,
                                           const CharacterSheet& sheet,
                                           const SkillCatalogue& catalogue) {
    std::optional<Metric> asked;
    if (!options.metric.isEmpty()) {
        asked = MetricNamed(TextOf(options.metric));
        if (!asked) {
            return QStringLiteral(
                       "unknown metric: %1 (dps, kill-time-1 to kill-time-4, "
                       "hit-0 to hit-5)")
                .arg(options.metric);
        }
    }
    const MetricChoice choice = ChooseMetric(asked, sheet, catalogue);
    if (!choice.missing.empty()) {
        return QStringOf(choice.missing);
    }
    if (!choice.metric && !asked) {
        return QStringLiteral(
            "No metric exists for these inputs: no slot's rune deals "
            "damage and the sentries do not fire the skills.");
    }
    if (!choice.metric) {
        return QStringOf(choice.note);
    }
    return *choice.metric;
}

// CSV where asked for, even with --json, as for the sweep.
OutputForm FormOf(const ReportOptions& options) {
    return options.csv ? OutputForm::Csv : OutputForm::Columns;
}

RunResult Compare(const ReportOptions& options, CalculatorSession& a, Metric metric) {
    // B is the profile read over the inputs of A: what a profile does not hold (the options under
    // "-결과 계산 적용 변수-") stays as A has it.
    NobodyThere nobody;
    ComparisonBuild b;
    if (!b.loadProfile(a.platform().storage, PathOf(options.comparePath), a.form(), nobody)) {
        return Failure(kExitProfile, QStringOf(messages::kProfileOpenError));
    }
    const Comparison comparison = CompareBuilds(a.form(), b.form(), metric);
    return Done(options.json && !options.csv ? ComparisonJson(comparison)
                                             : ComparisonText(comparison, FormOf(options)));
}

RunResult Sweep(const ReportOptions& options, const CharacterSheet& sheet,
                const MetricProbe& probe) {
    const auto swept = ComputeSweep(sheet, options.sweep, probe);
    if (const std::u16string* why = std::get_if<std::u16string>(&swept)) {
        return Failure(kExitUsage, QStringLiteral("--sweep: ") + QStringOf(*why));
    }
    const auto& sweep = std::get<brakefell::Sweep>(swept);
    if (options.csv) {
        return Done(QBytesOf(SweepCsv(sweep)));
    }
    return Done(options.json ? SweepJson(sweep) : SweepText(sweep));
}

RunResult RunAnalysis(const ReportOptions& options, CalculatorSession& session) {
    const CharacterSheet sheet = session.form().characterSheet();
    const auto chosen = ChosenMetric(options, sheet, session.catalogue());
    if (const QString* why = std::get_if<QString>(&chosen)) {
        return Failure(kExitUsage, *why);
    }
    const Metric metric = std::get<Metric>(chosen);
    const MetricProbe probe(session.catalogue(), metric);
    switch (options.analysis) {
        case Analysis::StatValues: {
            const StatValues values = ComputeStatValues(sheet, probe);
            return Done(options.json && !options.csv ? StatValuesJson(values)
                                                     : StatValuesText(values, FormOf(options)));
        }
        case Analysis::Compare:
            return Compare(options, session, metric);
        case Analysis::Sweep:
            return Sweep(options, sheet, probe);
        case Analysis::Optimize: {
            const Optimization best =
                OptimizeOnThreads(sheet, probe, options.optimize, options.top);
            return Done(options.json && !options.csv
                            ? OptimizationJson(best, metric)
                            : OptimizationText(best, metric, session.form(), FormOf(options)));
        }
        case Analysis::None:
            break;
    }
    return Failure(kExitUsage, QStringLiteral("no analysis"));
}

}  // namespace

RunResult RunReport(const ReportOptions& options, const ProgramFolders& folders,
                    const Platform& platform) {
    NobodyThere nobody;
    CalculatorSession session(options.edition, folders, platform, nobody);

    const CommandOutcome started =
        session.startUp({.cataloguePath = PathOf(options.cataloguePath), .loadLastRun = false});
    if (!started) {
        return Failure(kExitCatalogue, QStringOf(started.message));
    }
    // A profile that is not there at all fails as loudly as a damaged one.
    if (!options.profilePath.isEmpty() && !session.openProfileFile(PathOf(options.profilePath))) {
        return Failure(kExitProfile, QStringOf(messages::kProfileOpenError));
    }
    if (!options.shareCode.isEmpty() && !session.openShareCode(TextOf(options.shareCode))) {
        return Failure(kExitProfile, QStringOf(messages::kShareCodeError));
    }

    for (const ControlAssignment& assignment : options.assignments) {
        const QString refusal = QStringOf(
            ApplyAssignment(session.form(), TextOf(assignment.name), TextOf(assignment.value)));
        if (!refusal.isEmpty()) {
            return Failure(kExitUsage, refusal + u'\n' + UsageText());
        }
    }

    // A code is of the inputs, whether the calculation would take them or not.
    if (options.printShareCode) {
        return Done(QStringOf(session.shareCode() + u'\n').toUtf8());
    }

    const CommandOutcome calculated = session.calculate();
    if (!calculated) {
        return Failure(kExitRefused, QStringOf(calculated.message));
    }

    if (!options.saveProfilePath.isEmpty()) {
        const CommandOutcome saved = session.saveProfileFile(PathOf(options.saveProfilePath));
        if (!saved) {
            return Failure(kExitSave, QStringOf(saved.message));
        }
    }

    if (options.analysis != Analysis::None) {
        return RunAnalysis(options, session);
    }
    const QByteArray output = options.json ? JsonReport(session.form(), options.edition)
                                           : PlainReport(session.form()).toUtf8();
    return {kExitOk, output, {}};
}

}  // namespace brakefell::report
