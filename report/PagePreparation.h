#pragma once
#include "PreparedPage.h"
#include "ValueSlots.h"

class TReportPage;

namespace PagePreparation {

// Lays out the visible objects of a page template in drawing order, resolving the value slots
// of each memo in text order as it comes to it. An error of the resolver ends the preparation.
PreparedPage prepare(const TReportPage &page, const ValueSlots::Resolver &resolve);

} // namespace PagePreparation
