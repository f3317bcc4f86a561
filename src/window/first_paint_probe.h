#pragma once
// Start-up timing aid. With BRAKEFELL_QUIT_AFTER_SHOW=1 in the environment, a program prints
// "shown <nanoseconds since the epoch>" once its window has painted for the first time, then
// closes that window. scripts/startup_timing.sh compares the calculator with an empty window.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace brakefell {

class FirstPaintProbe : public QObject {
  public:
    static void InstallIfAsked(QWidget& window) {
        if (qEnvironmentVariableIntValue("BRAKEFELL_QUIT_AFTER_SHOW") == 1) {
            window.installEventFilter(new FirstPaintProbe(window));
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs once this paint has been done and handed to the screen.
            QTimer::singleShot(0, &window_, [this] {
                std::timespec now{};
                std::timespec_get(&now, TIME_UTC);
                std::printf("shown %lld%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
                std::fflush(stdout);
                window_.close();
            });
        }
        return false;
    }

  private:
    explicit FirstPaintProbe(QWidget& window) : QObject(&window), window_(window) {}

    QWidget& window_;
    bool seen_ = false;
};

}  // namespace brakefell
