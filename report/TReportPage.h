#pragma once
#include "PageObjects.h"

#include <memory>
#include <vector>

enum TPrinterOrientation { poPortrait, poLandscape };

// One page template: a sheet with its margins and the objects on it in drawing order. Each
// template prints exactly one page.
class TReportPage
{
public:
    explicit TReportPage(QString name) : Name(std::move(name)) {}

    template <typename View> View &add(const QString &name)
    {
        Objects.push_back(std::make_unique<View>());
        Objects.back()->Name = name;
        return static_cast<View &>(*Objects.back());
    }

    QString Name;
    // The sheet as it lies: a landscape A4 page stores width 297 and height 210 (mm).
    double PaperWidth = 210;
    double PaperHeight = 297;
    int PaperSize = 9; // A4
    TPrinterOrientation Orientation = poPortrait;
    double LeftMargin = 10; // mm
    double RightMargin = 10;
    double TopMargin = 10;
    double BottomMargin = 10;
    std::vector<std::unique_ptr<TView>> Objects;
};
