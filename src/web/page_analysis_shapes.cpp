#include "web/page_analysis_shapes.h"

#include <string>

#include "analysis/analysis_csv.h"
#include "analysis/metric.h"
#include "text/strings.h"

namespace brakefell::web {
namespace {

using emscripten::val;

const char* ToneName(Tone tone) {
    switch (tone) {
        case Tone::Neutral:
            return "";
        case Tone::Better:
            return "better";
        case Tone::Worse:
            return "worse";
        case Tone::Cliff:
            return "cliff";
    }
    return "";
}

const char* AlignName(CellAlign align) {
    return align == CellAlign::Left ? "left" : "right";
}

template <typename Item, typename Shape>
val ArrayOf(const std::vector<Item>& items, Shape shape) {
    val array = val::array();
    for (const Item& item : items) {
        array.call<void>("push", shape(item));
    }
    return array;
}

val LineOf(const TableLine& line) {
    val shape = val::object();
    shape.set("text", line.text);
    shape.set("tone", std::string(ToneName(line.tone)));
    return shape;
}

val CellOf(const TableCell& cell) {
    val shape = val::object();
    shape.set("text", cell.text);
    shape.set("sortKey", cell.sortKey ? val(*cell.sortKey) : val::null());
    shape.set("align", std::string(AlignName(cell.align)));
    shape.set("tone", std::string(ToneName(cell.tone)));
    return shape;
}

val TableOf(const AnalysisTable& table) {
    val shape = val::object();
    shape.set("title", table.title);
    shape.set("columns", ArrayOf(table.columns, [](const TableColumn& column) {
                  val columnShape = val::object();
                  columnShape.set("caption", column.caption);
                  columnShape.set("align", std::string(AlignName(column.align)));
                  return columnShape;
              }));
    shape.set("rows", ArrayOf(table.rows, [](const TableRow& row) {
                  val rowShape = val::object();
                  rowShape.set("cells", ArrayOf(row.cells, CellOf));
                  rowShape.set("item", static_cast<double>(row.item));
                  rowShape.set("unchanged", row.unchanged);
                  return rowShape;
              }));
    return shape;
}

long long WholeOf(const val& number) {
    return static_cast<long long>(number.as<double>());
}

}  // namespace

val PageAnswer(const AnalysisPage& page) {
    val shape = val::object();
    shape.set("heading", page.heading);
    shape.set("summary", ArrayOf(page.summary, LineOf));
    shape.set("tables", ArrayOf(page.tables, TableOf));
    shape.set("notes", ArrayOf(page.notes, LineOf));
    val answer = val::object();
    answer.set("page", shape);
    answer.set("csv", page.isNote() ? std::string() : AnalysisPageCsv(page));
    return answer;
}

val MetricChoiceOf(const MetricChoice& choice) {
    val shape = val::object();
    shape.set("name", choice.metric ? MetricName(*choice.metric) : std::u16string());
    shape.set("note", choice.note);
    shape.set("fallback", choice.fallback);
    return shape;
}

val JsRangeOf(const OptimizationRange& range) {
    val shape = val::object();
    shape.set("done", static_cast<double>(range.done));
    shape.set("best", ArrayOf(range.best, [](const OptimizationRange::Found& found) {
                  val foundShape = val::object();
                  foundShape.set("index", static_cast<double>(found.index));
                  foundShape.set("value", found.value);
                  foundShape.set("ties", static_cast<double>(found.ties));
                  return foundShape;
              }));
    // The readings better than the character's, as one typed array: a search of every choice may
    // hold thousands.
    shape.set("better", val(emscripten::typed_memory_view(range.better.size(), range.better.data()))
                            .call<val>("slice"));
    shape.set("ranked", static_cast<double>(range.ranked));
    return shape;
}

OptimizationRange RangeOfJs(const val& shape) {
    OptimizationRange range;
    range.done = WholeOf(shape["done"]);
    const val best = shape["best"];
    const unsigned count = best["length"].as<unsigned>();
    for (unsigned at = 0; at < count; ++at) {
        const val found = best[at];
        range.best.push_back(
            {WholeOf(found["index"]), found["value"].as<double>(), WholeOf(found["ties"])});
    }
    const val better = shape["better"];
    range.better.resize(better["length"].as<std::size_t>());
    val(emscripten::typed_memory_view(range.better.size(), range.better.data()))
        .call<void>("set", better);
    range.ranked = WholeOf(shape["ranked"]);
    return range;
}

val JsChangesOf(const std::vector<ChoiceChange>& changes) {
    return ArrayOf(changes, [](const ChoiceChange& change) {
        val shape = val::object();
        shape.set("name", change.name);
        shape.set("from", change.from);
        shape.set("to", change.to);
        return shape;
    });
}

std::vector<ChoiceChange> ChangesOfJs(const val& shape) {
    std::vector<ChoiceChange> changes;
    const unsigned count = shape["length"].as<unsigned>();
    for (unsigned at = 0; at < count; ++at) {
        const val change = shape[at];
        changes.push_back({change["name"].as<std::u16string>(), change["from"].as<int>(),
                           change["to"].as<int>()});
    }
    return changes;
}

}  // namespace brakefell::web
