// brakefell_report: prints the calculator's report for a character given on the command line.
#include <QCoreApplication>
#include <cstdio>

#include "desktop_adapters/desktop_platform.h"
#include "report_options.h"
#include "report_run.h"

using namespace brakefell;

namespace {

void Write(std::FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

void WriteLine(std::FILE* stream, const QString& text) {
    Write(stream, (text.endsWith(u'\n') ? text : text + u'\n').toUtf8());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brakefell_report"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRAKEFELL_VERSION));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    const report::ParsedOptions parsed = report::ParseReportOptions(arguments);
    if (!parsed.options) {
        WriteLine(stderr, parsed.error + u'\n' + report::UsageText());
        return report::kExitUsage;
    }
    if (parsed.options->help) {
        Write(stdout, report::UsageText().toUtf8());
        return report::kExitOk;
    }
    if (parsed.options->version) {
        WriteLine(stdout, QCoreApplication::applicationName() + u' ' +
                              QCoreApplication::applicationVersion());
        return report::kExitOk;
    }

    DesktopPlatform desktop;
    const report::RunResult result =
        report::RunReport(*parsed.options, RunningProgramFolders(), desktop.platform());
    if (result.exitStatus != report::kExitOk) {
        WriteLine(stderr, result.errorText);
        return result.exitStatus;
    }
    Write(stdout, result.standardOutput);
    return report::kExitOk;
}
