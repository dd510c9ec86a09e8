#pragma once

#include <QPushButton>

#include "app/application.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"

namespace tovaris::gui::testing {

// The program started on the designed display and entered, as a new user meets it.
struct EnteredProgram {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
    EnteredProgram() {
        app.Start({800, 600, 15, 15});
        app.EnterCaseData();
    }
    QPushButton& ExpressButton(const char* name) {
        return *app.express()->findChild<QPushButton*>(name);
    }
};

}  // namespace tovaris::gui::testing
