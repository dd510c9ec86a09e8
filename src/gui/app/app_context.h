#pragma once

#include <QString>
#include <functional>

#include "case/case_record.h"
#include "common/display_scale.h"
#include "common/interaction.h"
#include "common/preference_store.h"

namespace tovaris::gui {

class PrintService;

// What every screen shares: the one open case, the preferences, the way to talk to the user,
// the display scales and the program's folder (help files, default data folder).
struct AppContext {
    CaseRecord& record;
    PreferenceStore& preferences;
    Interaction& interaction;
    DisplayScale scale;
    QString programFolder;
    std::function<void()> requestQuit;  // asks the quit question
    bool quitting = false;              // set once the program is ending: screens just close
    PrintService* printing = nullptr;   // previews, prints and saves the printed documents
};

}  // namespace tovaris::gui
