#include "report_options.h"

#include <algorithm>
#include <utility>

namespace brakefell::report {

namespace {

// "--name VALUE" or "--name=VALUE"; advances `i` past the value.
std::optional<QString> TakeValue(const QStringList& arguments, qsizetype& i, const QString& flag) {
    const QString& argument = arguments[i];
    if (argument.size() > flag.size() && argument.startsWith(flag) &&
        argument[flag.size()] == u'=') {
        return argument.mid(flag.size() + 1);
    }
    if (argument != flag || i + 1 >= arguments.size()) {
        return std::nullopt;
    }
    ++i;
    return arguments[i];
}

bool Matches(const QString& argument, const QString& flag) {
    return argument == flag || argument.startsWith(flag + u'=');
}

}  // namespace

QString UsageText() {
    return QStringLiteral(
        "usage: brakefell_report [--edition full|lite] [--catalogue PATH] [--profile PATH]\n"
        "                        [--set NAME=VALUE]... [--save-profile PATH] [--json]\n");
}

ParsedOptions ParseReportOptions(const QStringList& arguments) {
    ReportOptions options;
    const auto refuse = [](const QString& why) { return ParsedOptions{std::nullopt, why}; };
    // The options that name a file, and where each one's path goes.
    const std::pair<QString, QString ReportOptions::*> pathOptions[] = {
        {QStringLiteral("--catalogue"), &ReportOptions::cataloguePath},
        {QStringLiteral("--profile"), &ReportOptions::profilePath},
        {QStringLiteral("--save-profile"), &ReportOptions::saveProfilePath},
    };

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const auto pathOption =
            std::find_if(std::begin(pathOptions), std::end(pathOptions),
                         [&](const auto& option) { return Matches(argument, option.first); });
        if (argument == u"--json") {
            options.json = true;
        } else if (argument == u"--help" || argument == u"-h") {
            options.help = true;
        } else if (pathOption != std::end(pathOptions)) {
            const auto value = TakeValue(arguments, i, pathOption->first);
            if (!value || value->isEmpty()) {
                return refuse(pathOption->first + QStringLiteral(" takes a path"));
            }
            options.*(pathOption->second) = *value;
        } else if (Matches(argument, QStringLiteral("--edition"))) {
            const auto value = TakeValue(arguments, i, QStringLiteral("--edition"));
            const auto edition = value ? EditionNamed(*value) : std::nullopt;
            if (!edition) {
                return refuse(QStringLiteral("--edition takes full or lite"));
            }
            options.edition = *edition;
        } else if (Matches(argument, QStringLiteral("--set"))) {
            const auto value = TakeValue(arguments, i, QStringLiteral("--set"));
            const qsizetype equals = value ? value->indexOf(u'=') : -1;
            if (equals <= 0) {
                return refuse(QStringLiteral("--set takes NAME=VALUE"));
            }
            options.assignments.push_back({value->left(equals), value->mid(equals + 1)});
        } else {
            return refuse(QStringLiteral("unknown argument: ") + argument);
        }
    }
    return {options, {}};
}

}  // namespace brakefell::report
