#include "forms/declaration_page.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/field_binder.h"
#include "case/sequential_file.h"
#include "common/entry_text.h"
#include "forms/worksheet_font.h"

namespace tovaris::gui {
namespace {

using forms::DeclarationField;
using forms::DeclarationGroup;
using forms::DeclarationKind;
using forms::DeclarationSection;

constexpr int kAmountChars = 10;
constexpr int kLabelColumn = 0;
constexpr int kFirstCell = 1;
constexpr int kLastColumn = kFirstCell + 7;  // seven cells and the room behind them

// Characters wide a text cell is shown, from the length the form's box allows.
int TextChars(int maxLength) {
    return maxLength <= 15 ? 9 : maxLength <= 30 ? 14 : 0;
}

QLabel* Caption(const QString& text, QWidget* parent, bool bold = false, bool wrap = false) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(wrap);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QRadioButton* Option(std::string_view field, const QString& caption, QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(FromView(field));
    return option;
}

}  // namespace

DeclarationPage::DeclarationPage(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName("FinancialDeclaration");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BuildOptions());

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("DeclarationScroll");
    scroll_->setFocusPolicy(Qt::NoFocus);  // Tab goes through the fields, not the frame
    scroll_->setWidgetResizable(true);
    auto* form = new QWidget(scroll_);
    auto* sections = new QVBoxLayout(form);
    for (const forms::DeclarationSectionInfo& info : forms::DeclarationSections()) {
        if (info.section == DeclarationSection::PrintSettings) {
            continue;
        }
        QGroupBox* box = BuildSection(info);
        boxes_.emplace_back(info.section, box);
        sections_->addItem(FromView(info.title));
        sections->addWidget(box);
    }
    sections->addStretch();
    scroll_->setWidget(form);
    layout->addWidget(scroll_, 1);

    connect(sections_, &QComboBox::activated, this,
            [this](int index) { ShowSection(boxes_[index].first); });
    connect(scroll_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &DeclarationPage::FollowScroll);

    binder_ = new FieldBinder(context_.record.fields, *this);
    binder_->BindAll();
    // A new print font size brings the print size setting along.
    connect(binder_, &FieldBinder::edited, this, [this](const QString& field) {
        if (field == FromView(forms::kPrintFontSize)) {
            CaseFields& fields = context_.record.fields;
            float points =
                static_cast<float>(ToNumber(fields.Text(forms::kPrintFontSize)).value_or(10));
            fields.SetText(forms::kPrintSize, std::to_string(FontSizeCode(points)));
            binder_->Refresh();
        }
    });
}

QWidget* DeclarationPage::BuildOptions() {
    auto* bar = new QWidget(this);
    auto* grid = new QGridLayout(bar);
    grid->addWidget(Caption("The Declarant (Shown As \"You\" On This FD) Is:", bar, true), 0, 0);
    grid->setColumnStretch(3, 1);
    grid->addWidget(Option(forms::kDeclarantClaimant, "The Claimant (On The Express Form)", bar), 0,
                    1);
    grid->addWidget(Option(forms::kDeclarantOther, "The Other Party (On The Express Form)", bar), 0,
                    2);
    grid->addWidget(Caption("If Getting Income Data From The Express Form", bar), 1, 0);
    grid->addWidget(Option(forms::kDeclarantPetitioner, "Petitioner", bar), 1, 1);
    grid->addWidget(Option(forms::kDeclarantRespondent, "Respondent", bar), 1, 2);

    auto* print = new QWidget(bar);
    auto* row = new QHBoxLayout(print);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Caption("Print Font:", print));
    auto* font = new QFontComboBox(print);
    font->setObjectName(FromView(forms::kPrintFontName));
    row->addWidget(font);
    row->addWidget(Caption("Size:", print));
    auto* size = new QComboBox(print);
    size->setObjectName(FromView(forms::kPrintFontSize));
    size->addItems({"8", "9", "9.75", "10", "11", "12"});
    row->addWidget(size);
    row->addStretch();
    grid->addWidget(print, 2, 0, 1, 2);

    auto* go = new QWidget(bar);
    auto* goRow = new QHBoxLayout(go);
    goRow->setContentsMargins(0, 0, 0, 0);
    goRow->addWidget(Caption("Go To Section:", go, true));
    sections_ = new QComboBox(go);
    sections_->setObjectName("GoToSection");
    goRow->addWidget(sections_, 1);
    grid->addWidget(go, 2, 2, 1, 2);
    return bar;
}

