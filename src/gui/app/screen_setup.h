#pragma once

#include <QColor>
#include <QString>

#include "common/preference_store.h"

class QLineEdit;
class QRect;
class QWidget;

namespace tovaris::gui {

// A colour stored the Windows way: a decimal number with red in the low byte.
QColor ColorFromStored(const std::string& stored, QColor fallback);

// The screen background: the program's own colour unless "ScreenDefault" asks for the system's.
QColor ScreenBackColor(const PreferenceStore& preferences);

// Display set-up of one screen: background and command button colours from the preferences, and
// the window's designed size times the user's scale factor (fonts are scaled application-wide),
// no larger than the desktop. Read-only fields are shown as such.
void SetUpScreen(QWidget& screen, const PreferenceStore& preferences, double monAdj);

// A field the user reads but cannot change: read-only, on the screen's colour, out of the Tab
// chain.
void ShowAsReadOnly(QLineEdit& edit);

// The part of the desktop a window of the screen can use.
QRect AvailableArea(const QWidget& screen);

// A window the window manager does not place (the frameless splash) in the middle of the desktop.
void CenterOnScreen(QWidget& window);

// Shrinks the window to the desktop when its designed size is larger; its layouts wrap or
// scroll the rest.
void FitToScreen(QWidget& screen);

// True when a top-level screen of that object name exists, compared without regard to case.
bool IsFormLoaded(const QString& name);

}  // namespace tovaris::gui
