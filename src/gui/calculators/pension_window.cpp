#include "calculators/pension_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tovaris::gui {
namespace {

struct Choice {
    const char* name;
    const char* caption;
};

constexpr Choice kSexes[] = {{"SexMale", "Male"}, {"SexFemale", "Female"}};
constexpr Choice kRaces[] = {
    {"RaceWhite", "White/ Other"}, {"RaceBlack", "Black"}, {"RaceHispanic", "Hispanic"}};
constexpr Choice kModels[] = {{"ModelDB", "By Gender and Race/Ethnicity"},
                              {"ModelByGender", "By Gender Only"}};
constexpr Choice kTerminations[] = {{"AtDeath", "At Death"}, {"AtAge", "At Age"}};

struct ReportLine {
    const char* name;
    const char* label;
};

constexpr ReportLine kExpectations[] = {
    {"DeathPossibility", "Pre-Payout Death Possibility (As a Percentage Likelihood)"},
    {"ExpectedYears", "Expected Period of Payments "},
};
constexpr ReportLine kValues[] = {
    {"PresentValue", "Present Value of Gross Pension"},
    {"PostTaxPresentValue", "Post Tax Present Value of Pension"},
};

constexpr const char* kAbout =
    "<h3>Defined Benefit Calculator</h3>"
    "<p>Values a defined benefit pension for property division: the likelihood that the holder "
    "dies before the pension becomes payable, the expected period of payments, and the present "
    "value of the gross and of the after-tax pension.</p>"
    "<p>The survival and life expectancy figures come from the United States Life Tables, 2017 "
    "(National Center for Health Statistics), by sex alone or by sex and race/ethnicity, "
    "interpolated month by month.</p>"
    "<p>A pension paid <b>At Death</b> is expected to run for the holder's remaining life "
    "expectancy at the payable age; <b>At Age</b> runs until the age entered.</p>"
    "<p>Each monthly payment is discounted by (1 - discount rate / 12) per month, the years until "
    "the pension is payable likewise, and the sum is weighed by the likelihood of surviving to the "
    "payable age. Values are in whole dollars; the post-tax value is shown when a tax rate is "
    "entered.</p>";

// A row of option buttons, one of them chosen at a time.
QWidget* Options(const Choice* choices, std::size_t count, QWidget* parent,
                 const char* checked = nullptr) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(row);
    for (std::size_t i = 0; i < count; ++i) {
        auto* button = new QRadioButton(choices[i].caption, row);
        button->setObjectName(choices[i].name);
        button->setChecked(checked != nullptr && QString(checked) == choices[i].name);
        group->addButton(button);
        layout->addWidget(button);
    }
    layout->addStretch();
    return row;
}

}  // namespace

PensionWindow::PensionWindow(AppContext& context, QWidget* parent)
    : CalculatorWindow(context, "DefinedBenefitPlans", "Defined Benefit Plans", parent) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(MakeTitleLine("Defined Benefit Calculator", central));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildHolder());
    left->addWidget(BuildAges());
    left->addWidget(BuildRates());
    left->addStretch();
    columns->addLayout(left, 3);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildReport());
    right->addWidget(BuildButtons());
    right->addStretch();
    columns->addLayout(right, 2);
    layout->addLayout(columns);
    setCentralWidget(central);
    ShowTerminatingAge();
    resize(1050, 640);
}

QWidget* PensionWindow::BuildHolder() {
    QGroupBox* frame = Frame("HolderFrame", "Holder's Personal And Pension Status", this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("Pension Holder's Name", frame), 0, 0);
    QLineEdit* name = MakeEntry("HolderName", frame);
    name->setMaximumWidth(QWIDGETSIZE_MAX);
    grid->addWidget(name, 0, 1);
    grid->addWidget(new QLabel("Sex", frame), 1, 0);
    grid->addWidget(Options(kSexes, std::size(kSexes), frame), 1, 1);
    grid->addWidget(new QLabel("Race/Ethnicity", frame), 2, 0);
    grid->addWidget(Options(kRaces, std::size(kRaces), frame), 2, 1);
    grid->addWidget(new QLabel("Life Table Model", frame), 3, 0);
    grid->addWidget(Options(kModels, std::size(kModels), frame, "ModelByGender"), 3, 1);
    grid->addWidget(new QLabel("Gross Amount Per Month", frame), 4, 0);
    grid->addWidget(MakeEntry("PensionAmount", frame), 4, 1);
    return frame;
}

QWidget* PensionWindow::BuildAges() {
    QGroupBox* frame = Frame("AgeFrame", "Pension Holder's Age Status", this);
    auto* grid = new QGridLayout(frame);
    const std::pair<const char*, const char*> ages[] = {
        {"CurrentAge", "Current Age of Pension Holder"},
        {"AgePayable", "Age When Pension is Payable"},
        {"AgeTerminate", "Age When Pension Terminates"},
    };
    int row = 0;
    for (const auto& [prefix, caption] : ages) {
        grid->addWidget(new QLabel(caption, frame), row, 0);
        if (row == 2) {
            grid->addWidget(Options(kTerminations, std::size(kTerminations), frame, "AtDeath"), row,
                            1);
        }
        auto* boxes = new QHBoxLayout;
        for (const char* unit : {"Yrs", "Mos"}) {
            QLineEdit* edit = MakeEntry(QString(prefix) + unit, frame);
            edit->setMaximumWidth(60);
            boxes->addWidget(edit);
            boxes->addWidget(new QLabel(unit, frame));
        }
        boxes->addStretch();
        grid->addLayout(boxes, row, 2);
        ++row;
    }
    connect(findChild<QRadioButton*>("AtAge"), &QRadioButton::toggled, this,
            &PensionWindow::ShowTerminatingAge);
    return frame;
}

