// The settings dialogs and the About box, each opened as a user meets it,
// for the render tool (a picture of each) and the tests that look at every
// dialog (the texts fit in every language).
#pragma once

#include "ClockDevice.h"

#include <QWidget>

#include <cstdint>
#include <functional>

// Called with each dialog shown and settled, and the name of its picture
// ("time-zone.png"); false marks a failure, and the tour goes on.
using DialogVisit = std::function<bool(QWidget& dialog, const char* picture)>;

// The About box of the product (about.png).
bool VisitAbout(QWidget* parent, uint8_t productIndex, const char* picture, const DialogVisit& visit);

// The time zone dialog (a zone picked through the filter), set date/time
// (PC clock, then custom), time code settings, and the daylight-saving
// dialog (the EU preset, fixed dates, off).
bool VisitSettingsDialogs(QWidget& window, const DialogVisit& visit);

// The hand position dialog watching the hands, then setting them: the
// clock's hands stop while the box is ticked, and move again after.
bool VisitHandPositionDialog(QWidget& window, CClockDevice& device, const DialogVisit& visit);
