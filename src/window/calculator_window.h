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
#include "session/calculator_session.h"

class QScrollArea;

namespace brakefell {

class AnalysisWindow;

// How a window's session starts: from the last run, and every calculation it takes is recorded in
// the history.
StartupOptions WindowStartUp();

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

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void createWidgets(const WindowLayout& layout);
    QWidget* containerOf(LayoutParent parent);
    void connectInput(const ControlSpec& entry, QWidget* widget);
    void command(ControlRole role);  // what a command button gives
    void chainTabOrder(const WindowLayout& layout);
    void addShortcuts();

    CalculatorSession& session_;
    QSize content_;                    // the layout's client area, in pixels
    QWidget* canvas_ = nullptr;        // holds every control where the layout puts it
    QScrollArea* scroller_ = nullptr;  // shows the canvas, scrolling only on a small screen
    QHash<QString, QWidget*> controls_;
    QPointer<AnalysisWindow> analysis_;
    ListenerId shown_ = 0;  // the session's changes of a control, shown in its widget
    bool shutDown_ = false;
    bool fitted_ = false;
};

}  // namespace brakefell
