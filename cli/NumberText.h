// Numbers in the text that programs read (the metrics, check's performance
// data, the provisioning log): digits and a '.' under every locale. printf's
// %f follows LC_NUMERIC, which the program takes from LANG, and a parser of
// these texts reads "0,5" as garbage or as two fields.
#pragma once

#include <string>

// value with exactly decimals digits after the '.': "-0.012500".
std::string FixedDecimals(double value, int decimals);
