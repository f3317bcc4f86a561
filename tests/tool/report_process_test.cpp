// The program itself: streams, exit statuses and encodings as a script sees them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QString ToolPath() {
    // Test programs and brakefell_report are built into the same folder.
    return QStringLiteral(BRAKEFELL_TOOL_DIR "/brakefell_report");
}

Outcome RunTool(const QStringList& arguments, const QString& workingDir = {}) {
    QProcess process;
    if (!workingDir.isEmpty()) {
        process.setWorkingDirectory(workingDir);
    }
    process.start(ToolPath(), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace

TEST(ReportProcess, FindsItsCatalogueBesideItselfFromAnyFolder) {
    QTemporaryDir elsewhere;
    const Outcome outcome = RunTool({"--json"}, elsewhere.path());
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.isEmpty());
    const QJsonObject json = QJsonDocument::fromJson(outcome.out).object();
    EXPECT_EQ(json["edition"].toString(), "full");
    EXPECT_TRUE(json["boxes"].toObject()["txtResult(0)"].toObject()["visible"].toBool());
    EXPECT_TRUE(QDir(elsewhere.path()).entryList(QDir::Files).isEmpty())
        << "the tool writes no last-run file";
}

TEST(ReportProcess, PrintsUtf8Korean) {
    const Outcome outcome = RunTool({"--edition", "lite"});
    ASSERT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.out.contains("- 일반 -"));
    EXPECT_TRUE(outcome.out.contains("=>> 기대값: "));
}

TEST(ReportProcess, FailuresGoToStandardErrorWithTheirStatus) {
    QTemporaryDir dir;
    const struct {
        QStringList arguments;
        int status;
        const char* message;
    } cases[] = {
        {{"--bogus"}, 2, "usage:"},
        {{"--set", "txtNothing=1"}, 2, "usage:"},
        {{"--catalogue", dir.filePath("none.txt")}, 3, "데이터 로딩 중 에러가 발생했습니다."},
        {{"--profile", dir.filePath("none.cfg")}, 4, "파일을 여는 도중 에러가 발생했습니다."},
        {{"--set", "txtMainStat=1e309"}, 5, ""},
        {{"--save-profile", dir.path()}, 6, "파일을 저장하는 도중 에러가 발생했습니다."},
    };
    for (const auto& c : cases) {
        const Outcome outcome = RunTool(c.arguments);
        EXPECT_EQ(outcome.exitCode, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(outcome.out.isEmpty()) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(outcome.err.contains(c.message)) << outcome.err.toStdString();
        EXPECT_FALSE(outcome.err.isEmpty());
    }
}

TEST(ReportProcess, HelpListsEveryOptionAndVersionSaysTheVersion) {
    const Outcome help = RunTool({"--help"});
    ASSERT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("usage: brakefell_report"));
    for (const char* option : {"--edition", "--catalogue", "--profile", "--set", "--save-profile",
                               "--json", "--metric", "--stat-values", "--compare", "--sweep",
                               "--csv", "--optimize", "--top", "--version", "--help"}) {
        EXPECT_TRUE(help.out.contains(option)) << option;
    }
    const Outcome version = RunTool({"--version"});
    ASSERT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("brakefell_report 0.")) << version.out.toStdString();
}
