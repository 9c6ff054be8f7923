// How the calculator and the settings code reach the window's controls: by control number.
#pragma once

#include <string>

class FormAccess {
public:
    // The control's text, cut to its first maxCount characters.
    virtual std::string GetControlText(int controlId, int maxCount) = 0;
    // Replaces the text and raises the control's change notification before returning,
    // on every call, also when the text does not change.
    virtual void SetControlText(int controlId, const std::string& text) = 0;
    virtual void EnableControl(int controlId) = 0;

protected:
    ~FormAccess() = default;
};
