#include "calculators/financial_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <array>

#include "calculators/financial_calculator.h"

namespace tovaris::gui {
namespace {

QString TextBox(int index) {
    return QString("Text%1").arg(index + 1);
}

}  // namespace

FinancialWindow::FinancialWindow(AppContext& context, QWidget* parent)
    : CalculatorWindow(context, "FinancialCalculations", "Financial Calculations", parent) {
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(BuildOptions(), 3);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildData());
    right->addWidget(BuildAnswer());
    auto* buttons = new QHBoxLayout;
    connect(MakeButton("CmdAnswer", "Calculate Answer", central), &QPushButton::clicked, this,
            &FinancialWindow::Calculate);
    connect(MakeButton("CmdClear", "Clear", central), &QPushButton::clicked, this,
            &FinancialWindow::Clear);
    for (const char* name : {"CmdAnswer", "CmdClear"}) {
        buttons->addWidget(findChild<QPushButton*>(name));
    }
    buttons->addWidget(MakeReturnButton("cmdReturn", central));
    right->addLayout(buttons);
    right->addStretch();
    layout->addLayout(right, 2);
    setCentralWidget(central);
    ChooseOption(1);
    resize(1000, 640);
}

QWidget* FinancialWindow::BuildOptions() {
    QGroupBox* frame = Frame("OptionsFrame", "Calculation Options", this);
    auto* grid = new QGridLayout(frame);
    for (int option = 1; option <= calculators::kFinancialOptionCount; ++option) {
        auto* button = new QRadioButton(frame);
        button->setObjectName(QString("Option%1").arg(option));
        button->setChecked(option == 1);
        auto* caption = new QLabel(calculators::FinancialOptionOf(option).caption, frame);
        caption->setWordWrap(true);
        caption->setBuddy(button);
        grid->addWidget(button, option - 1, 0, Qt::AlignTop);
        grid->addWidget(caption, option - 1, 1, Qt::AlignTop);
        connect(button, &QRadioButton::toggled, this, [this, option](bool on) {
            if (on) {
                ChooseOption(option);
            }
        });
    }
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* FinancialWindow::BuildData() {
    QGroupBox* frame = Frame("DataFrame", "Data", this);
    auto* grid = new QGridLayout(frame);
    auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9.]*"), frame);
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel(frame);
        labels_[i]->setObjectName(QString("Label%1").arg(i + 1));
        QLineEdit* edit = MakeEntry(TextBox(i), frame);
        edit->setValidator(digits);
        grid->addWidget(labels_[i], i, 0);
        grid->addWidget(edit, i, 1);
    }
    return frame;
}

QWidget* FinancialWindow::BuildAnswer() {
    QGroupBox* frame = Frame("AnswerFrame", "Answer", this);
    auto* grid = new QGridLayout(frame);
    answerLabel_ = new QLabel(frame);
    answerLabel_->setObjectName("lblAnswer");
    grid->addWidget(answerLabel_, 0, 0);
    grid->addWidget(MakeOutput("txtAnswer", frame), 0, 1);
    answerNote_ = new QLabel(frame);
    answerNote_->setObjectName("lblAnswerNote");
    answerNote_->setWordWrap(true);
    answerNote_->setMinimumHeight(4 * answerNote_->fontMetrics().height());
    answerNote_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(answerNote_, 1, 0, 1, 2);
    return frame;
}

// The entries keep what was typed; an option uses only the boxes it labels.
void FinancialWindow::ChooseOption(int option) {
    option_ = option;
    const calculators::FinancialOption& chosen = calculators::FinancialOptionOf(option);
    const int count = calculators::EntryCount(chosen);
    for (int i = 0; i < 4; ++i) {
        const bool used = i < count;
        labels_[i]->setText(used ? chosen.labels[static_cast<std::size_t>(i)] : "");
        labels_[i]->setVisible(used);
        findChild<QLineEdit*>(TextBox(i))->setVisible(used);
    }
    answerLabel_->setText(chosen.answerLabel);
    ClearAnswer();
}

void FinancialWindow::Calculate() {
    ClearAnswer();
    std::array<std::string, 4> entries;
    for (int i = 0; i < 4; ++i) {
        entries[static_cast<std::size_t>(i)] = Entry(TextBox(i)).toStdString();
    }
    calculators::Outcome<calculators::FinancialAnswer> outcome =
        calculators::CalculateFinancial(option_, entries);
    if (const auto* error = std::get_if<calculators::EntryError>(&outcome)) {
        ShowEntryError(*error);
        return;
    }
    const auto& answer = std::get<calculators::FinancialAnswer>(outcome);
    findChild<QLineEdit*>("txtAnswer")->setText(QString::fromStdString(answer.answerText));
    answerNote_->setText(QString::fromStdString(answer.answerNote));
}

void FinancialWindow::Clear() {
    for (int i = 0; i < 4; ++i) {
        findChild<QLineEdit*>(TextBox(i))->clear();
    }
    ClearAnswer();
}

void FinancialWindow::ClearAnswer() {
    findChild<QLineEdit*>("txtAnswer")->clear();
    answerNote_->clear();
}

}  // namespace tovaris::gui
