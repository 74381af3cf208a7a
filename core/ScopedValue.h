#pragma once
#include <utility>

// Gives a variable another value for as long as the object lives and then the value it had
// before. The test hooks that change process-wide state are built on it, so that a hook ends with
// the test that set it, also when the test fails. Objects on the same variable end in the reverse
// order of their making, as locals and members do.
template <typename T> class ScopedValue
{
public:
    ScopedValue(T &variable, T value) : m_variable(variable), m_previous(std::exchange(variable, std::move(value))) {}
    ~ScopedValue() { m_variable = std::move(m_previous); }

    ScopedValue(const ScopedValue &) = delete;
    ScopedValue &operator=(const ScopedValue &) = delete;

private:
    T &m_variable;
    T m_previous;
};
