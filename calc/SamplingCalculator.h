// Every result of the main window, computed from OpticsState and written through FormAccess.
//
// Behaviour at the edges:
//  - An object size typed while the sampling of its axis has never been computed (the
//    sampling is still NaN) writes nothing: 1016/1017 keep their text, and nothing is
//    divided by the unset sampling. The same holds for a sampling that is not positive.
//  - A result that is not a finite number, or whose text would be longer than
//    kMaxResultLength characters, has no text: its control is left as it is, exactly as
//    when a guard fails. For steps 3 and 4 the whole step is then skipped: the sampling is
//    not stored (it keeps agreeing with the text shown), nothing is written and the object
//    size is not enabled. Each control of step 5 and of UpdateTelescope is decided alone.
//  - ApplyInputText for a control number other than 1000..1005 does nothing.
#pragma once

#include "calc/FormAccess.h"
#include "calc/OpticsState.h"

// Characters read from an input control (1000..1005) and from an object-size control
// (1014, 1015), and the longest result text ever written.
inline constexpr int kInputReadCount = 49;
inline constexpr int kObjectReadCount = 48;
inline constexpr int kMaxResultLength = 49;

// The field that input control 1000..1005 feeds; null for any other control.
double OpticsState::*InputFieldOf(int controlId);

// Converts the text of input control 1000..1005, stores it and recomputes what depends on it.
void ApplyInputText(OpticsState& state, FormAccess& form, int controlId);
void UpdateFieldAndSampling(OpticsState& state, FormAccess& form);
void UpdateTelescope(const OpticsState& state, FormAccess& form);
void UpdateObjectLength(const OpticsState& state, FormAccess& form);
void UpdateObjectWidth(const OpticsState& state, FormAccess& form);
