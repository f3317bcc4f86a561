#pragma once
// The calculator's one window: every control of the form, drawn where its edition's layout puts
// it. The window keeps no rule of its own: it shows the form's state, hands every edit, click and
// command to the session, and shows whatever the session's reactions change.

#include <QHash>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

#include "editions/window_layout.h"
#include "form/control_table.h"
#include "session/calculation_history.h"
#include "session/calculator_session.h"

class QScrollArea;

namespace brakefell {

class AnalysisWindow;

class CalculatorWindow : public QWidget {
    Q_OBJECT

  public:
    // The session has run its start-up; the window shows the state it left.
    explicit CalculatorWindow(CalculatorSession& session, QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    // The widget of a control by the control's name; nullptr for a name the form does not have.
    QWidget* control(const QString& name) const { return controls_.value(name); }

    // The edition's layout whole, at its own size, when `available` (a screen's free area) has
    // room for it with the window's frame; otherwise the same layout in a scroll area that fits,
    // so that no button is out of reach at a large scale. The layout itself never moves.
    void fitInto(QSize available);
    bool scrolls() const;

    // Writes the last-run profile, once, however the program ends; closing is never refused.
    void shutDown();

    // "분석": opens the companion window "빌드 분석", built on first use, or raises it.
    AnalysisWindow& openAnalysis();
    AnalysisWindow* analysis() const;  // nullptr until it is first opened

    // Ctrl+Shift+C: the inputs' share code to the clipboard, confirmed in a tooltip over `near`.
    void copyShareCode(QWidget* near);
    // Ctrl+Shift+V: the clipboard's code read as "열기" reads a profile.
    void pasteShareCode();

    // The calculations of this and earlier runs; "계산" adds to it.
    CalculationHistory& history() { return history_; }
    // Restores an entry's inputs through the profile reader, then presses "계산".
    void restore(const HistoryEntry& entry);

  signals:
    // An input changed: typed, checked, chosen, by the person or by a reaction or a profile.
    void inputsChanged();
    // "계산" took the inputs and the history has one more entry.
    void historyChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createWidgets(const WindowLayout& layout);
    QWidget* containerOf(LayoutParent parent);
    void connectInput(const ControlSpec& entry, QWidget* widget);
    void chainTabOrder(const WindowLayout& layout);
    void addShortcuts();
    void calculate();

    CalculatorSession& session_;
    QSize content_;                    // the layout's client area, in pixels
    QWidget* canvas_ = nullptr;        // holds every control where the layout puts it
    QScrollArea* scroller_ = nullptr;  // shows the canvas, scrolling only on a small screen
    QHash<QString, QWidget*> controls_;
    QPointer<AnalysisWindow> analysis_;
    CalculationHistory history_;
    bool shutDown_ = false;
};

}  // namespace brakefell
