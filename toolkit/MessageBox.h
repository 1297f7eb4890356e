#pragma once

#include <QString>

namespace teklifo {

enum class MessageIcon { None, Information, Warning, Error, Question };

// The buttons a box may carry, as a set of flags; the answer is one of them.
enum Button : int { NoButton = 0, Yes = 1, No = 2, Ok = 4, Cancel = 8 };

// The four kinds of box the program asks or tells with; each has its Turkish title and icon:
// warning "Dikkat !", error "Hata", information "Bilgi", confirmation "Doğrula".
enum class DialogType { Warning, Error, Information, Confirmation };

QString dialogTitle(DialogType type);

// A modal box with the Turkish button texts "Evet", "Hayır", "TAMAM", "İptal". The default
// button is "TAMAM" when present, else "Evet"; Esc and closing the box answer "İptal" when
// present, else "Hayır" (a box with one button answers that button).
Button showMessageBox(const QString& title, const QString& text, MessageIcon icon, int buttons);

// The same box with the title and icon of its kind.
Button messageDlg(const QString& text, DialogType type, int buttons);

} // namespace teklifo
