#include "whatif/sweep_chart_window.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/keyboard.h"
#include "app/menu_items.h"
#include "app/screen_setup.h"
#include "common/entry_text.h"
#include "printing/print_service.h"

namespace tovaris::gui {
namespace {

constexpr int kDefaultSteps = 500;
// Neighbouring threshold labels stand at different heights so that they do not overlap.
constexpr int kLabelLevels = 4;

struct SeriesLine {
    const char* name;
    double (*value)(const whatif::SweepPoint&);
    QColor colour;
};

// The transfer always; both households' incomes on request.
const SeriesLine kTransferLine = {"Child Support/Month (+ Paid By Other Parent)",
                                  [](const whatif::SweepPoint& p) { return double{p.transfer}; },
                                  QColor(0, 90, 170)};
const SeriesLine kHouseholdLines[] = {
    {"Claimant's Income/Month", [](const whatif::SweepPoint& p) { return p.claimHousehold; },
     QColor(0, 140, 60)},
    {"Other Party's Income/Month", [](const whatif::SweepPoint& p) { return p.otherHousehold; },
     QColor(200, 110, 0)},
};

// The range a practitioner starts from: around the present value, never below 0.
std::pair<double, double> StartingRange(whatif::SweepInput input, double present) {
    switch (input) {
        case whatif::SweepInput::ClaimNights:
            return {0, 365};
        case whatif::SweepInput::ClaimChildren:
            return {0, std::max(5.0, present + 2)};
        default:
            return {0, std::max(present * 2, 10000.0)};
    }
}

// One line per run of points the command calculated: a point where it stopped leaves a gap.
// Only the first piece is named in the legend.
std::vector<QLineSeries*> MakeSeries(const SeriesLine& line,
                                     const std::vector<whatif::SweepPoint>& points) {
    std::vector<QLineSeries*> pieces;
    bool open = false;
    for (const whatif::SweepPoint& p : points) {
        if (p.stopped) {
            open = false;
            continue;
        }
        if (!open) {
            pieces.push_back(new QLineSeries);
            pieces.back()->setName(pieces.size() == 1 ? line.name : "");
            pieces.back()->setColor(line.colour);
            open = true;
        }
        pieces.back()->append(p.x, line.value(p));
    }
    return pieces;
}

}  // namespace

SweepChartWindow::SweepChartWindow(AppContext& context, whatif::SweepCalculation calculation,
                                   QWidget* parent)
    : QMainWindow(parent), context_(context), calculation_(calculation) {
    setObjectName("SweepChart");
    setWindowTitle(calculation == whatif::SweepCalculation::Maintenance
                       ? "Chart - Maintenance And Child Support"
                       : "Chart - Child Support");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(BuildEntries());
    view_ = new QChartView(central);
    view_->setObjectName("ChartView");
    view_->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view_, 1);
    figures_ = new QLabel(central);
    figures_->setObjectName("PointFigures");
    figures_->setWordWrap(true);
    layout->addWidget(figures_);
    setCentralWidget(central);
    OnEscape(*this, [this] { hide(); });
    resize(1020, 620);

    QMenu* file = menuBar()->addMenu("&File");
    connect(AddMenuItem(*file, "SaveChartPng", "Save As PNG..."), &QAction::triggered, this,
            &SweepChartWindow::SavePng);
    connect(AddMenuItem(*file, "SaveChartPdf", "Save As PDF..."), &QAction::triggered, this,
            &SweepChartWindow::SavePdf);
    connect(AddMenuItem(*file, "PrintChart", "Print Chart"), &QAction::triggered, this, [this] {
        if (context_.printing) {
            context_.printing->PrintScreenImage(*view_);
        }
    });
    connect(AddMenuItem(*file, "CloseChart", "Close"), &QAction::triggered, this, &QWidget::hide);
}

