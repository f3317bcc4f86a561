#include "report_run.h"

#include <optional>

#include "form/messages.h"
#include "report_output.h"
#include "session/calculator_session.h"

namespace brakefell::report {

namespace {

// The tool asks nobody anything and shows nothing: it learns how each command ended from the
// command itself.
class NobodyThere final : public UserPrompts {
  public:
    void showMessage(const QString&) override {}
    std::optional<QString> chooseFileToOpen(const QString&) override { return std::nullopt; }
    std::optional<QString> chooseFileToSave(const QString&) override { return std::nullopt; }
};

// A whole decimal integer, nothing else around it.
std::optional<int> StrictInteger(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.trimmed() != text || text.startsWith(u'+')) {
        return std::nullopt;
    }
    return value;
}

RunResult Failure(int status, const QString& error) {
    return {status, {}, error};
}

}  // namespace

QString ApplyAssignment(FormState& form, const ControlAssignment& assignment) {
    const ControlState* control = form.find(assignment.name);
    if (control == nullptr) {
        return QStringLiteral("unknown control: ") + assignment.name;
    }
    const QString& value = assignment.value;
    const auto refuse = [&](const char* expected) {
        return assignment.name + QStringLiteral(" takes ") + QString::fromUtf8(expected) +
               QStringLiteral(", not \"") + value + u'"';
    };

    switch (control->kind) {
        case ControlKind::TextBox:
            form.setText(assignment.name, value);
            return {};
        case ControlKind::CheckBox: {
            const auto state = StrictInteger(value);
            if (!state || *state < 0 || *state > 2) {
                return refuse("0, 1 or 2");
            }
            form.setCheck(assignment.name, *state);
            return {};
        }
        case ControlKind::DropDown: {
            const auto index = StrictInteger(value);
            if (!index || *index < -1 || *index >= control->items.size()) {
                return refuse(control->items.isEmpty()
                                  ? "-1 (the list is empty)"
                                  : "an index from -1 to the last entry of the list");
            }
            form.setListIndex(assignment.name, *index);
            return {};
        }
        case ControlKind::OptionButton: {
            const auto state = StrictInteger(value);
            if (!state || (*state != 0 && *state != 1)) {
                return refuse("1 (select it) or 0 (select its partner)");
            }
            form.setOption(assignment.name, *state == 1);
            return {};
        }
        case ControlKind::ResultBox:
        case ControlKind::Label:
        case ControlKind::Frame:
        case ControlKind::CommandButton:
            break;
    }
    return assignment.name + QStringLiteral(" is not an input control");
}

RunResult RunReport(const ReportOptions& options, const ProgramFolders& folders) {
    NobodyThere nobody;
    CalculatorSession session(options.edition, folders, nobody);

    const CommandOutcome started =
        session.startUp({.cataloguePath = options.cataloguePath, .loadLastRun = false});
    if (!started) {
        return Failure(kExitCatalogue, started.message);
    }
    // A profile that is not there at all fails as loudly as a damaged one.
    if (!options.profilePath.isEmpty() && !session.openProfileFile(options.profilePath)) {
        return Failure(kExitProfile, QString::fromUtf8(messages::kProfileOpenError));
    }

    for (const ControlAssignment& assignment : options.assignments) {
        const QString refusal = ApplyAssignment(session.form(), assignment);
        if (!refusal.isEmpty()) {
            return Failure(kExitUsage, refusal + u'\n' + UsageText());
        }
    }

    const CommandOutcome calculated = session.calculate();
    if (!calculated) {
        return Failure(kExitRefused, calculated.message);
    }

    if (!options.saveProfilePath.isEmpty()) {
        const CommandOutcome saved = session.saveProfileFile(options.saveProfilePath);
        if (!saved) {
            return Failure(kExitSave, saved.message);
        }
    }

    const QByteArray output = options.json ? JsonReport(session.form(), options.edition)
                                           : PlainReport(session.form()).toUtf8();
    return {kExitOk, output, {}};
}

}  // namespace brakefell::report
