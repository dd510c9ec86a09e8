#include "calculators/business_valuation_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <functional>

#include "calculators/business_valuation.h"
#include "common/entry_text.h"

namespace tovaris::gui {
namespace {

using calculators::BusinessEntries;

struct EntryRow {
    const char* name;
    const char* label;
    std::string BusinessEntries::*entry;
};

constexpr EntryRow kAssetRows[] = {
    {"HardAssets", "Value of Hard Business Assets", &BusinessEntries::HardAssets},
    {"Liabilities", "Business Liabilities", &BusinessEntries::Liabilities},
    {"Receivables", "Accounts Receivable", &BusinessEntries::Receivables},
    {"Likelihood", "Likelihood of Receivable Collection (as decimal)",
     &BusinessEntries::Likelihood},
};
constexpr EntryRow kEarningRows[] = {
    {"Income", "Business Income (Before Taxes and Expenses)", &BusinessEntries::Income},
    {"Expenses", "Business Expenses (Excluding Owner's Salary)", &BusinessEntries::Expenses},
    {"TaxRate", "Owner's Marginal Tax Rate     (as decimal)", &BusinessEntries::TaxRate},
};
constexpr EntryRow kSalaryRow = {"FairSalary", "Owner's Fair And Resonable Salary/Yr",
                                 &BusinessEntries::FairSalary};
constexpr EntryRow kMultiplierRow = {"Multiplier", "Earnings Multiplier",
                                     &BusinessEntries::Multiplier};

struct Slider {
    const char* question;
    const char* left;
    const char* right;
};

constexpr Slider kSliders[] = {
    {"1) Does Business Have Many Competitors Or Is It One Of Few Providers In The Local Service "
     "Area?",
     "Many Competitors", "Few Competitors"},
    {"2) Is Business New (2 years or less) Or Well Established (10 or more years) And/Or Well "
     "Known?",
     "New Business ", "Well Established"},
    {"3) In Recent Years, Have Business Profits Been Stable, Decreasing Or Increasing?",
     "Profits Decreasing", "Profits Increasing"},
    {"4) Is Business Dependent On A Few Customers Or Does It Have A Broad Customer Base?",
     "Few Customers", "Many Customers"},
    {"5) Is This A Highly Desirable Business That If For Sale Would Attract Many Potential "
     "Buyers?",
     "Low Attraction", "Highly Desirable"},
};

struct Output {
    const char* name;
    const char* label;
    double calculators::BusinessValue::*value;
};

constexpr Output kOutputs[] = {
    {"NetAssets", "Net Tangible Assets", &calculators::BusinessValue::NetAssets},
    {"NetEarnings", "Net Earnings of Owner", &calculators::BusinessValue::NetEarnings},
    {"Value", "Business Value", &calculators::BusinessValue::Value},
    {"ValuePostTax", "Business Value (with Tax on Excess Earnings)",
     &calculators::BusinessValue::ValuePostTax},
};

constexpr const char* kExplanation =
    "The excess earnings model values a technical or professional service business run by a sole "
    "proprietor: the business is worth its net tangible assets plus goodwill, the owner's excess "
    "earnings times an earnings multiplier.\n\n"
    "Take the tangible assets at their fair market value, not their replacement value. The "
    "receivables count as much as they are likely to be collected: they are multiplied by the "
    "likelihood of collection.\n\n"
    "The fair salary is what it would cost to hire someone to run the business in the owner's "
    "place; the excess earnings are the net earnings above it.\n\n"
    "The multiplier normally lies between 1 and 5, typically 3; the sliders below help choose "
    "it. The tax rate is the owner's combined state, federal and payroll tax rate.";

void ForEachEntryRow(const std::function<void(const EntryRow&)>& visit) {
    for (const EntryRow& row : kAssetRows) {
        visit(row);
    }
    for (const EntryRow& row : kEarningRows) {
        visit(row);
    }
    visit(kSalaryRow);
    visit(kMultiplierRow);
}

template <std::size_t N>
QGroupBox* EntryFrame(const char* name, const QString& caption, const EntryRow (&rows)[N],
                      QWidget* parent, const std::function<QLineEdit*(const QString&)>& make) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    auto* grid = new QGridLayout(frame);
    for (std::size_t i = 0; i < N; ++i) {
        grid->addWidget(new QLabel(rows[i].label, frame), static_cast<int>(i), 0);
        grid->addWidget(make(rows[i].name), static_cast<int>(i), 1);
    }
    return frame;
}

}  // namespace

BusinessValuationWindow::BusinessValuationWindow(AppContext& context, QWidget* parent)
    : CalculatorWindow(context, "BusinessValuation",
                       "Professional Practice/Sole Proprietorship Business Valuation Model",
                       parent) {
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildAssets());
    left->addWidget(BuildEarnings());
    left->addWidget(BuildMultiplier());
    layout->addLayout(left, 3);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildExplanation());
    right->addWidget(BuildResults());
    right->addWidget(BuildButtons());
    right->addStretch();
    layout->addLayout(right, 2);
    setCentralWidget(central);
    Clear();
    resize(1150, 760);
}

