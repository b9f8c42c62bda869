// What the hand position dialog sends to the clock's hands, without the
// dialog: the face time it keeps and the two hand commands, field by field.
// The command line's "hands" commands send the same.
//
// Plain values; safe from any thread.
#pragma once

#include "ClockDateTime.h"
#include "ClockRecords.h"

#include <cstdint>

// The face time starts from this day: the clock takes the time of day the
// hands show, and the date part only has to convert the same way each time.
inline constexpr int16_t kFaceYear = 2000;

// The time the stopped hands show, on 2000-01-01.
ClockDateTime FaceTime(uint8_t hour, uint8_t minute, uint8_t second);

// Sets the hands to a face time: its seconds on the clock's scale
// (CalendarToTimeValue of a FaceTime).
void FillSetFace(DisplayConfig& display, uint32_t seconds);

// Moves the seconds hand on by one fifth of a second.
void FillNudge(DisplayConfig& display);
