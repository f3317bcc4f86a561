#pragma once
// Runs the analyses of "빌드 분석" off the window's thread, so that typing into the main window
// never waits for a sweep or the history's valuation. Each tab runs in a lane of its own. A run
// carries the inputs' generation it was read at, and its result is shown only while it still
// belongs to the inputs: when it is its lane's newest run and no input has changed since. A lane
// runs one calculation at a time; while it runs, only the newest request waits for its turn, so
// quick typing never piles up work for inputs long gone.
//
// The work gets everything it reads as a copy taken on the window's thread (the character sheet,
// a scratch form, build B), and the catalogue, which nothing changes after start-up. It never
// touches a widget or the calculator's own form; what it returns is called on the window's
// thread to show the result.

#include <QObject>
#include <QThreadPool>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace brakefell {

class AnalysisRunner : public QObject {
    Q_OBJECT

  public:
    using Show = std::function<void()>;  // on the window's thread
    using Work = std::function<Show()>;  // on a worker thread
    // A result for inputs since changed: dropped, or shown all the same (the optimiser shows
    // its ranking marked as out of date).
    enum class WhenStale { Drop, Show };

    // `generation` tells the inputs' generation of now.
    explicit AnalysisRunner(std::function<std::uint64_t()> generation, QObject* parent = nullptr);
    // Waits for the runs still going; their results are not shown.
    ~AnalysisRunner() override;

    void run(const QObject* lane, std::uint64_t generation, Work work,
             WhenStale whenStale = WhenStale::Drop);

    bool idle() const;
    // Lets the event loop run until no lane runs or waits: for tests and measurements.
    void waitUntilIdle();

  signals:
    // A run's result was shown.
    void shown();

  private:
    struct Request {
        std::uint64_t ticket = 0;
        std::uint64_t generation = 0;
        Work work;
        WhenStale whenStale = WhenStale::Drop;
    };
    struct Lane {
        std::uint64_t newest = 0;  // the ticket of the newest request
        bool running = false;
        std::optional<Request> waiting;
    };

    void start(const QObject* key, Request request);
    void finish(const QObject* key, const Request& request, const Show& show);

    std::function<std::uint64_t()> generation_;
    std::map<const QObject*, Lane> lanes_;
    QThreadPool pool_;
};

}  // namespace brakefell
