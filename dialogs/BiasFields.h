// The time zone bias in the time zone dialog's fields: hours, minutes and
// seconds of its magnitude, each as two digits, and a "negative" box.
//
// The bias is signed seconds, positive east of Greenwich (clock time = UTC
// + bias). A catalogue zone's base bias counts the other way, in minutes
// (UTC = local time + bias), so picking a zone west of Greenwich ticks the
// box.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

struct BiasFieldTexts {
    QString hours;
    QString minutes;
    QString seconds;
    bool negative = false;

    friend bool operator==(const BiasFieldTexts&, const BiasFieldTexts&) = default;
};

// -18,000 s: "05", "00", "00", negative.
BiasFieldTexts BiasSecondsToFields(int32_t biasSeconds);

// A zone's base bias in minutes: -330 (India): "05", "30", "00", not
// negative; +300 (New York): "05", "00", "00", negative.
BiasFieldTexts ZoneBiasToFields(int32_t zoneBiasMinutes);

// The bias the fields stand for: hours x 3600 + minutes x 60 + seconds,
// each field read from its first 30 characters, negated when the box is
// ticked (a zero bias stays 0). Values too large for 32 bits saturate.
int32_t BiasSecondsFromFields(QStringView hours, QStringView minutes, QStringView seconds, bool negative);
