// The thresholds of check, in the range syntax of monitoring plugins, and
// the state they give an offset. Plain functions on values.
//
//   N            the offset's size: alert outside -N..N
//   START:END    alert outside START..END (both ends are fine)
//   START:       alert below START
//   ~:END        alert above END
//   @START:END   alert inside START..END (both ends included)
//
// A plain N is the one difference from the plugins' rules, where N means
// 0..N: an offset has a sign, and a clock behind is as wrong as one ahead.
// Text() writes every range in the plugins' own syntax ("-0.5:0.5"), so a
// monitor that reads the performance data with their rules finds the state
// check gave.
#pragma once

#include <optional>
#include <string>

enum PluginState : int { kOk = 0, kWarning = 1, kCritical = 2, kUnknown = 3 };

struct PluginRange {
    double start = 0;     // -infinity for "~"
    double end = 0;       // infinity when left open
    bool inside = false;  // '@': the values inside alert
    bool plain = false;   // given as a plain N: start is -end

    // Whether the value lies where this range alerts.
    bool Alerts(double value) const;
    // The range in the plugins' syntax: "-0.5:0.5", "10:", "~:10", "@1:2".
    std::string Text() const;
    // For the reason: "beyond 0.5 s" for a plain N, else "outside 10: s",
    // "inside @1:2 s".
    std::string Describe() const;
};

// A threshold as given. Empty with `error` set ("takes ..., not 'x'", for
// the caller to put its option's name before) when the text is no range.
std::optional<PluginRange> ParsePluginRange(const std::string& text, std::string& error);

// CRITICAL when the critical range alerts, else WARNING when the warning
// range does, else OK.
PluginState RangeState(double value, const PluginRange& warning, const PluginRange& critical);
