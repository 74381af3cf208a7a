#pragma once

// Page geometry is kept in pixels at 96 dpi; paper sizes and margins in millimetres.
namespace PageUnits {

constexpr double PxPerInch = 96.0;
constexpr double MmPerInch = 25.4;
constexpr double PxPerMm = PxPerInch / MmPerInch; // 3.77953

constexpr double mmToPx(double mm)
{
    return mm * PxPerMm;
}

constexpr double pxToMm(double px)
{
    return px / PxPerMm;
}

} // namespace PageUnits
