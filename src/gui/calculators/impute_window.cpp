#include "calculators/impute_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ok_cancel_buttons.h"
#include "calculators/reference_tables.h"
#include "case/income_screen_parts.h"
#include "common/format.h"

namespace tovaris::gui {

namespace {

using calculators::ImputeMethod;

struct Option {
    ImputeMethod method;
    const char* name;
    const char* caption;
};

constexpr Option kOptions[] = {
    {ImputeMethod::DoNotImpute, "DoNotImpute", "Do Not Impute"},
    {ImputeMethod::HistoryImpute, "HistoryImpute", "Impute Using the Party's Historical Earnings"},
    {ImputeMethod::MedianImpute, "MedianImpute",
     "Impute Using US Census Median Income For Full Time Workers"},
    {ImputeMethod::WageImpute, "WageImpute", "Impute Using 2023 State Min Wage"},
};

constexpr const char* kExplanations[] = {
    "Choosing An Imputation Option Replaces The Party's Income By Imputed Income, Entered As "
    "Earned Wages (W-2 Wages) On The Party's Income Screen.",
    "The Median Income Tables Come From The US Census Current Population Survey Published In "
    "2021 (2020 Data).",
    "The Minimum Wages Are Those In Force On 1/1/2023. A 40 Hour Work Week Is Assumed.",
};

constexpr const char* kMedianNeedsChoices =
    "Please Choose The Party's Sex And Age Band For The Median Income Table";

QLineEdit* Output(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(140);
    return edit;
}

QRadioButton* Radio(const char* name, const QString& caption, QWidget* parent) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    return radio;
}

}  // namespace

ImputeWindow::ImputeWindow(AppContext& context, IncomeParty party, QWidget* parent)
    : QDialog(parent), context_(context), party_(party) {
    const bool claimant = party == IncomeParty::Claimant;
    setObjectName("ImputeIncome");
    setWindowTitle("IMPUTE INCOME");
    auto* layout = new QVBoxLayout(this);
    QLabel* heading =
        HeadingLabel(claimant ? "IMPUTE CLAIMANT'S INCOME" : "IMPUTE OTHER PARTY'S INCOME", this);
    heading->setObjectName("ImputeParty");
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    for (const char* text : kExplanations) {
        layout->addWidget(WrappedLabel(text, this));
    }
    layout->addWidget(BuildOptions());
    auto* sources = new QHBoxLayout;
    sources->addWidget(BuildMinimumWage(), 1);
    sources->addWidget(BuildMedian(), 1);
    layout->addLayout(sources);
    layout->addWidget(OkCancelButtons(*this));
    resize(820, 520);
}

QWidget* ImputeWindow::BuildOptions() {
    auto* frame = new QGroupBox("Imputation Options", this);
    auto* column = new QVBoxLayout(frame);
    options_ = new QButtonGroup(this);
    for (const Option& option : kOptions) {
        QRadioButton* radio = Radio(option.name, option.caption, frame);
        options_->addButton(radio, static_cast<int>(option.method));
        column->addWidget(radio);
    }
    return frame;
}

QWidget* ImputeWindow::BuildMinimumWage() {
    auto* frame = new QGroupBox("2023 State Minimum Wage", this);
    auto* form = new QFormLayout(frame);
    state_ = new QComboBox(frame);
    state_->setObjectName("WageCombo");
    for (const calculators::MinimumWage& wage : calculators::StateMinimumWages()) {
        state_->addItem(QString::fromStdString(wage.name));
    }
    state_->setCurrentText(QString(calculators::kDefaultWageState.data()));
    connect(state_, &QComboBox::currentIndexChanged, this, &ImputeWindow::ShowFigures);
    form->addRow("State", state_);
    hourly_ = Output("Hourly", frame);
    form->addRow("Hourly Minimum Wage", hourly_);
    moMin_ = Output("MoMin", frame);
    form->addRow("Monthly Minimum Gross Income", moMin_);
    return frame;
}