QWidget* PensionWindow::BuildRates() {
    QGroupBox* frame = Frame("RatesFrame", "Discount And Tax Rates", this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("Discount Rate (As a Decimal)", frame), 0, 0);
    grid->addWidget(MakeEntry("DiscountRate", frame), 0, 1);
    grid->addWidget(new QLabel("Tax Rate (As a Decimal)", frame), 1, 0);
    grid->addWidget(MakeEntry("TaxRate", frame), 1, 1);
    return frame;
}

QWidget* PensionWindow::BuildReport() {
    QGroupBox* frame = Frame("ReportFrame", "Defined Benefit Report", this);
    auto* layout = new QVBoxLayout(frame);
    QGroupBox* expectations = Frame("ExpectationsFrame", "Pension Payment Expectations", frame);
    auto* grid = new QGridLayout(expectations);
    int row = 0;
    for (const ReportLine& line : kExpectations) {
        auto* label = new QLabel(line.label, expectations);
        label->setWordWrap(true);
        grid->addWidget(label, row, 0);
        grid->addWidget(MakeOutput(line.name, expectations), row++, 1);
    }
    layout->addWidget(expectations);
    auto* values = new QGridLayout;
    row = 0;
    for (const ReportLine& line : kValues) {
        values->addWidget(new QLabel(line.label, frame), row, 0);
        values->addWidget(MakeOutput(line.name, frame), row++, 1);
    }
    layout->addLayout(values);
    return frame;
}

QWidget* PensionWindow::BuildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    QPushButton* run = MakeButton("RunDBReport", "Run Report", row);
    connect(run, &QPushButton::clicked, this, &PensionWindow::RunDBReport);
    QPushButton* about = MakeButton("About", "About", row);
    connect(about, &QPushButton::clicked, this,
            [this] { ShowHelpPage("Defined Benefit Calculator", kAbout); });
    layout->addWidget(run);
    layout->addWidget(about);
    layout->addWidget(MakeReturnButton("Return", row));
    return row;
}

bool PensionWindow::Checked(const char* option) const {
    return findChild<QRadioButton*>(option)->isChecked();
}

calculators::PensionEntries PensionWindow::ReadEntries() const {
    calculators::PensionEntries e;
    e.sex = Checked("SexMale") ? "m" : Checked("SexFemale") ? "f" : "";
    e.race = Checked("RaceWhite")      ? "w"
             : Checked("RaceBlack")    ? "b"
             : Checked("RaceHispanic") ? "h"
                                       : "arace";
    e.model = Checked("ModelDB") ? calculators::PensionModel::ByGenderAndRace
                                 : calculators::PensionModel::ByGender;
    e.atDeath = !Checked("AtAge");
    auto text = [this](const char* name) { return Entry(name).toStdString(); };
    e.CurrentAgeYrs = text("CurrentAgeYrs");
    e.CurrentAgeMos = text("CurrentAgeMos");
    e.AgePayableYrs = text("AgePayableYrs");
    e.AgePayableMos = text("AgePayableMos");
    e.AgeTerminateYrs = text("AgeTerminateYrs");
    e.AgeTerminateMos = text("AgeTerminateMos");
    e.PensionAmount = text("PensionAmount");
    e.DiscountRate = text("DiscountRate");
    e.TaxRate = text("TaxRate");
    return e;
}

// The terminating age is typed only for a pension that ends at an age.
void PensionWindow::ShowTerminatingAge() {
    const bool atAge = Checked("AtAge");
    for (const char* name : {"AgeTerminateYrs", "AgeTerminateMos"}) {
        findChild<QLineEdit*>(name)->setEnabled(atAge);
    }
}

void PensionWindow::RunDBReport() {
    ClearReport();
    calculators::Outcome<calculators::PensionValue> outcome =
        calculators::ValuePension(ReadEntries());
    if (const auto* error = std::get_if<calculators::EntryError>(&outcome)) {
        ShowEntryError(*error);
        return;
    }
    const auto& value = std::get<calculators::PensionValue>(outcome);
    auto show = [this](const char* name, const std::string& text) {
        findChild<QLineEdit*>(name)->setText(QString::fromStdString(text));
    };
    show("DeathPossibility", calculators::DeathPossibilityText(value.DeathPossibility));
    show("ExpectedYears", calculators::ExpectedYearsText(value.ExpectedYears));
    show("PresentValue", calculators::PensionAmountText(value.PresentValue));
    if (value.PostTaxPresentValue) {
        show("PostTaxPresentValue", calculators::PensionAmountText(*value.PostTaxPresentValue));
    }
}

void PensionWindow::ClearReport() {
    for (QLineEdit* output : findChild<QGroupBox*>("ReportFrame")->findChildren<QLineEdit*>()) {
        output->clear();
    }
}

}  // namespace tovaris::gui
