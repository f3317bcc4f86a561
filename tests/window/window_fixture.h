#pragma once
// The real window on the offscreen platform, started in a scratch program folder, with the person
// in front of it played by the test: messages are recorded, file dialogs answered from a script,
// and a dialog the test did not expect fails the test.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "desktop_adapters/desktop_platform.h"
#include "desktop_adapters/qt_text.h"
#include "editions/edition.h"
#include "recording_prompts.h"
#include "session/calculator_session.h"
#include "text/strings.h"
#include "text_helpers.h"
#include "window/calculator_window.h"

namespace brakefell {

// Test names and messages say "full" or "lite" rather than the enum's bytes.
inline void PrintTo(Edition edition, std::ostream* out) {
    *out << Utf8OfUtf16(EditionName(edition));
}

}  // namespace brakefell

namespace brakefell::testing {

// Test names: "Full" and "Lite".
std::string EditionTestName(const ::testing::TestParamInfo<Edition>& info);

// The one QApplication of the test program, created on first use.
QApplication& TestApplication();

// A program folder holding the shipped catalogue (or not), and LastData.cfg once one is written.
class ProgramFolder {
  public:
    explicit ProgramFolder(bool withCatalogue = true);
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    ProgramFolders folders() const {
        return {PathOf(dir_.path()), PathOf(dir_.filePath("user-data"))};
    }

  private:
    QTemporaryDir dir_;
};

// One running program: session, start-up, and its window shown and active.
class RunningWindow {
  public:
    RunningWindow(Edition edition, const ProgramFolder& folder);
    ~RunningWindow();

    CalculatorSession& session() { return session_; }
    FormState& form() { return session_.form(); }
    CalculatorWindow& window() { return *window_; }
    RecordingPrompts& prompts() { return prompts_; }

    // The widget of a control; fails the test when the window lacks it.
    template <typename Widget>
    Widget* get(const QString& name);

    // Closes the window the way the person does; the window is gone afterwards.
    void close();

  private:
    QApplication& application_ = TestApplication();  // before any Qt object of the program
    RecordingPrompts prompts_;
    DesktopPlatform desktop_;
    CalculatorSession session_;
    std::unique_ptr<CalculatorWindow> window_;
};

template <typename Widget>
Widget* RunningWindow::get(const QString& name) {
    auto* widget = qobject_cast<Widget*>(window_->control(name));
    if (widget == nullptr) {
        throw std::runtime_error("no widget of that kind: " + name.toStdString());
    }
    return widget;
}

// The report text as a box shows it: the engine's CR LF line ends become plain line breaks.
QString AsShown(std::u16string_view reportText);

// What the person does with the mouse and keyboard.
void Click(QWidget* widget);
// Clicks a check box or option button on its mark, where a click always lands on it.
void Tick(QWidget* button);
void ClickAt(QWidget* widget, QPoint point);
void TypeInto(QWidget* widget, const QString& keys);
// Drops the list down and clicks the entry, as the person picks it (the same entry included).
void PickEntry(QComboBox* list, int index);

// What a table shows, in the order it shows its rows.
int ShownRows(const QAbstractItemView& table);
QString ShownText(const QAbstractItemView& table, int row, int column);
QColor ShownBackground(const QAbstractItemView& table, int row, int column);

}  // namespace brakefell::testing
