#include "report_options.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include "analysis/number_boxes.h"
#include "desktop_adapters/qt_text.h"

namespace brakefell::report {
namespace {

struct OptionText {
    const char* name;
    const char* valueName;  // nullptr: a switch
    const char* description;
    const char* takes;  // the sentence's end when the value is missing or wrong
};

constexpr OptionText kOptions[] = {
    {"edition", "full|lite", "the edition: full (the default) or lite", "full or lite"},
    {"catalogue", "PATH", "the skill catalogue (default: beside the tool)", "a path"},
    {"profile", "PATH", "a profile to read after start-up", "a path"},
    {"code", "CODE", "a build's share code to read after the profile", "a share code"},
    {"set", "NAME=VALUE", "sets a control as the window would, in order", "NAME=VALUE"},
    {"save-profile", "PATH", "saves the inputs as a profile after calculating", "a path"},
    {"json", nullptr, "prints JSON: the report's boxes, or the analysis", nullptr},
    {"share-code", nullptr, "prints the inputs' share code, not the report", nullptr},
    {"metric", "NAME", "the analysis' metric: dps, kill-time-N, hit-K",
     "dps, kill-time-1 to kill-time-4 or hit-0 to hit-5"},
    {"stat-values", nullptr, "what one step of each number box is worth", nullptr},
    {"compare", "PATH", "the inputs against those of profile PATH", "a path"},
    {"sweep", "NAME=FROM:TO:STEP", "the metric over one number box", "NAME=FROM:TO:STEP"},
    {"csv", nullptr, "prints the analysis as CSV: plain numbers under the columns' captions",
     nullptr},
    {"optimize", "LIST", "the best runes,gems,passives (comma-separated)",
     "runes, gems and passives, comma-separated"},
    {"top", "N", "how many of the best the optimiser lists (10)", "a whole number from 1"},
};

const OptionText* OptionNamed(const QString& name) {
    for (const OptionText& option : kOptions) {
        if (name == QLatin1StringView(option.name)) {
            return &option;
        }
    }
    return nullptr;
}

QString Takes(const char* name) {
    const QString option = QString::fromLatin1(name);
    return QStringLiteral("--%1 takes %2")
        .arg(option, QString::fromUtf8(OptionNamed(option)->takes));
}

void AddOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const OptionText& option : kOptions) {
        QCommandLineOption added(QString::fromLatin1(option.name),
                                 QString::fromUtf8(option.description));
        if (option.valueName != nullptr) {
            added.setValueName(QString::fromLatin1(option.valueName));
        }
        parser.addOption(added);
    }
}

std::optional<SweepRequest> SweepOf(const QString& value) {
    static const QRegularExpression form(QStringLiteral("^([^=]+)=([^:]+):([^:]+):([^:]+)$"));
    const QRegularExpressionMatch match = form.match(value);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    SweepRequest sweep{FindNumberBox(TextOf(match.captured(1))), 0, 0, 0};
    bool ok[3] = {};
    sweep.from = match.captured(2).toDouble(&ok[0]);
    sweep.to = match.captured(3).toDouble(&ok[1]);
    sweep.step = match.captured(4).toDouble(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2]) {
        return std::nullopt;
    }
    return sweep;
}

std::optional<OptimizeChoices> ChoicesOf(const QString& value) {
    OptimizeChoices choices;
    for (const QString& word : value.split(u',')) {
        if (word == u"runes") {
            choices.runes = true;
        } else if (word == u"gems") {
            choices.gems = true;
        } else if (word == u"passives") {
            choices.passives = true;
        } else {
            return std::nullopt;
        }
    }
    return choices;
}

bool ReadSweep(const QString& value, ReportOptions& options) {
    const auto sweep = SweepOf(value);
    if (sweep) {
        options.sweep = *sweep;
    }
    return sweep.has_value();
}

bool ReadChoices(const QString& value, ReportOptions& options) {
    const auto choices = ChoicesOf(value);
    if (choices) {
        options.optimize = *choices;
    }
    return choices.has_value();
}

// The analyses, one at a time: the flag, the analysis it asks for, and how its argument is read
// (nullptr: a switch, or a path read with the other paths).
struct AnalysisFlag {
    const char* name;
    Analysis analysis;
    bool (*read)(const QString& value, ReportOptions& options);  // false: not its argument
};

constexpr AnalysisFlag kAnalysisFlags[] = {
    {"stat-values", Analysis::StatValues, nullptr},
    {"compare", Analysis::Compare, nullptr},
    {"sweep", Analysis::Sweep, ReadSweep},
    {"optimize", Analysis::Optimize, ReadChoices},
};

