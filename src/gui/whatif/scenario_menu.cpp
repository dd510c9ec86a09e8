#include "whatif/scenario_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/menu_items.h"
#include "app/screen_setup.h"
#include "whatif/comparison_window.h"
#include "whatif/scenario_file.h"

namespace tovaris::gui {

ScenarioMenu::ScenarioMenu(AppContext& context, QMenuBar& bar, QWidget& window)
    : QObject(&window), context_(context), window_(window) {
    menu_ = bar.addMenu("S&cenarios");
    menu_->setObjectName("ScenariosMenu");
    connect(AddMenuItem(*menu_, "DuplicateScenario", "Duplicate as scenario…"), &QAction::triggered,
            this, [this] {
                std::optional<std::string> name = context_.interaction.Ask(
                    "Duplicate As Scenario", "Name Of The New Scenario:", "");
                if (name) {
                    Duplicate(QString::fromStdString(*name));
                }
            });
    shown_ = menu_->addMenu("Show Scenario");
    shown_->setObjectName("ShowScenarioMenu");
    connect(AddMenuItem(*menu_, "DeleteScenario", "Delete Scenario Shown..."), &QAction::triggered,
            this, [this] {
                const QString name = QString::fromStdString(set_.Active());
                if (set_.CurrentIsActive() ||
                    context_.interaction.Box("Delete Scenario",
                                             "Delete The Scenario " + name.toStdString() + "?",
                                             BoxButtons::YesNo) == kAnswerYes) {
                    Delete(name);
                }
            });
    menu_->addSeparator();
    connect(AddMenuItem(*menu_, "CompareScenarios", "Compare Scenarios"), &QAction::triggered, this,
            [this] { Compare(); });
    RebuildItems();
}

void ScenarioMenu::RebuildItems() {
    shown_->clear();
    auto* group = new QActionGroup(shown_);
    for (const std::string& name : set_.Names()) {
        QAction* item = shown_->addAction(QString::fromStdString(name));
        item->setCheckable(true);
        item->setChecked(name == set_.Active());
        group->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, name = QString::fromStdString(name)] { Show(name); });
    }
}

void ScenarioMenu::Forget() {
    set_.Reset();
    RebuildItems();
}

void ScenarioMenu::ReadBeside(const QString& caseFile) {
    whatif::ScenarioFileResult read =
        whatif::OpenScenarioFile(caseFile.toStdString(), context_.record, /*setAside=*/true);
    set_.Reset(std::move(read.scenarios));
    RebuildItems();
    if (!read.ok) {
        context_.interaction.Box("Open Client Data", read.message, BoxButtons::Ok);
    }
}

void ScenarioMenu::WriteBeside(const QString& caseFile) {
    whatif::ScenarioFileResult written =
        whatif::SaveScenarioFile(caseFile.toStdString(), set_.All(context_.record));
    if (!written.ok) {
        context_.interaction.Box("Save Client Data", written.message, BoxButtons::Ok);
    }
}

void ScenarioMenu::Duplicate(const QString& name) {
    if (std::optional<std::string> refused = set_.Duplicate(context_.record, name.toStdString())) {
        context_.interaction.Box("Entry Error", *refused, BoxButtons::Ok);
        return;
    }
    RebuildItems();
}

void ScenarioMenu::Show(const QString& name) {
    set_.Activate(context_.record, name.toStdString());
    RebuildItems();
    emit scenarioShown();
}

void ScenarioMenu::Delete(const QString& name) {
    const std::string shown = set_.Active();
    if (std::optional<std::string> refused = set_.Remove(context_.record, name.toStdString())) {
        context_.interaction.Box("Entry Error", *refused, BoxButtons::Ok);
        return;
    }
    RebuildItems();
    if (set_.Active() != shown) {
        emit scenarioShown();
    }
}

ComparisonWindow& ScenarioMenu::Compare() {
    if (comparison_ == nullptr) {
        comparison_ = new ComparisonWindow(context_, &window_);
        comparison_->setWindowFlag(Qt::Window);
        SetUpScreen(*comparison_, context_.preferences, context_.scale.monAdj);
    }
    comparison_->Show(whatif::CompareScenarios(context_.record, set_.All(context_.record)));
    return *comparison_;
}

}  // namespace tovaris::gui
