// The analyses as a page's worker runs them: one analyst per worker, over its own catalogue and a
// build handed over as bytes (BytesOfBuild), never the page's widgets. Each answer is the core's
// own page of tables (analysis_pages.h) as a plain value that a worker can post; the page only
// draws it. The optimiser's search is split into ranges that several analysts compute and one
// merges (OptimizationSearch), so every worker answers the same ranking.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>

#include "analysis/analysis_csv.h"
#include "analysis/analysis_pages.h"
#include "analysis/analysis_texts.h"
#include "analysis/analysis_words.h"
#include "analysis/compare.h"
#include "analysis/history_readings.h"
#include "analysis/history_values.h"
#include "analysis/metric_choice.h"
#include "analysis/metric_probe.h"
#include "analysis/optimization_merger.h"
#include "analysis/optimizer.h"
#include "analysis/stat_values.h"
#include "analysis/sweep.h"
#include "catalogue/catalogue_reader.h"
#include "form/input_captions.h"
#include "form/messages.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "profile/shared_build.h"
#include "text/strings.h"
#include "web/page_analysis_shapes.h"
#include "web/page_host.h"

namespace brakefell::web {
namespace {

using emscripten::val;

std::optional<Metric> AskedMetric(const std::u16string& name) {
    return name.empty() ? std::nullopt : MetricNamed(name);
}

}  // namespace

class PageAnalyst {
  public:
    // `catalogue`: the bytes of the shipped catalogue file, as the calculator reads it.
    explicit PageAnalyst(const val& catalogue) {
        const CatalogueLoadResult loaded = ParseSkillCatalogue(BytesOfJs(catalogue), catalogue_);
        ready_ = loaded.ok && loaded.skillsStored > 0;
        FillStartUpLists(blank_);
        if (ready_) {
            FillSkillSlots(blank_);
        }
    }

    // The words of the analyses' controls by name: {caption, tip}, the tabs' names in order, and
    // the sentences the page says by itself.
    val words() const {
        val byName = val::object();
        for (const AnalysisWord& word : AnalysisWords()) {
            val texts = val::object();
            texts.set("caption", Utf16OfUtf8(word.caption));
            texts.set("tip", Utf16OfUtf8(word.tip));
            byName.set(word.name, texts);
        }
        val tabs = val::array();
        for (const AnalysisWord& word : AnalysisTabWords()) {
            tabs.call<void>("push", std::string(word.name));
        }
        val sentences = val::object();
        sentences.set("outOfDate", std::u16string(kResultOutOfDate));
        sentences.set("nothingToVary", std::u16string(kNothingToVary));
        sentences.set("searching", std::u16string(kSearching));
        sentences.set("noBuildB", std::u16string(kNoBuildB));
        sentences.set("whichPinned", std::u16string(kWhichBPinned));
        sentences.set("whichFile", std::u16string(kWhichBFile));
        sentences.set("whichCode", std::u16string(kWhichBCode));
        sentences.set("profileUnread", std::u16string(messages::kProfileOpenError));
        sentences.set("codeUnread", std::u16string(messages::kShareCodeError));
        val answer = val::object();
        answer.set("controls", byName);
        answer.set("tabs", tabs);
        answer.set("sentences", sentences);
        answer.set("metrics", metrics());
        return answer;
    }

    // Every metric the chooser lists: {name, caption}.
    val metrics() const {
        val list = val::array();
        for (const Metric metric : AllMetrics()) {
            val entry = val::object();
            entry.set("name", MetricName(metric));
            entry.set("caption", MetricChoiceCaption(metric));
            list.call<void>("push", entry);
        }
        return list;
    }

    // The stat values of the build: {metric, page, csv}; a page that is only a note when there
    // are no numbers.
    val statValues(const val& build, const std::u16string& asked) const {
        const std::optional<FormState> inputs = read(build);
        if (!inputs) {
            return Unread();
        }
        const MetricChoice choice = choose(*inputs, asked);
        if (!choice.metric) {
            return Answer(choice, NotePage(choice.note));
        }
        const MetricProbe probe(catalogue_, *choice.metric);
        return Answer(choice, StatValuesPage(ComputeStatValues(inputs->characterSheet(), probe),
                                             TableForm::Browsed));
    }

    // The build against B, B being the base.
    val compare(const val& build, const val& base, const std::u16string& asked) const {
        const std::optional<FormState> inputs = read(build);
        const std::optional<FormState> b = read(base);
        if (!inputs || !b) {
            return Unread();
        }
        const MetricChoice choice = choose(*inputs, asked);
        if (!choice.metric) {
            return Answer(choice, NotePage(choice.note));
        }
        return Answer(
            choice, ComparisonPage(CompareBuilds(*inputs, *b, *choice.metric), TableForm::Browsed));
    }

