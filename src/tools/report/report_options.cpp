#include "report_options.h"

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

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--json") {
            options.json = true;
        } else if (argument == u"--help" || argument == u"-h") {
            options.help = true;
        } else if (Matches(argument, QStringLiteral("--edition"))) {
            const auto value = TakeValue(arguments, i, QStringLiteral("--edition"));
            if (value == u"full") {
                options.edition = Edition::Full;
            } else if (value == u"lite") {
                options.edition = Edition::Lite;
            } else {
                return refuse(QStringLiteral("--edition takes full or lite"));
            }
        } else if (Matches(argument, QStringLiteral("--catalogue"))) {
            const auto value = TakeValue(arguments, i, QStringLiteral("--catalogue"));
            if (!value || value->isEmpty()) {
                return refuse(QStringLiteral("--catalogue takes a path"));
            }
            options.cataloguePath = *value;
        } else if (Matches(argument, QStringLiteral("--profile"))) {
            const auto value = TakeValue(arguments, i, QStringLiteral("--profile"));
            if (!value || value->isEmpty()) {
                return refuse(QStringLiteral("--profile takes a path"));
            }
            options.profilePath = *value;
        } else if (Matches(argument, QStringLiteral("--save-profile"))) {
            const auto value = TakeValue(arguments, i, QStringLiteral("--save-profile"));
            if (!value || value->isEmpty()) {
                return refuse(QStringLiteral("--save-profile takes a path"));
            }
            options.saveProfilePath = *value;
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
