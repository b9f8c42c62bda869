#include "LinkMessageFilter.h"

bool CLinkMessageFilter::ShouldShow(uint64_t generation, const std::string& text)
{
    lastFailure_ = text;
    const auto [it, inserted] = shown_.insert({text, generation});
    // The object that showed it first shows every repetition of its own;
    // later objects stay quiet.
    return inserted || it->generation == generation;
}

void CLinkMessageFilter::Identified()
{
    shown_.clear();
    lastFailure_.clear();
}