QGroupBox* DeclarationPage::BuildSection(const forms::DeclarationSectionInfo& info) {
    auto* box = new QGroupBox(FromView(info.title), this);
    box->setObjectName(QString("Section%1").arg(static_cast<int>(info.section)));
    QFont bold = box->font();
    bold.setBold(true);
    box->setFont(bold);
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(kLastColumn, 1);  // wide texts take the room, figures stay compact
    int row = 0;
    if (!info.instructions.empty()) {
        grid->addWidget(Caption(FromView(info.instructions), box, false, true), row++, kLabelColumn,
                        1, kLastColumn + 1);
    }
    for (const DeclarationGroup& group : forms::DeclarationGroups()) {
        if (group.section == info.section) {
            AddGroup(*grid, row, group);
        }
    }
    for (QWidget* child : box->findChildren<QWidget*>()) {
        QFont own = child->font();
        own.setBold(child->property("bold").toBool());
        child->setFont(own);
    }
    return box;
}

void DeclarationPage::AddGroup(QGridLayout& grid, int& row, const DeclarationGroup& group) {
    QWidget* parent = grid.parentWidget();
    if (!group.title.empty()) {
        QLabel* title = Caption(FromView(group.title), parent);
        title->setProperty("bold", true);
        grid.addWidget(title, row++, kLabelColumn, 1, kLastColumn + 1);
    }
    int cell = 0;
    for (std::string_view heading : group.cellHeadings) {
        if (!heading.empty()) {
            QLabel* label = Caption(FromView(heading), parent);
            label->setProperty("bold", true);
            grid.addWidget(label, row, kFirstCell + cell);
        }
        ++cell;
    }
    if (!group.cellHeadings[0].empty() || !group.cellHeadings[1].empty()) {
        ++row;
    }
    // Fields of one line share its label and stand in rising cells.
    const DeclarationField* previous = nullptr;
    for (const DeclarationField& field : forms::DeclarationFields()) {
        if (field.group != group.id) {
            continue;
        }
        bool sameLine =
            previous != nullptr && previous->label == field.label && previous->cell < field.cell;
        if (!sameLine) {
            if (previous != nullptr) {
                ++row;
            }
            grid.addWidget(Caption(FromView(field.label), parent), row, kLabelColumn);
        }
        bool wide = field.kind == DeclarationKind::Text && TextChars(field.maxLength) == 0;
        grid.addWidget(FieldControl(field, parent), row, kFirstCell + field.cell, 1,
                       wide ? kLastColumn + 1 - kFirstCell - field.cell : 1);
        previous = &field;
    }
    ++row;
}

QWidget* DeclarationPage::FieldControl(const DeclarationField& field, QWidget* parent) {
    bool amount = field.kind == DeclarationKind::Amount;
    QLineEdit* edit =
        FieldBox(field.stem, amount ? kAmountChars : TextChars(field.maxLength), parent);
    if (!amount) {
        edit->setMaxLength(field.maxLength);
        return edit;
    }
    edit->setAlignment(Qt::AlignRight);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(R"([-$ ,.0-9]*)"), edit));
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
        std::string name = edit->objectName().toStdString();
        std::string shown = forms::DeclarationAmountText(edit->text().toStdString());
        context_.record.fields.SetText(name, shown);
        edit->setText(QString::fromStdString(shown));
    });
    return edit;
}

void DeclarationPage::Refresh() {
    binder_->Refresh();
}

void DeclarationPage::ShowSection(DeclarationSection section) {
    for (const auto& [shown, box] : boxes_) {
        if (shown == section) {
            scroll_->verticalScrollBar()->setValue(box->y());
        }
    }
    FollowScroll();
}

DeclarationSection DeclarationPage::SectionInView() const {
    int top = scroll_->verticalScrollBar()->value();
    DeclarationSection inView = boxes_.front().first;
    for (const auto& [section, box] : boxes_) {
        if (box->y() <= top + scroll_->viewport()->height() / 3) {
            inView = section;
        }
    }
    return inView;
}

void DeclarationPage::FollowScroll() {
    DeclarationSection inView = SectionInView();
    for (int i = 0; i < static_cast<int>(boxes_.size()); ++i) {
        if (boxes_[i].first == inView) {
            sections_->setCurrentIndex(i);
        }
    }
}

}  // namespace tovaris::gui
