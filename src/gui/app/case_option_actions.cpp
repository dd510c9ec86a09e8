#include "app/case_option_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace tovaris::gui {

namespace {

constexpr const char* kLawTaxRulesHelp =
    "Computes the federal taxes and credits as the 2023 Internal Revenue Code does where the "
    "schedule's rules simplify it (tax tables, business income deduction, earned income, "
    "credits for separate filers). A party filing separately is taken to have lived apart from "
    "the spouse for the last six months of 2023 with the children, as a divorcing client "
    "usually has, and so may take the earned income credit and the child care credit. The "
    "Other Party's age is known only as the 65-or-older check, so the childless earned income "
    "credit's lower age limit of 25 is tested for the Claimant alone.";

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

    taxRules_ = MakeGroup({{"ScheduleTaxRules", "Schedule Rules (Default)"},
                           {"LawTaxRules", "2023 Federal Tax Law"}});
    taxRules_->actions().at(1)->setToolTip(kLawTaxRulesHelp);
    taxRules_->actions().at(1)->setStatusTip(kLawTaxRulesHelp);

    auto store = [this] {
        CaseOptions& o = record_.options;
        o.economicTable = CheckedValue<EconomicTableChoice>(*table_);
        o.extrapolation = CheckedValue<Extrapolation>(*extrapolation_);
        o.otherFamilyMethod = CheckedValue<OtherFamilyMethod>(*otherFamily_);
        o.splitMethod = CheckedValue<SplitMethod>(*split_);
        o.sharedMethod = CheckedValue<SharedMethod>(*shared_);
        o.federalTaxRules = CheckedValue<FederalTaxRules>(*taxRules_);
    };
    for (QActionGroup* group : {table_, extrapolation_, otherFamily_, split_, shared_, taxRules_}) {
        connect(group, &QActionGroup::triggered, this, store);
    }
    connect(taxRules_, &QActionGroup::triggered, this,
            [this] { emit taxRulesChosen(record_.options.federalTaxRules); });
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
    CheckValue(*taxRules_, o.federalTaxRules);
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
void CaseOptionActions::AddTaxRulesItems(QMenu& menu) {
    menu.addActions(taxRules_->actions());
    menu.setToolTipsVisible(true);
}

QAction* CaseOptionActions::action(const QString& name) const {
    for (QActionGroup* group : {table_, extrapolation_, otherFamily_, split_, shared_, taxRules_}) {
        for (QAction* a : group->actions()) {
            if (a->objectName() == name) {
                return a;
            }
        }
    }
    return nullptr;
}

}  // namespace tovaris::gui
