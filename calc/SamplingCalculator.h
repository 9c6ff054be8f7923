// Every result of the main window, computed from OpticsState and written through FormAccess.
#pragma once

#include "calc/FormAccess.h"
#include "calc/OpticsState.h"

// Converts the text of input control 1000..1005, stores it and recomputes what depends on it.
void ApplyInputText(OpticsState& state, FormAccess& form, int controlId);
void UpdateFieldAndSampling(OpticsState& state, FormAccess& form);
void UpdateTelescope(const OpticsState& state, FormAccess& form);
void UpdateObjectLength(const OpticsState& state, FormAccess& form);
void UpdateObjectWidth(const OpticsState& state, FormAccess& form);
