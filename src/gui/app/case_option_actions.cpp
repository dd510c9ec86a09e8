#include "app/case_option_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace tovaris::gui {

namespace {

// Menu item names in the order of the option's enumeration.
template <typename Enum>
Enum CheckedValue(const QActionGroup& group) {
    return static_cast<Enum>(group.actions().indexOf(group.checkedAction()));
}

template <typename Enum>
void CheckValue(QActionGroup& group, Enum value) {
    group.actions().at(static_cast<int>(value))->setChecked(true);
}

}  // namespace

CaseOptionActions::CaseOptionActions(CaseRecord& record, QObject* parent)
    : QObject(parent), record_(record) {
    table_ = MakeGroup(
        {{"Current", "Use Current (2019) Table"}, {"OldTable", "Use Prior Table (2009)"}});
    extrapolation_ =
        MakeGroup({{"Dont", "Don't Extrapolate For Combined Net > $12000"},
                   {"Curve",
                    "Extapolate With A Linear Regression Using Data Points Between 11K and 12K "
                    "Combined Net"},
                   {"Linear",
                    "Extapolate With A Linear Regression Using Data Points Between 9K and 12K "
                    "Combined Net"}});
    otherFamily_ = MakeGroup({{"WholeMethod", "Use \"Whole Family\" Method (WFM)"},
                              {"IncomeMethod", "Use \"Second Family\" Method (SFM)"}});
    split_ =
        MakeGroup({{"Arvey", "Use \"Arvey\" Method"}, {"DualWS", "Use Dual Worksheet Method"}});
    shared_ =
        MakeGroup({{"SumDays", "Use Sum Of Days Method"},
                   {"SumDaysColorado", "Use Sum Of Days With 1.5 Times The Basic CS Obligation"},
                   {"SquaredDays", "Use Sum Of Days Squared Method"}});

    auto store = [this] {
        CaseOptions& o = record_.options;
        o.economicTable = CheckedValue<EconomicTableChoice>(*table_);
        o.extrapolation = CheckedValue<Extrapolation>(*extrapolation_);
        o.otherFamilyMethod = CheckedValue<OtherFamilyMethod>(*otherFamily_);
        o.splitMethod = CheckedValue<SplitMethod>(*split_);
        o.sharedMethod = CheckedValue<SharedMethod>(*shared_);
    };
    for (QActionGroup* group : {table_, extrapolation_, otherFamily_, split_, shared_}) {
        connect(group, &QActionGroup::triggered, this, store);
    }
    SyncFromRecord();
}

QActionGroup* CaseOptionActions::MakeGroup(
    std::initializer_list<std::pair<const char*, const char*>> items) {
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (const auto& [name, caption] : items) {
        QAction* action = group->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
    }
    return group;
}

void CaseOptionActions::SyncFromRecord() {
    const CaseOptions& o = record_.options;
    CheckValue(*table_, o.economicTable);
    CheckValue(*extrapolation_, o.extrapolation);
    CheckValue(*otherFamily_, o.otherFamilyMethod);
    CheckValue(*split_, o.splitMethod);
    CheckValue(*shared_, o.sharedMethod);
}

void CaseOptionActions::AddEconomicTableItems(QMenu& menu) {
    menu.addActions(table_->actions());
}
void CaseOptionActions::AddExtrapolationItems(QMenu& menu) {
    menu.addActions(extrapolation_->actions());
}
void CaseOptionActions::AddOtherFamilyItems(QMenu& menu) {
    menu.addActions(otherFamily_->actions());
}
void CaseOptionActions::AddSplitItems(QMenu& menu) {
    menu.addActions(split_->actions());
}
void CaseOptionActions::AddSharedItems(QMenu& menu) {
    menu.addActions(shared_->actions());
}

QAction* CaseOptionActions::action(const QString& name) const {
    for (QActionGroup* group : {table_, extrapolation_, otherFamily_, split_, shared_}) {
        for (QAction* a : group->actions()) {
            if (a->objectName() == name) {
                return a;
            }
        }
    }
    return nullptr;
}

}  // namespace tovaris::gui
