#include "calculators/ira_window.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/message_box.h"

namespace tovaris::gui {
namespace {

using calculators::Ira72tEntries;

struct EntryRow {
    const char* name;
    const char* label;
    const char* unit;
    std::string Ira72tEntries::*entry;
};

constexpr EntryRow kEntries[] = {
    {"CurrentAgeYrs", "Current Age of IRA Holder", "Yrs (59 Maximum)",
     &Ira72tEntries::CurrentAgeYrs},
    {"AgeEndYrs", "Holder's Age When 72(t) Withdrawals End", "Yrs (Minimum 5 yrs from Current Age)",
     &Ira72tEntries::AgeEndYrs},
    {"IRAAmount", "Current Balance in IRA Account", "", &Ira72tEntries::IRAAmount},
    {"IraInterestRate", "Expected Interest Earned on IRA Account", "(As a Percentage)",
     &Ira72tEntries::IraInterestRate},
    {"InterestRate", "120% of Federal Mid-Term Interest Rate", "(As a Percentage)",
     &Ira72tEntries::InterestRate},
};

struct MethodRow {
    const char* option;
    const char* caption;
    calculators::Ira72tMethod method;
    const char* yearly;
    const char* monthly;
    double calculators::Ira72tWithdrawals::*yearlyValue;
    double calculators::Ira72tWithdrawals::*monthlyValue;
};

constexpr MethodRow kMethods[] = {
    {"MethodMin", "Life Expectancy (Minimum)", calculators::Ira72tMethod::LE, "LEYearly",
     "LEMonthly", &calculators::Ira72tWithdrawals::LEYearly,
     &calculators::Ira72tWithdrawals::LEMonthly},
    {"MethodAmort", "Amortization", calculators::Ira72tMethod::Amortization, "AmortYearly",
     "AmortMonthly", &calculators::Ira72tWithdrawals::AmortYearly,
     &calculators::Ira72tWithdrawals::AmortMonthly},
    {"MethodAnnuity", "Annuity", calculators::Ira72tMethod::Annuity, "AnnuityYearly",
     "AnnuityMonthly", &calculators::Ira72tWithdrawals::AnnuityYearly,
     &calculators::Ira72tWithdrawals::AnnuityMonthly},
};

constexpr const char* kFederalRatesPage = "https://www.irs.gov/applicable-federal-rates";

constexpr const char* kAbout =
    "<h3>72(t) IRA Withdrawal Calculator</h3>"
    "<p>Section 72(t) of the Internal Revenue Code lets an IRA holder under 59 1/2 take "
    "substantially equal periodic payments without the 10% early withdrawal penalty. The series "
    "must continue for at least five years and until the holder reaches 59 1/2, whichever is "
    "later.</p>"
    "<p><b>Life Expectancy (Minimum)</b>: the balance divided by the holder's life expectancy "
    "from the IRS Single Life Table; the smallest of the three.</p>"
    "<p><b>Amortization</b>: the level payment that pays off the balance over the life "
    "expectancy at the chosen interest rate.</p>"
    "<p><b>Annuity</b>: the balance divided by an annuity factor built from the IRS mortality "
    "table and the chosen interest rate, counting the current year.</p>"
    "<p>The projection takes each month's withdrawal for the chosen method out of the account "
    "first and then adds a month's share of the expected yearly gain, and lists the balance at the "
    "end of each year of age.</p>";

constexpr const char* kRatesHelp =
    "The interest rate of the amortization and annuity methods may be any rate up to 5%, or up to "
    "120% of the federal mid-term rate for either of the two months before the first withdrawal "
    "if that is higher. The Internal Revenue Service publishes the federal rates each month in "
    "its Applicable Federal Rates revenue rulings. Open the federal rates page now?";

}  // namespace

IraWindow::IraWindow(AppContext& context, QWidget* parent)
    : CalculatorWindow(context, "IraWithdrawals", "72(t) IRA Withdrawals", parent) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(MakeTitleLine("72(t) IRA Withdrawal Calculator", central));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildHolder());
    left->addWidget(BuildWithdrawals());
    left->addWidget(BuildButtons());
    left->addStretch();
    columns->addLayout(left, 3);
    columns->addWidget(BuildProjection(), 2);
    layout->addLayout(columns);
    setCentralWidget(central);
    resize(1000, 620);
}

