#pragma once

#include <QColor>
#include <QString>

#include "common/preference_store.h"

class QLineEdit;
class QRect;
class QWidget;

namespace tovaris::gui {

// Colours as the preferences store them: red in the low byte.
QColor FromStoredColor(unsigned rgb);
unsigned ToStoredColor(const QColor& color);

// The screen background: the program's own colour unless "ScreenDefault" asks for the system's.
QColor ScreenBackColor(const PreferenceStore& preferences);

// Display set-up of one screen: background and command button colours from the preferences, and
// the window's designed size times the user's scale factor (fonts are scaled application-wide),
// no larger than the desktop. Read-only fields are shown as such.
void SetUpScreen(QWidget& screen, const PreferenceStore& preferences, double monAdj);

// The colours alone: the screen colour, the theme colour for selections and the command
// buttons' face, text and border from the appearance preferences.
void ApplyScreenColors(QWidget& screen, const PreferenceStore& preferences);

// A new colour choice: every screen set up so far is coloured again at once, shown or hidden.
void RecolorScreens(const PreferenceStore& preferences);

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
