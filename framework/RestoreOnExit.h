// Internal to the framework: restores a variable when a scope ends, also by an exception.
#pragma once

namespace fw::detail {
template <typename T> class RestoreOnExit {
public:
    RestoreOnExit(T& variable, T value) : m_variable(variable), m_saved(variable) {
        m_variable = value;
    }
    ~RestoreOnExit() { m_variable = m_saved; }
    RestoreOnExit(const RestoreOnExit&) = delete;
    RestoreOnExit& operator=(const RestoreOnExit&) = delete;

private:
    T& m_variable;
    T m_saved;
};
} // namespace fw::detail