QWidget* SweepChartWindow::BuildEntries() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    input_ = new QComboBox(bar);
    input_->setObjectName("SweepInput");
    for (const whatif::SweepInputInfo& info : whatif::SweepInputs()) {
        input_->addItem(QString::fromUtf8(info.caption.data(), info.caption.size()));
    }
    from_ = new QLineEdit(bar);
    from_->setObjectName("SweepFrom");
    to_ = new QLineEdit(bar);
    to_->setObjectName("SweepTo");
    steps_ = new QSpinBox(bar);
    steps_->setObjectName("SweepSteps");
    steps_->setRange(2, 10000);
    steps_->setValue(kDefaultSteps);
    households_ = new QCheckBox("Show Each Household's Income", bar);
    households_->setObjectName("ShowHouseholds");
    households_->setChecked(calculation_ == whatif::SweepCalculation::Maintenance);
    auto* draw = new QPushButton("Draw Chart", bar);
    draw->setObjectName("DrawChart");
    row->addWidget(new QLabel("Vary:", bar));
    row->addWidget(input_);
    row->addWidget(new QLabel("From:", bar));
    row->addWidget(from_, 1);
    row->addWidget(new QLabel("To:", bar));
    row->addWidget(to_, 1);
    row->addWidget(new QLabel("Points:", bar));
    row->addWidget(steps_);
    row->addWidget(households_);
    row->addWidget(draw);
    connect(draw, &QPushButton::clicked, this, &SweepChartWindow::Draw);
    OnEnter(*from_, *draw);
    OnEnter(*to_, *draw);
    connect(households_, &QCheckBox::toggled, this, &SweepChartWindow::ShowSeries);
    connect(input_, &QComboBox::activated, this, &SweepChartWindow::Reset);
    return bar;
}

void SweepChartWindow::SuggestRange() {
    const auto input = static_cast<whatif::SweepInput>(input_->currentIndex());
    const whatif::SweepPoint present = whatif::RunCurrent(context_.record, input, calculation_);
    const auto [low, high] = StartingRange(input, present.x);
    from_->setText(QString::number(low, 'f', 0));
    to_->setText(QString::number(std::ceil(high), 'f', 0));
}

void SweepChartWindow::Reset() {
    SuggestRange();
    Draw();
}

void SweepChartWindow::Draw() {
    whatif::SweepRequest request;
    request.input = static_cast<whatif::SweepInput>(input_->currentIndex());
    request.from = ToNumber(from_->text().toStdString()).value_or(std::nan(""));
    request.to = ToNumber(to_->text().toStdString()).value_or(std::nan(""));
    request.steps = steps_->value();
    request.calculation = calculation_;
    if (std::optional<std::string> refused = whatif::RefuseSweep(context_.record, request)) {
        context_.interaction.Box("Entry Error", *refused, BoxButtons::Ok);
        return;
    }
    sweep_ = whatif::RunSweep(context_.record, request);
    ShowSeries();
    ShowGaps();
}