// Sets the analysis asked for; why the command line asks for none right, or the empty text.
QString ReadAnalysis(const QCommandLineParser& parser, ReportOptions& options) {
    int analyses = 0;
    for (const AnalysisFlag& flag : kAnalysisFlags) {
        const QLatin1StringView name(flag.name);
        if (!parser.isSet(name)) {
            continue;
        }
        if (flag.read != nullptr && !flag.read(parser.value(name), options)) {
            return Takes(flag.name);
        }
        options.analysis = flag.analysis;
        ++analyses;
    }
    if (analyses > 1) {
        return QStringLiteral("--stat-values, --compare, --sweep and --optimize go one at a time");
    }
    return {};
}

}  // namespace

QString UsageText() {
    QCommandLineParser parser;
    AddOptions(parser);
    QString text = parser.helpText();
    // Qt writes "Usage: <program>"; the tool's usage line starts "usage:".
    if (text.startsWith(QStringLiteral("Usage: "))) {
        text.replace(0, 6, QStringLiteral("usage:"));
    }
    const qsizetype programEnd = text.indexOf(u' ', 7);
    return QStringLiteral("usage: brakefell_report") + text.mid(programEnd);
}

namespace {

// Why the parser refused the command line, in the tool's words.
QString ParseFailure(const QCommandLineParser& parser) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString unknown = parser.unknownOptionNames().constFirst();
        const QString dashes = unknown.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        return QStringLiteral("unknown argument: ") + dashes + unknown;
    }
    // "Missing value after '--profile'."
    static const QRegularExpression missing(QStringLiteral("'-+([a-z-]+)'"));
    const QRegularExpressionMatch match = missing.match(parser.errorText());
    if (match.hasMatch() && OptionNamed(match.captured(1)) != nullptr) {
        const QByteArray name = match.captured(1).toLatin1();
        return Takes(name.constData());
    }
    return parser.errorText();
}

// The edition, the paths and the assignments: what the calculation starts from.
QString ReadInputs(const QCommandLineParser& parser, ReportOptions& options) {
    if (parser.isSet(QStringLiteral("edition"))) {
        const auto edition = EditionNamed(TextOf(parser.value(QStringLiteral("edition"))));
        if (!edition) {
            return Takes("edition");
        }
        options.edition = *edition;
    }
    const std::pair<const char*, QString ReportOptions::*> paths[] = {
        {"catalogue", &ReportOptions::cataloguePath},
        {"profile", &ReportOptions::profilePath},
        {"save-profile", &ReportOptions::saveProfilePath},
        {"compare", &ReportOptions::comparePath},
        {"code", &ReportOptions::shareCode},
    };
    for (const auto& [name, field] : paths) {
        if (parser.isSet(QLatin1StringView(name))) {
            const QString value = parser.value(QLatin1StringView(name));
            if (value.isEmpty()) {
                return Takes(name);
            }
            options.*field = value;
        }
    }
    for (const QString& value : parser.values(QStringLiteral("set"))) {
        const qsizetype equals = value.indexOf(u'=');
        if (equals <= 0) {
            return Takes("set");
        }
        options.assignments.push_back({value.left(equals), value.mid(equals + 1)});
    }
    return {};
}

// What goes with the analysis only: --share-code without one, --metric, --csv and --top with it.
QString ReadAnalysisOptions(const QCommandLineParser& parser, ReportOptions& options) {
    if (options.printShareCode && (options.json || !options.saveProfilePath.isEmpty() ||
                                   options.analysis != Analysis::None)) {
        return QStringLiteral(
            "--share-code prints the code alone: not with --json, --save-profile or an analysis");
    }
    if (parser.isSet(QStringLiteral("metric"))) {
        if (options.analysis == Analysis::None) {
            return QStringLiteral("--metric goes with an analysis");
        }
        options.metric = parser.value(QStringLiteral("metric"));
    }
    options.csv = parser.isSet(QStringLiteral("csv"));
    if (options.csv && options.analysis == Analysis::None) {
        return QStringLiteral("--csv goes with an analysis");
    }
    if (parser.isSet(QStringLiteral("top"))) {
        bool ok = false;
        options.top = parser.value(QStringLiteral("top")).toInt(&ok);
        if (!ok || options.top < 1) {
            return Takes("top");
        }
        if (options.analysis != Analysis::Optimize) {
            return QStringLiteral("--top goes with --optimize");
        }
    }
    return {};
}

}  // namespace

ParsedOptions ParseReportOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("brakefell_report")} + arguments)) {
        return {std::nullopt, ParseFailure(parser)};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {std::nullopt,
                QStringLiteral("unknown argument: ") + parser.positionalArguments().first()};
    }
    ReportOptions options;
    options.help = parser.isSet(QStringLiteral("help"));
    options.version = parser.isSet(QStringLiteral("version"));
    options.json = parser.isSet(QStringLiteral("json"));
    options.printShareCode = parser.isSet(QStringLiteral("share-code"));
    for (const auto read : {ReadInputs, ReadAnalysis, ReadAnalysisOptions}) {
        if (QString why = read(parser, options); !why.isEmpty()) {
            return {std::nullopt, std::move(why)};
        }
    }
    return {options, {}};
}

}  // namespace brakefell::report
