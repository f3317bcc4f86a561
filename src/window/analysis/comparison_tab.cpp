#include "window/analysis/comparison_tab.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "analysis/analysis_csv.h"
#include "analysis/analysis_pages.h"
#include "analysis/compare.h"
#include "desktop_adapters/qt_text.h"
#include "window/analysis/control_texts.h"

namespace brakefell {

ComparisonTab::ComparisonTab(CalculatorSession& session, ComparisonBuild& build,
                             AnalysisRunner& runner, QWidget* parent)
    : AnalysisTab(parent), session_(session), build_(build), runner_(runner) {
    snapshot_ = Captioned<QPushButton>(AnalysisWordOf("snapshotB"), this);
    open_ = Captioned<QPushButton>(AnalysisWordOf("openB"), this);
    csv_ = new CsvButton(QStringLiteral("comparisonCsv"), this);
    which_ = Named(new QLabel(CaptionOf(AnalysisWordOf("whichB")), this), AnalysisWordOf("whichB"));

    auto* content = new QWidget(this);
    const ControlTexts& figures = AnalysisWordOf("figures");
    const ControlTexts& inputs = AnalysisWordOf("inputsDiffer");
    figures_ = new AnalysisTableView(QString::fromUtf8(figures.name), CaptionOf(figures),
                                     AnalysisTableView::Fit::FirstStretches, content);
    inputs_ = new AnalysisTableView(QString::fromUtf8(inputs.name), CaptionOf(inputs),
                                    AnalysisTableView::Fit::FirstStretches, content);
    inputsTitle_ = new QLabel(content);
    figures_->setToolTip(TipOf(figures));
    inputs_->setToolTip(TipOf(inputs));
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(figures_, 3);
    contentLayout->addWidget(inputsTitle_);
    contentLayout->addWidget(inputs_, 2);
    pages_ = new NoteOrContent(content, this);
    pages_->setObjectName(QStringLiteral("comparisonPages"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(snapshot_);
    buttons->addWidget(open_);
    buttons->addWidget(which_, 1);
    buttons->addWidget(csv_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(pages_, 1);

    connect(snapshot_, &QPushButton::clicked, this, &ComparisonTab::snapshot);
    connect(open_, &QPushButton::clicked, this, &ComparisonTab::openProfile);
}

void ComparisonTab::snapshot() {
    build_.snapshot(session_.form());
    which_->setText(QStringOf(kWhichBPinned)
                        .arg(QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss"))));
    emit buildChanged();
}

void ComparisonTab::openProfile() {
    // The same dialog as "열기": the program's folder and the one profile filter.
    const std::optional<std::string> path =
        session_.prompts().chooseFileToOpen(session_.folders().programDir);
    if (!path) {
        return;
    }
    if (build_.loadProfile(session_.platform().storage, *path, session_.form(),
                           session_.prompts())) {
        which_->setText(QStringOf(kWhichBFile).arg(QFileInfo(QPathOf(*path)).fileName()));
        emit buildChanged();
    }
}

void ComparisonTab::refresh(const AnalysisInputs& in) {
    const auto showNote = [&](const QString& note) {
        runner_.run(this, in.generation, [this, note] {
            return [this, note] {
                csv_->withdraw();
                pages_->showNote(note);
            };
        });
    };
    if (!build_.isSet()) {
        showNote(QStringOf(kNoBuildB));
        return;
    }
    if (!in.metric) {
        showNote(in.note);
        return;
    }
    runner_.run(this, in.generation, [this, in, b = build_.form()] {
        return [this, page = ComparisonPage(CompareBuilds(in.inputs, b, *in.metric),
                                            TableForm::Browsed)] { show(page); };
    });
}

void ComparisonTab::show(AnalysisPage page) {
    csv_->offer(AnalysisPageCsv(page));
    pages_->showContent();
    figures_->showTable(std::move(page.tables.at(0)));
    inputsTitle_->setText(QStringOf(page.tables.at(1).title));
    inputs_->showTable(std::move(page.tables.at(1)));
}

}  // namespace brakefell
