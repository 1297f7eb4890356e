#pragma once

#include "toolkit/Errors.h"

#include <QString>
#include <exception>
#include <utility>

namespace teklifo {

// The text of the standard error box: the error's own text, with a full stop appended when its
// last character sorts above the full stop (a letter or digit, not ". ! )" or a blank).
QString errorBoxText(const QString& message);

// Shows the application's standard error box: title "Teklifo", error icon, OK.
void showErrorBox(const QString& message);

// Shows the standard error box for whatever is being thrown right now.
void showCurrentException();

// Runs a handler's body; an error ends the body, is shown in the standard error box, and the
// program goes on. Returns false when the body was cut short by an error.
template <class F>
bool guarded(F&& body) {
    try {
        std::forward<F>(body)();
        return true;
    } catch (...) {
        showCurrentException();
        return false;
    }
}

} // namespace teklifo
