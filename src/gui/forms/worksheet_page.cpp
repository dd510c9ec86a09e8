#include "forms/worksheet_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/field_binder.h"
#include "forms/worksheet_font.h"
#include "forms/worksheet_lines.h"

namespace tovaris::gui {
namespace {

using forms::WorksheetHeader;
using forms::WorksheetLine;

constexpr int kBoxWidth = 13;  // characters of a figure box
constexpr int kTitleColumn = 0;
constexpr int kFirstColumn = 1;  // grid column of worksheet Column 1

constexpr const char* kReserveCaption =
    "Self-Support Reserve: (125% of the Federal Poverty Guideline for a one-person family.)";

QLineEdit* EntryBox(std::string_view field, QWidget* parent, int width = kBoxWidth) {
    return FieldBox(field, width, parent);
}

QLabel* Caption(const QString& text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(text, parent);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> widgets) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets) {
        widget->setParent(row);
        layout->addWidget(widget);
    }
    layout->addStretch();
    return row;
}

}  // namespace

WorksheetPage::WorksheetPage(AppContext& context, QWidget* parent)
    : QScrollArea(parent), context_(context) {
    setObjectName("Worksheet");
    setFocusPolicy(Qt::NoFocus);  // Tab goes through the fields, not the frame
    setWidgetResizable(true);
    auto* sheet = new QWidget(this);
    auto* layout = new QVBoxLayout(sheet);
    title_ = new QLabel("Washington State Child Support Schedule Worksheets", sheet);
    title_->setObjectName("t(24)");
    layout->addWidget(title_);
    layout->addWidget(BuildHeader());

    auto* lines = new QWidget(sheet);
    auto* grid = new QGridLayout(lines);
    grid->setColumnStretch(kTitleColumn, 1);
    int row = 0;
    grid->addWidget(Caption("Column 1", lines, true), row, kFirstColumn);
    grid->addWidget(Caption("Column 2", lines, true), row++, kFirstColumn + 1);
    for (int i = 0; i < static_cast<int>(forms::WorksheetLines().size()); ++i) {
        AddLine(*grid, row, i);
    }
    layout->addWidget(lines);
    layout->addStretch();
    setWidget(sheet);

    binder_ = new FieldBinder(context_.record.fields, *sheet);
    binder_->BindAll();
}

QWidget* WorksheetPage::BuildHeader() {
    auto* header = new QWidget(this);
    auto* grid = new QGridLayout(header);
    int row = 0;
    grid->addWidget(Caption("County  ", header), row, 0);
    grid->addWidget(EntryBox(WorksheetHeader::kCounty, header, 0), row, 1, 1, 2);
    grid->addWidget(Caption("Case No.  ", header), row, 3);
    grid->addWidget(EntryBox(WorksheetHeader::kCaseNumber, header, 0), row++, 4, 1, 2);
    grid->addWidget(Caption("Child/ren and Age/s: ", header), row, 0);
    for (int k = 0; k < WorksheetHeader::kChildren; ++k) {
        grid->addWidget(Row(header, {EntryBox(WorksheetHeader::kChildName[k], header, 14),
                                     EntryBox(WorksheetHeader::kChildAge[k], header, 4)}),
                        row + k / 3, 1 + 2 * (k % 3), 1, 2);
    }
    row += 2;
    grid->addWidget(Caption("Parents' names: ", header), row, 0);
    grid->addWidget(EntryBox(WorksheetHeader::kParentName[0], header, 0), row, 1, 1, 2);
    grid->addWidget(Caption("        (Column 1)  ", header), row, 3);
    grid->addWidget(EntryBox(WorksheetHeader::kParentName[1], header, 0), row, 4, 1, 2);
    grid->addWidget(Caption("        (Column 2)", header), row++, 6);
    for (size_t i = 0; i < forms::kProposedOptions.size(); ++i) {
        auto* option = new QRadioButton(FromView(forms::kProposedOptions[i].caption), header);
        option->setObjectName(FromView(forms::kProposedOptions[i].field));
        grid->addWidget(option, row + static_cast<int>(i) / 3, static_cast<int>(i % 3) * 2, 1, 2);
    }
    row += 2;
    grid->addWidget(Caption("Proposed by (name)", header), row, 0);
    grid->addWidget(EntryBox(forms::kProposedName, header, 0), row, 1, 1, 2);
    return header;
}

