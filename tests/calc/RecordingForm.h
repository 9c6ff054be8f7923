// An in-memory FormAccess for the calculator's tests: it keeps every control's text,
// records every call in order and answers change notifications as the main window's
// controller does: 1000..1005 run ApplyInputText, 1009 and 1014 run
// UpdateObjectLength, 1010 and 1015 run UpdateObjectWidth; the others run nothing.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "calc/FormAccess.h"
#include "calc/OpticsState.h"
#include "calc/SamplingCalculator.h"

struct FormCall {
    enum class Kind { Get, Set, Enable };
    Kind kind;
    int controlId;
    int count = 0;    // Get: the maximum count asked for
    std::string text; // Get: the text returned; Set: the text written

    bool operator==(const FormCall&) const = default;
};

inline FormCall Get(int controlId, int count, std::string text) {
    return {FormCall::Kind::Get, controlId, count, std::move(text)};
}
inline FormCall Set(int controlId, std::string text) {
    return {FormCall::Kind::Set, controlId, 0, std::move(text)};
}
inline FormCall Enable(int controlId) {
    return {FormCall::Kind::Enable, controlId, 0, {}};
}

inline std::ostream& operator<<(std::ostream& os, const FormCall& call) {
    switch (call.kind) {
    case FormCall::Kind::Get:
        return os << "Get(" << call.controlId << ", " << call.count << ") -> \"" << call.text
                  << "\"";
    case FormCall::Kind::Set:
        return os << "Set(" << call.controlId << ", \"" << call.text << "\")";
    case FormCall::Kind::Enable:
        return os << "Enable(" << call.controlId << ")";
    }
    return os;
}

class RecordingForm final : public FormAccess {
public:
    explicit RecordingForm(OpticsState& state) : state_(state) {}

    std::string GetControlText(int controlId, int maxCount) override {
        std::string text = texts_[controlId];
        if (maxCount >= 0 && text.size() > static_cast<std::size_t>(maxCount)) {
            text.resize(static_cast<std::size_t>(maxCount));
        }
        calls.push_back(Get(controlId, maxCount, text));
        return text;
    }

    void SetControlText(int controlId, const std::string& text) override {
        calls.push_back(Set(controlId, text));
        texts_[controlId] = text;
        Notify(controlId);
    }

    void EnableControl(int controlId) override {
        calls.push_back(Enable(controlId));
        enabled.push_back(controlId);
    }

    // The user types: the text changes and the change notification follows, as in the window.
    void Type(int controlId, const std::string& text) { SetControlText(controlId, text); }

    // Sets a text without notification and without recording (a test's preparation).
    void Put(int controlId, const std::string& text) { texts_[controlId] = text; }

    // The text a control shows now, without recording a call.
    std::string Text(int controlId) const {
        const auto it = texts_.find(controlId);
        return it == texts_.end() ? std::string() : it->second;
    }

    std::vector<FormCall> calls;
    std::vector<int> enabled;

private:
    void Notify(int controlId) {
        switch (controlId) {
        case 1000:
        case 1001:
        case 1002:
        case 1003:
        case 1004:
        case 1005:
            ApplyInputText(state_, *this, controlId);
            break;
        case 1009:
        case 1014:
            UpdateObjectLength(state_, *this);
            break;
        case 1010:
        case 1015:
            UpdateObjectWidth(state_, *this);
            break;
        default:
            break;
        }
    }

    OpticsState& state_;
    std::map<int, std::string> texts_;
};