    // 기록: every entry of the history (its build's bytes, and its time as the page shows it),
    // oldest first, with what changed from the entry before and its value by the metric. The
    // metric the other tabs show; the one asked while the inputs of now have none, since past
    // builds may still have it.
    val history(const val& entries, const val& build, const std::u16string& asked,
                int skipped) const {
        const std::optional<FormState> now = read(build);
        if (!now) {
            return Unread();
        }
        std::vector<HistoryEntry> read;
        std::vector<std::u16string> times;
        const unsigned count = entries["length"].as<unsigned>();
        for (unsigned at = 0; at < count; ++at) {
            const std::optional<SharedBuild> entry = BuildOfBytes(BytesOfJs(entries[at]["build"]));
            read.push_back({0, entry.value_or(SharedBuild{})});
            times.push_back(entries[at]["shown"].as<std::u16string>());
        }
        const MetricChoice choice = choose(*now, asked);
        const std::optional<Metric> metric = choice.metric ? choice.metric : AskedMetric(asked);
        const HistoryReadings readings = ReadHistory(read, *now);
        std::vector<HistoryValue> values;
        if (metric && !readings.sheets.empty()) {
            values = HistoryValues(readings.sheets, MetricProbe(catalogue_, *metric));
        }
        return Answer(choice, HistoryPage(times, readings.changes, values, metric, skipped));
    }

    // Prepares a search of the build: {total, metric}; total 0 when there is nothing to search.
    val prepareSearch(const val& build, const std::u16string& asked, bool runes, bool gems,
                      bool passives, int top) {
        found_.reset();
        search_.reset();
        probe_.reset();
        inputs_ = read(build);
        val answer = val::object();
        if (!inputs_) {
            answer.set("total", 0);
            return answer;
        }
        const MetricChoice choice = choose(*inputs_, asked);
        answer.set("metric", MetricChoiceOf(choice));
        if (!choice.metric) {
            answer.set("total", 0);
            return answer;
        }
        metric_ = *choice.metric;
        probe_ = std::make_unique<MetricProbe>(catalogue_, metric_);
        search_ = std::make_unique<OptimizationSearch>(inputs_->characterSheet(), *probe_,
                                                       OptimizeChoices{runes, gems, passives}, top);
        found_ = std::make_unique<OptimizationMerger>(*search_);
        done_ = 0;
        answer.set("total", static_cast<double>(search_->total()));
        answer.set("announce", SearchSizeText(search_->total()));
        return answer;
    }

    // Calculates combinations `begin` to before `end` into what this analyst found so far;
    // returns how many it has calculated in all.
    double computeRange(double begin, double end) {
        if (search_) {
            found_->add(
                search_->compute(static_cast<long long>(begin), static_cast<long long>(end)));
            done_ += static_cast<long long>(end - begin);
        }
        return static_cast<double>(done_);
    }

    // What this analyst found, to be handed to the one that finishes.
    val takeFound() {
        done_ = 0;
        return JsRangeOf(found_ ? found_->take() : OptimizationRange{});
    }

    // Merges what every analyst found (in any order) and answers the ranking: {metric, page, csv,
    // suggestions}, each suggestion the changes of one row, in the rows' order.
    val finishSearch(const val& ranges, bool cancelled) const {
        if (!search_ || !inputs_) {
            return Unread();
        }
        OptimizationMerger merged(*search_);
        const unsigned count = ranges["length"].as<unsigned>();
        for (unsigned at = 0; at < count; ++at) {
            merged.add(RangeOfJs(ranges[at]));
        }
        const Optimization found = search_->finish(merged.take(), cancelled);
        const AnalysisPage page = OptimizationPage(found, metric_, *inputs_, TableForm::Browsed);
        val answer = PageAnswer(page);
        val suggestions = val::array();
        for (const OptimizedBuild& build : found.top) {
            suggestions.call<void>("push", JsChangesOf(build.changes));
        }
        answer.set("suggestions", suggestions);
        answer.set("cancelled", found.cancelled);
        return answer;
    }

    // 그래프: the number boxes its chooser lists, [{name, caption}] in the window's order, the one
    // it starts on, and the most points the page computes, as a player reads it ("1,000").
    val sweepBoxes() const {
        val boxes = val::array();
        for (const NumberBox& box : NumberBoxes()) {
            val entry = val::object();
            entry.set("name", std::string(box.name));
            entry.set("caption", InputCaption(Utf16OfLatin1(box.name)));
            boxes.call<void>("push", entry);
        }
        val answer = val::object();
        answer.set("boxes", boxes);
        answer.set("first", std::string(kFirstSweptBox));
        answer.set("mostPoints", MostPointsText(kMostPagePoints));
        return answer;
    }

