#include "HandCommands.h"

ClockDateTime FaceTime(uint8_t hour, uint8_t minute, uint8_t second)
{
    ClockDateTime face;
    face.valid = 1;
    face.dayOfWeek = 1;
    face.day = 1;
    face.month = 1;
    face.year = kFaceYear;
    face.hour = hour;
    face.minute = minute;
    face.second = second;
    return face;
}

void FillSetFace(DisplayConfig& display, uint32_t seconds)
{
    display.mode = kDisplaySetFace;
    display.flag1 = 1;
    display.param2 = 0;
    display.flag3 = 1;
    display.flag4 = 1;
    display.param5 = 0;
    display.value = seconds;
    display.param12 = 0;
}

void FillNudge(DisplayConfig& display)
{
    display.mode = kDisplayNudgeSeconds;
    display.flag1 = 1;
    display.param2 = 10;  // one fifth of a second
    display.flag3 = 0;
    display.flag4 = 0;
    display.param5 = 0;
    display.value = 0;
    display.param12 = 0;
}