void WorksheetPage::AddLine(QGridLayout& grid, int& row, int lineIndex) {
    const WorksheetLine& line = forms::WorksheetLines()[lineIndex];
    QWidget* parent = grid.parentWidget();
    if (line.id == "8a") {  // the limitations are measured against the reserve box
        grid.addWidget(Caption(kReserveCaption, parent), row, kTitleColumn);
        grid.addWidget(EntryBox("NeedLimit", parent), row++, kFirstColumn);
    }
    QLabel* title = Caption(FromView(line.title), parent, line.IsHeading());
    title->setObjectName(QString("Line%1").arg(FromView(line.id)));
    if (line.IsHeading()) {
        grid.addWidget(title, row++, kTitleColumn, 1, 3);
        return;
    }
    grid.addWidget(title, row, kTitleColumn);
    int boxes = line.BoxCount(0);
    if (line.combined) {
        bool text = line.format == forms::LineFormat::Text;
        grid.addWidget(EntryBox(line.boxes[0][0], parent, text ? 0 : kBoxWidth), row, kFirstColumn,
                       1, text ? 2 : 1);
    }
    for (int b = 0; b < boxes && !line.combined; ++b) {
        if (boxes > 1) {
            grid.addWidget(Caption(QString("      %1").arg(FromView(line.boxCaptions[b])), parent),
                           ++row, kTitleColumn);
        }
        for (int c = 0; c < forms::kColumns; ++c) {
            bool text = line.format == forms::LineFormat::Text;
            grid.addWidget(EntryBox(line.boxes[c][b], parent, text ? kBoxWidth * 3 / 2 : kBoxWidth),
                           row, kFirstColumn + c);
        }
    }
    ++row;
    AddNotes(grid, row, line.id);
}

// The texts that stand beside a line: line 5's children and extrapolation, the "(describe)"
// boxes, line 24's names and its Paid check boxes.
void WorksheetPage::AddNotes(QGridLayout& grid, int& row, std::string_view lineId) {
    QWidget* parent = grid.parentWidget();
    for (const forms::WorksheetNote& note : forms::WorksheetNotes()) {
        if (note.id.substr(0, note.id.find(' ')) != lineId) {
            continue;
        }
        grid.addWidget(Caption(QString("      %1").arg(FromView(note.label)), parent), row,
                       kTitleColumn);
        bool shared = note.fields[1].empty();
        for (int c = 0; c < (shared ? 1 : forms::kColumns); ++c) {
            QLineEdit* box = EntryBox(note.fields[c], parent, shared ? 0 : kBoxWidth);
            box->setReadOnly(note.id.starts_with("5 "));  // written by the calculation
            grid.addWidget(box, row, kFirstColumn + c, 1, shared ? 2 : 1);
        }
        ++row;
    }
    if (lineId == "24") {
        grid.addWidget(Caption("      Paid ", parent), row, kTitleColumn);
        for (int c = 0; c < forms::kColumns; ++c) {
            auto* yes = new QCheckBox("Yes  ", parent);
            yes->setObjectName(FromView(forms::kLine24Paid[c][0]));
            auto* no = new QCheckBox("No", parent);
            no->setObjectName(FromView(forms::kLine24Paid[c][1]));
            grid.addWidget(Row(parent, {yes, no}), row, kFirstColumn + c);
        }
        ++row;
    }
}

void WorksheetPage::Refresh() {
    binder_->Refresh();
}

void WorksheetPage::ApplyFont(const QFont& font, double titlePoints) {
    ApplyWorksheetFont(*widget(), font);
    QFont title = font;
    title.setPointSizeF(titlePoints);
    title.setBold(true);
    title_->setFont(title);
}

}  // namespace tovaris::gui
