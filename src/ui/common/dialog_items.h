// Small helpers that move values between dialog controls and strings or numbers.
#pragma once

#include <windows.h>

#include <string>

namespace korva {

// The control's text, at most `capacity` - 1 characters (as a buffer of that size would hold).
std::string ItemText(HWND dialog, int id, int capacity);
void SetItemText(HWND dialog, int id, const std::string& text);
// Writes the text only when it differs from what the control shows, so the field does not flicker.
void SetItemTextIfChanged(HWND dialog, int id, const std::string& text);
void EnableItem(HWND dialog, int id, bool enable);
bool IsItemChecked(HWND dialog, int id);
void CheckItem(HWND dialog, int id, bool check);
// Screen rectangle of a control; all zero when the control is missing.
RECT ItemScreenRect(HWND dialog, int id);
// The text of a string-table entry of this module.
std::string ModuleString(HINSTANCE instance, int id);

}  // namespace korva
