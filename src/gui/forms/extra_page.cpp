#include "forms/extra_page.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/field_binder.h"
#include "forms/worksheet_extra_page.h"
#include "forms/worksheet_font.h"
#include "forms/worksheet_lines.h"

namespace tovaris::gui {
namespace {

using forms::ExtraKind;
using forms::ExtraPageEntry;
using forms::WorksheetHeader;

// The report's header fields are the worksheet's own.
constexpr std::pair<const char*, std::string_view> kHeader[] = {
    {"Father's Name:  ", WorksheetHeader::kParentName[0]},
    {"Mother's Name:  ", WorksheetHeader::kParentName[1]},
    {"Case Number:  ", WorksheetHeader::kCaseNumber},
    {"County:  ", WorksheetHeader::kCounty},
};

}  // namespace

ExtraPage::ExtraPage(AppContext& context, QWidget* parent) : QScrollArea(parent) {
    setObjectName("WorksheetExtra");
    setFocusPolicy(Qt::NoFocus);  // Tab goes through the fields, not the frame
    setWidgetResizable(true);
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* title = new QLabel("Child Support Order Summary Report", page);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    auto* form = new QFormLayout();
    for (const auto& [label, field] : kHeader) {
        form->addRow(label, FieldBox(field, 30, page));
    }
    std::string_view group;
    QHBoxLayout* marks = nullptr;
    for (const ExtraPageEntry& entry : forms::ExtraPageEntries()) {
        if (entry.group != group && !entry.group.empty()) {
            auto* heading = new QLabel(FromView(entry.group), page);
            heading->setFont(bold);
            form->addRow(heading);
            marks = nullptr;
        }
        group = entry.group;
        if (entry.kind == ExtraKind::Mark) {
            if (marks == nullptr) {
                marks = new QHBoxLayout();
                marks->addStretch();  // the marks of a question stand together on the left
                form->addRow(marks);
            }
            for (QWidget* part : {static_cast<QWidget*>(new QLabel(FromView(entry.label), page)),
                                  static_cast<QWidget*>(FieldBox(entry.field, 2, page)),
                                  static_cast<QWidget*>(new QLabel(" )   ", page))}) {
                marks->insertWidget(marks->count() - 1, part);
            }
            continue;
        }
        marks = nullptr;
        form->addRow(FromView(entry.label),
                     FieldBox(entry.field, entry.label.empty() ? 0 : 16, page));
    }
    layout->addLayout(form);
    layout->addStretch();
    setWidget(page);
    binder_ = new FieldBinder(context.record.fields, *page);
    binder_->BindAll();
}

void ExtraPage::Refresh() {
    binder_->Refresh();
}

void ExtraPage::ApplyFont(const QFont& font) {
    ApplyWorksheetFont(*widget(), font);
}

}  // namespace tovaris::gui