QWidget* IraWindow::BuildHolder() {
    QGroupBox* frame = Frame("HolderFrame", "IRA Holder's Personal And Account Status", this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("IRA Holder's Name", frame), 0, 0);
    QLineEdit* name = MakeEntry("HolderName", frame);
    name->setMaximumWidth(QWIDGETSIZE_MAX);
    grid->addWidget(name, 0, 1, 1, 2);
    int row = 1;
    for (const EntryRow& entry : kEntries) {
        grid->addWidget(new QLabel(entry.label, frame), row, 0);
        grid->addWidget(MakeEntry(entry.name, frame), row, 1);
        grid->addWidget(new QLabel(entry.unit, frame), row++, 2);
    }
    auto* help = MakeButton("RateHelp", "Rate Help", frame);
    connect(help, &QPushButton::clicked, this, &IraWindow::ShowRatesHelp);
    grid->addWidget(help, row - 1, 3);
    grid->addWidget(new QLabel("Projection Method", frame), row, 0);
    auto* methods = new QHBoxLayout;
    for (const MethodRow& method : kMethods) {
        auto* option = new QRadioButton(method.caption, frame);
        option->setObjectName(method.option);
        option->setChecked(method.method == calculators::Ira72tMethod::LE);
        methods->addWidget(option);
    }
    grid->addLayout(methods, row, 1, 1, 3);
    return frame;
}

QWidget* IraWindow::BuildWithdrawals() {
    QGroupBox* frame =
        Frame("WithdrawalFrame", "Allowable Penalty-Free Withdrawals (By 72(t) Method)", this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("Yearly Withdrawal", frame), 0, 1);
    grid->addWidget(new QLabel("Monthly Withdrawals", frame), 0, 2);
    int row = 1;
    for (const MethodRow& method : kMethods) {
        grid->addWidget(new QLabel(method.caption, frame), row, 0);
        grid->addWidget(MakeOutput(method.yearly, frame), row, 1);
        grid->addWidget(MakeOutput(method.monthly, frame), row++, 2);
    }
    return frame;
}

QWidget* IraWindow::BuildProjection() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    auto* caption = new QLabel("Projected IRA Account Balance/Yr ", box);
    layout->addWidget(caption);
    projection_ = new QListWidget(box);
    projection_->setObjectName("Projection");
    projection_->setAccessibleName(caption->text().trimmed());
    projection_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(projection_);
    return box;
}

QWidget* IraWindow::BuildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    QPushButton* calculate = MakeButton("Calculate", "Calculate Withdrawals", row);
    connect(calculate, &QPushButton::clicked, this, &IraWindow::Calculate);
    QPushButton* about = MakeButton("About", "About", row);
    connect(about, &QPushButton::clicked, this,
            [this] { ShowHelpPage("72(t) IRA Withdrawal Calculator", kAbout); });
    layout->addWidget(calculate);
    layout->addWidget(about);
    layout->addWidget(MakeReturnButton("Return", row));
    return row;
}

calculators::Ira72tEntries IraWindow::ReadEntries() const {
    Ira72tEntries entries;
    for (const EntryRow& entry : kEntries) {
        entries.*entry.entry = Entry(entry.name).toStdString();
    }
    for (const MethodRow& method : kMethods) {
        if (findChild<QRadioButton*>(method.option)->isChecked()) {
            entries.method = method.method;
        }
    }
    return entries;
}

// The federal rates come from the tax authority's page, opened in the browser on request.
void IraWindow::ShowRatesHelp() {
    if (Box("Interest Rate", kRatesHelp, BoxButtons::YesNo, this) == kAnswerYes) {
        QDesktopServices::openUrl(QUrl(kFederalRatesPage));
    }
}

void IraWindow::Calculate() {
    ClearResults();
    calculators::Outcome<calculators::Ira72tWithdrawals> outcome =
        calculators::CalculateIra72t(ReadEntries());
    if (const auto* error = std::get_if<calculators::EntryError>(&outcome)) {
        ShowEntryError(*error);
        return;
    }
    const auto& withdrawals = std::get<calculators::Ira72tWithdrawals>(outcome);
    for (const MethodRow& method : kMethods) {
        findChild<QLineEdit*>(method.yearly)
            ->setText(QString::fromStdString(
                calculators::WithdrawalText(withdrawals.*method.yearlyValue)));
        findChild<QLineEdit*>(method.monthly)
            ->setText(QString::fromStdString(
                calculators::WithdrawalText(withdrawals.*method.monthlyValue)));
    }
    for (const calculators::ProjectedBalance& year : withdrawals.projection) {
        projection_->addItem(QString::fromStdString(calculators::ProjectionLine(year)));
    }
}

void IraWindow::ClearResults() {
    for (QLineEdit* output : findChild<QGroupBox*>("WithdrawalFrame")->findChildren<QLineEdit*>()) {
        output->clear();
    }
    projection_->clear();
}

}  // namespace tovaris::gui
