#include "WriteOutcome.h"

const char* DescribeWriteOutcome(WriteOutcome outcome)
{
    switch (outcome) {
    case WriteOutcome::Pending: return "pending";
    case WriteOutcome::Landed: return "landed";
    case WriteOutcome::Refused: return "refused by the clock";
    case WriteOutcome::Unanswered: return "no answer from the clock";
    case WriteOutcome::LinkLost: return "link lost";
    case WriteOutcome::Replaced: return "replaced by a later write";
    case WriteOutcome::Differs: return "the clock holds other values";
    }
    return "?";
}