void SweepChartWindow::ShowSeries() {
    if (sweep_.points.empty()) {
        return;
    }
    auto* chart = new QChart;
    std::vector<const SeriesLine*> lines = {&kTransferLine};
    if (households_->isChecked()) {
        for (const SeriesLine& line : kHouseholdLines) {
            lines.push_back(&line);
        }
    }
    double low = 0;
    double high = 0;
    for (const SeriesLine* line : lines) {
        for (QLineSeries* series : MakeSeries(*line, sweep_.points)) {
            for (const QPointF& p : series->points()) {
                low = std::min(low, p.y());
                high = std::max(high, p.y());
            }
            connect(series, &QLineSeries::hovered, this, [this](const QPointF& at, bool on) {
                if (on) {
                    ShowFiguresNear(at.x());
                }
            });
            chart->addSeries(series);
        }
    }
    high = high + std::max(1.0, (high - low) * 0.1);
    AddThresholdLines(*chart, low, high);
    if (!sweep_.current.stopped) {
        auto* current = new QScatterSeries;
        current->setName("This Case");
        current->setColor(Qt::red);
        current->setMarkerSize(11);
        current->append(sweep_.current.x, sweep_.current.transfer);
        chart->addSeries(current);
    }
    chart->createDefaultAxes();
    const auto& info = whatif::InfoOf(sweep_.request.input);
    auto* x = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
    auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    if (x && y) {
        x->setRange(sweep_.request.from, sweep_.request.to);
        x->setTitleText(QString::fromUtf8(info.caption.data(), info.caption.size()));
        x->setLabelFormat("%.0f");
        y->setRange(low, high);
        y->applyNiceNumbers();
        y->setLabelFormat("%.0f");
        y->setTitleText("Dollars Per Month");
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart* old = view_->chart();
    view_->setChart(chart);
    delete old;
}

// A dashed vertical line per threshold, labelled near its top.
void SweepChartWindow::AddThresholdLines(QChart& chart, double low, double high) {
    const double step = (high - low) * 0.05;
    for (size_t i = 0; i < sweep_.thresholds.size(); ++i) {
        const whatif::Threshold& threshold = sweep_.thresholds[i];
        auto* line = new QLineSeries;
        line->append(threshold.x, low);
        line->append(threshold.x, high);
        QPen pen(QColor(120, 120, 120));
        pen.setStyle(Qt::DashLine);
        line->setPen(pen);
        chart.addSeries(line);
        auto* top = new QScatterSeries;
        top->append(threshold.x, high - step * static_cast<double>(i % kLabelLevels));
        top->setMarkerSize(1);
        top->setPointLabelsFormat(QString::fromStdString(threshold.label));
        top->setPointLabelsVisible(true);
        top->setPointLabelsClipping(false);
        chart.addSeries(top);
    }
    for (QLegendMarker* marker : chart.legend()->markers()) {
        auto* series = qobject_cast<QXYSeries*>(marker->series());
        marker->setVisible(series && !series->name().isEmpty());
    }
}

// Where the command stopped, the chart has a gap; the first reason is said under it.
void SweepChartWindow::ShowGaps() {
    const auto stopped = std::count_if(sweep_.points.begin(), sweep_.points.end(),
                                       [](const auto& p) { return p.stopped; });
    if (stopped == 0) {
        figures_->setText("Point at a line to see the figures of the nearest point.");
        return;
    }
    const auto first = std::find_if(sweep_.points.begin(), sweep_.points.end(),
                                    [](const auto& p) { return p.stopped; });
    figures_->setText(QString("%1 of %2 points could not be calculated: %3")
                          .arg(stopped)
                          .arg(sweep_.points.size())
                          .arg(QString::fromStdString(first->message)));
}

void SweepChartWindow::ShowFiguresNear(double x) {
    auto nearest = std::min_element(
        sweep_.points.begin(), sweep_.points.end(),
        [x](const auto& a, const auto& b) { return std::abs(a.x - x) < std::abs(b.x - x); });
    QStringList lines;
    for (const std::string& line : whatif::PointLines(*nearest, sweep_.request.input)) {
        lines << QString::fromStdString(line);
    }
    figures_->setText(lines.join("   "));
}

void SweepChartWindow::SavePng() {
    QString path = QFileDialog::getSaveFileName(this, "Save Chart As PNG", {}, "PNG (*.png)");
    if (!path.isEmpty() && !view_->grab().save(path, "PNG")) {
        context_.interaction.Box("Save Chart", "The chart could not be saved.", BoxButtons::Ok);
    }
}

void SweepChartWindow::SavePdf() {
    QString path = QFileDialog::getSaveFileName(this, "Save Chart As PDF", {}, "PDF (*.pdf)");
    if (path.isEmpty()) {
        return;
    }
    QPdfWriter pdf(path);
    pdf.setPageOrientation(QPageLayout::Landscape);
    QPainter painter(&pdf);
    if (!painter.isActive()) {
        context_.interaction.Box("Save Chart", "The chart could not be saved.", BoxButtons::Ok);
        return;
    }
    view_->render(&painter);
}

void AddChartMenu(QMenuBar& bar, AppContext& context, QWidget& screen,
                  whatif::SweepCalculation calculation) {
    QAction* item = AddMenuItem(*bar.addMenu("What &If"), "ChartSweep", "Chart…");
    QObject::connect(item, &QAction::triggered, &screen, [&context, &screen, calculation] {
        auto* window = screen.findChild<SweepChartWindow*>();
        if (window) {
            window->Draw();  // the case may have changed since
        } else {
            window = new SweepChartWindow(context, calculation, &screen);
            window->setWindowFlag(Qt::Window);
            SetUpScreen(*window, context.preferences, context.scale.monAdj);
            window->Reset();
        }
        window->show();
        window->raise();
    });
}

}  // namespace tovaris::gui
