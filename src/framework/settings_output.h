#pragma once

#include <string>

#include "core/settings_file.h"

class CDialog;

// The title of the folder browser that "Select" opens.
inline constexpr const char* kSelectFolderTitle = "Select :";

// Lets the user choose the target folder of a form: the chosen folder is shown in the form's
// edit `editId` and read back into its text fields. Cancelling changes nothing.
void SelectTargetFolder(CDialog& form, int editId);

// Tells the user what became of "Generate": after a complete write the form first shows its
// text fields in its edits again.
void ReportSettingsFileOutcome(CDialog& form, const SettingsFileOutcome& outcome);