QWidget* BusinessValuationWindow::BuildAssets() {
    return EntryFrame("AssetsFrame", "Net Tangible Business Assets", kAssetRows, this,
                      [this](const QString& name) { return MakeEntry(name, this); });
}

QWidget* BusinessValuationWindow::BuildEarnings() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto make = [this](const QString& name) { return MakeEntry(name, this); };
    layout->addWidget(
        EntryFrame("EarningsFrame", "Business Income and Expenses", kEarningRows, box, make));
    const EntryRow salary[] = {kSalaryRow};
    layout->addWidget(EntryFrame("SalaryFrame", "Fair Market Annual Salary", salary, box, make));
    return box;
}

QWidget* BusinessValuationWindow::BuildMultiplier() {
    const EntryRow multiplier[] = {kMultiplierRow};
    QGroupBox* frame = EntryFrame("MultiplierFrame", "Excess Earnings Multiplier", multiplier, this,
                                  [this](const QString& name) { return MakeEntry(name, this); });
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    for (int i = 0; i < 5; ++i) {
        const Slider& slider = kSliders[i];
        const int row = 1 + 2 * i;
        auto* question = new QLabel(slider.question, frame);
        question->setWordWrap(true);
        grid->addWidget(question, row, 0, 1, 2);
        auto* line = new QHBoxLayout;
        // Fixed-width ends line the five sliders up under each other.
        auto* left = new QLabel(slider.left, frame);
        left->setFixedWidth(130);
        line->addWidget(left);
        sliders_[i] = new QScrollBar(Qt::Horizontal, frame);
        sliders_[i]->setObjectName(QString("HScroll%1").arg(i + 1));
        sliders_[i]->setRange(0, calculators::kSliderSteps);
        sliders_[i]->setPageStep(1);
        line->addWidget(sliders_[i], 1);
        auto* right = new QLabel(slider.right, frame);
        right->setFixedWidth(130);
        right->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        line->addWidget(right);
        grid->addLayout(line, row + 1, 0, 1, 2);
        connect(sliders_[i], &QScrollBar::valueChanged, this,
                [this, i](int position) { MoveSlider(i, position); });
    }
    return frame;
}

QWidget* BusinessValuationWindow::BuildExplanation() {
    auto* text = new QLabel(kExplanation, this);
    text->setObjectName("Explanation");
    text->setWordWrap(true);
    return text;
}

QWidget* BusinessValuationWindow::BuildResults() {
    QGroupBox* frame = Frame("ResultsFrame", "Business Valuation", this);
    auto* grid = new QGridLayout(frame);
    int row = 0;
    for (const Output& output : kOutputs) {
        grid->addWidget(new QLabel(output.label, frame), row, 0);
        grid->addWidget(MakeOutput(output.name, frame), row++, 1);
    }
    return frame;
}

QWidget* BusinessValuationWindow::BuildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    QPushButton* calculate = MakeButton("Calculate", "Calculate Value", row);
    connect(calculate, &QPushButton::clicked, this, &BusinessValuationWindow::Calculate);
    QPushButton* clear = MakeButton("Clear", "Clear", row);
    connect(clear, &QPushButton::clicked, this, &BusinessValuationWindow::Clear);
    layout->addWidget(calculate);
    layout->addWidget(clear);
    layout->addWidget(MakeReturnButton("Return", row));
    return row;
}

// A multiplier the user typed over moves from what the box holds; an unreadable box is left.
void BusinessValuationWindow::MoveSlider(int slider, int position) {
    auto* box = findChild<QLineEdit*>("Multiplier");
    if (std::optional<double> multiplier = ReadAmount(box->text().toStdString())) {
        box->setText(QString::fromStdString(calculators::MultiplierText(
            calculators::MoveMultiplier(*multiplier, positions_[slider], position))));
    }
    positions_[slider] = position;
}

void BusinessValuationWindow::Calculate() {
    ClearResults();
    BusinessEntries entries;
    ForEachEntryRow(
        [&](const EntryRow& row) { entries.*row.entry = Entry(row.name).toStdString(); });
    calculators::Outcome<calculators::BusinessValue> outcome = calculators::ValueBusiness(entries);
    if (const auto* error = std::get_if<calculators::EntryError>(&outcome)) {
        ShowEntryError(*error);
        return;
    }
    const auto& value = std::get<calculators::BusinessValue>(outcome);
    for (const Output& output : kOutputs) {
        findChild<QLineEdit*>(output.name)
            ->setText(QString::fromStdString(calculators::BusinessAmountText(value.*output.value)));
    }
}

void BusinessValuationWindow::Clear() {
    for (int i = 0; i < 5; ++i) {
        positions_[i] = calculators::kSliderMiddle;
        const QSignalBlocker quiet(sliders_[i]);
        sliders_[i]->setValue(calculators::kSliderMiddle);
    }
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->clear();
    }
    findChild<QLineEdit*>("Multiplier")->setText("3");
}

void BusinessValuationWindow::ClearResults() {
    for (const Output& output : kOutputs) {
        findChild<QLineEdit*>(output.name)->clear();
    }
}

}  // namespace tovaris::gui