    // The metric over the box `name` from..to by step (at most kMostPagePoints), `range` being
    // {from, to, step}, or null for the default range around the box's value now. Answers {metric,
    // range, note (why there is no line; else empty), points, b (B's points when `base` is a
    // build, else null), cliffs (where the sentries change bracket), now ({value, metric}: the
    // box's value and the metric there), metricCaption and decimals (of the metric's axis), csv
    // (the window's)}.
    // Each point is {value, metric (null: none), text (the line the window shows under the
    // mouse)}.
    val sweep(const val& build, const val& base, const std::u16string& asked,
              const std::string& name, const val& range) const {
        const std::optional<FormState> inputs = read(build);
        const NumberBox* box = FindNumberBox(Utf16OfLatin1(name));
        if (!inputs || !box) {
            return Unread();
        }
        const CharacterSheet sheet = inputs->characterSheet();
        SweepRequest request = DefaultSweepRange(*box, BoxValue(*box, sheet));
        // As the window's fields hold the default range: its ends to hundredths, its step to
        // thousandths; so both faces sweep the same points.
        request.from = std::round(request.from * 100) / 100;
        request.to = std::round(request.to * 100) / 100;
        request.step = std::round(request.step * 1000) / 1000;
        if (!range.isNull()) {
            request = {box, range["from"].as<double>(), range["to"].as<double>(),
                       range["step"].as<double>()};
        }
        request.mostPoints = kMostPagePoints;
        const MetricChoice choice = choose(*inputs, asked);
        val answer = val::object();
        answer.set("metric", MetricChoiceOf(choice));
        val shownRange = val::object();
        shownRange.set("from", request.from);
        shownRange.set("to", request.to);
        shownRange.set("step", request.step);
        answer.set("range", shownRange);
        answer.set("b", val::null());
        if (!choice.metric) {
            answer.set("note", choice.note);
            return answer;
        }
        const MetricProbe probe(catalogue_, *choice.metric);
        const auto swept = ComputeSweep(sheet, request, probe);
        if (const std::u16string* why = std::get_if<std::u16string>(&swept)) {
            answer.set("note", *why);
            return answer;
        }
        const Sweep& a = std::get<Sweep>(swept);
        const std::u16string caption = InputCaption(a.name);
        const auto pointsOf = [&](const Sweep& line) {
            val points = val::array();
            for (const SweepPoint& point : line.points) {
                val shape = val::object();
                shape.set("value", point.value);
                shape.set("metric", point.metric ? val(*point.metric) : val::null());
                shape.set("text", caption + u' ' + PlainText(point.value) + u": " +
                                      MetricValueText(*choice.metric, point.metric));
                points.call<void>("push", shape);
            }
            return points;
        };
        answer.set("note", std::u16string());
        answer.set("points", pointsOf(a));
        if (const std::optional<FormState> b = base.isNull() ? std::nullopt : read(base)) {
            const auto sweptB = ComputeSweep(b->characterSheet(), request, probe);
            if (const Sweep* line = std::get_if<Sweep>(&sweptB)) {
                answer.set("b", pointsOf(*line));
            }
        }
        val cliffs = val::array();
        for (const double at : a.bracketChanges) {
            cliffs.call<void>("push", at);
        }
        answer.set("cliffs", cliffs);
        val now = val::object();
        now.set("value", BoxValue(*box, sheet));
        const std::optional<double> there = probe(sheet).value;
        now.set("metric", there ? val(*there) : val::null());
        answer.set("now", now);
        answer.set("metricCaption", MetricCaption(*choice.metric));
        answer.set("decimals", choice.metric->kind == MetricKind::KillTime ? 2 : 0);
        answer.set("csv", Utf16OfUtf8(SweepCsv(a, CsvHeader::Captions)));
        return answer;
    }

  private:
    SkillCatalogue catalogue_;
    bool ready_ = false;
    FormState blank_{catalogue_};  // the inputs as a fresh start leaves them, lists filled
    std::optional<FormState> inputs_;
    Metric metric_;
    std::unique_ptr<MetricProbe> probe_;
    std::unique_ptr<OptimizationSearch> search_;
    std::unique_ptr<OptimizationMerger> found_;  // what this analyst's ranges found
    long long done_ = 0;

    std::optional<FormState> read(const val& bytes) const {
        if (!ready_) {
            return std::nullopt;
        }
        const std::optional<SharedBuild> build = BuildOfBytes(BytesOfJs(bytes));
        return build ? BuildOverInputs(*build, blank_) : std::nullopt;
    }

    MetricChoice choose(const FormState& inputs, const std::u16string& asked) const {
        return ChooseMetric(AskedMetric(asked), inputs.characterSheet(), catalogue_);
    }

    static val Answer(const MetricChoice& choice, const AnalysisPage& page) {
        val answer = PageAnswer(page);
        answer.set("metric", MetricChoiceOf(choice));
        return answer;
    }

    static val Unread() { return val::null(); }
};

EMSCRIPTEN_BINDINGS(brakefell_analyst) {
    emscripten::class_<PageAnalyst>("Analyst")
        .constructor<const val&>()
        .function("words", &PageAnalyst::words)
        .function("statValues", &PageAnalyst::statValues)
        .function("compare", &PageAnalyst::compare)
        .function("history", &PageAnalyst::history)
        .function("prepareSearch", &PageAnalyst::prepareSearch)
        .function("computeRange", &PageAnalyst::computeRange)
        .function("takeFound", &PageAnalyst::takeFound)
        .function("finishSearch", &PageAnalyst::finishSearch)
        .function("sweepBoxes", &PageAnalyst::sweepBoxes)
        .function("sweep", &PageAnalyst::sweep);
}

}  // namespace brakefell::web