QWidget* ImputeWindow::BuildMedian() {
    auto* frame = new QGroupBox("US Census Median Income For Full Time Workers", this);
    auto* form = new QFormLayout(frame);
    auto* sexes = new QWidget(frame);
    auto* sexRow = new QHBoxLayout(sexes);
    sexRow->setContentsMargins(0, 0, 0, 0);
    male_ = Radio("Option1", "Male", sexes);
    female_ = Radio("Option2", "Female", sexes);
    sexRow->addWidget(male_);
    sexRow->addWidget(female_);
    sexRow->addStretch();
    for (QRadioButton* sex : {male_, female_}) {
        connect(sex, &QRadioButton::toggled, this, &ImputeWindow::ShowFigures);
    }
    form->addRow("Sex", sexes);
    ageBand_ = new QComboBox(frame);
    ageBand_->setObjectName("AgeCombo");
    for (std::string_view band : calculators::kAgeBands) {
        ageBand_->addItem(QString::fromUtf8(band.data(), static_cast<qsizetype>(band.size())));
    }
    ageBand_->setCurrentIndex(-1);
    connect(ageBand_, &QComboBox::currentIndexChanged, this, &ImputeWindow::ShowFigures);
    form->addRow("Age", ageBand_);
    // Both editions show the CPS 2021 table.
    auto* editions = new QWidget(frame);
    auto* editionRow = new QHBoxLayout(editions);
    editionRow->setContentsMargins(0, 0, 0, 0);
    editionRow->addWidget(Radio("CPS2009", "CPS 2021", editions));
    QRadioButton* current = Radio("CPSCurrent", "CPS 2021", editions);
    current->setChecked(true);
    editionRow->addWidget(current);
    editionRow->addStretch();
    form->addRow("Table", editions);
    netMedian_ = Output("NetMedian", frame);
    form->addRow("Median Net Monthly Income", netMedian_);
    grossMedian_ = Output("GrossMedian", frame);
    form->addRow("Gross Monthly Equivalent", grossMedian_);
    form->addRow("", WrappedLabel("(Single Filing - Standard Deduction)", frame));
    return frame;
}

void ImputeWindow::Open() {
    options_->button(static_cast<int>(calculators::CurrentImputeMethod(context_.record, party_)))
        ->setChecked(true);
    ShowFigures();
    open();
}

std::optional<calculators::ImputationFigures> ImputeWindow::Figures() const {
    std::optional<calculators::Sex> sex;
    if (male_->isChecked() || female_->isChecked()) {
        sex = male_->isChecked() ? calculators::Sex::Male : calculators::Sex::Female;
    }
    std::optional<std::size_t> band;
    if (ageBand_->currentIndex() >= 0) {
        band = static_cast<std::size_t>(ageBand_->currentIndex());
    }
    return calculators::FiguresFor(state_->currentText().toStdString(), sex, band);
}

void ImputeWindow::ShowFigures() {
    const std::optional<calculators::ImputationFigures> figures = Figures();
    if (!figures) {
        return;
    }
    hourly_->setText(QString::fromStdString(figures->hourly));
    moMin_->setText(
        QString::fromStdString(FormatSingle(figures->moMin, calculators::kMoMinFormat)));
    netMedian_->setText(figures->netMedian
                            ? QString::fromStdString(Format(*figures->netMedian, "$###,##0"))
                            : QString());
    grossMedian_->setText(
        figures->grossMedian
            ? QString::fromStdString(FormatSingle(*figures->grossMedian, calculators::kMoMinFormat))
            : QString());
}

ImputeMethod ImputeWindow::Chosen() const {
    return static_cast<ImputeMethod>(options_->checkedId());
}

void ImputeWindow::accept() {
    const std::optional<calculators::ImputationFigures> figures = Figures();
    if (!figures) {
        return;
    }
    if (Chosen() == ImputeMethod::MedianImpute && !figures->grossMedian) {
        context_.interaction.Box("Entry Error", kMedianNeedsChoices, BoxButtons::Ok);
        return;
    }
    calculators::ApplyImputation(context_.record, party_, Chosen(), *figures);
    QDialog::accept();
    emit imputed();
}

}  // namespace tovaris::gui
