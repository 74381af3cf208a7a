#pragma once

// Counts mouse-wheel input in units of 120 (one notch); each full 120 is one step, and the
// remainder is kept with its sign for the next input.
class WheelSteps
{
public:
    // Returns the whole steps in the input so far: positive away from the user (up).
    int add(int delta)
    {
        m_pending += delta;
        const int steps = m_pending / Notch; // truncates towards zero, so the sign stays
        m_pending -= steps * Notch;
        return steps;
    }

    static constexpr int Notch = 120;

private:
    int m_pending = 0;
};
