#pragma once

#include <QString>

#include <span>

#include "res/dialog_template.h"

class QWidget;

// Dialog texts in the user's language. The About box and the MMS and Smtp forms take their title
// and control texts from the section [String] of a localisation file when it gives them:
//
//     [String]
//     IDD105_Title = MMS-Einstellungen
//     IDD105_1076 = MMS-Modus
//
// "IDD<dialog>_Title" replaces the dialog's title and "IDD<dialog>_<control>" the text of one of
// its controls; all controls that share an identifier (the unnamed frames share -1) take the
// same text. The main window and the Camera Setup form keep their own texts.

inline constexpr const char* kLocalisationFileName = "trailcam-setup.ini";

// The first localisation file found in the user's configuration folder, then in the system's
// configuration folders, then beside the program; "" when there is none. Its texts win over the
// program's translation into the user's language.
QString FindLocalisationFile();

// The localisation file that every window opened later reads; "" means there is none and no dialog
// changes its texts. The program sets it once at start-up.
void SetLocalisationFile(const QString& path);

// Replaces the title of `window` and the texts of its `controls`, made from the templates
// `layout` in the same order, by the texts that the localisation file gives for dialog number
// `dialogId`. A value that is missing or empty changes nothing. An edit takes the value as if it
// had been typed; a drop-down list selects the item with exactly that text, if it has one; a
// picture keeps its picture.
void ApplyLocalisedTexts(QWidget& window, std::span<QWidget* const> controls,
                         std::span<const res::ControlTemplate> layout, int dialogId);
