#include "StoppedHands.h"

void CStoppedHands::Remember(uint32_t serialNumber, uint8_t motion)
{
    if (motion == kHandsSweep || motion == kHandsStep)
        motions_[serialNumber] = motion;
}

uint8_t CStoppedHands::RestartMotion(uint32_t serialNumber) const
{
    const auto known = motions_.find(serialNumber);
    return known != motions_.end() ? known->second : uint8_t{kHandsSweep};
}

bool CStoppedHands::TakeQuestion(const std::shared_ptr<CClockDevice>& device)
{
    if (!device || !device->IsReady() || !device->NoWritePending())
        return false;
    // An expired pointer locks to null, which no live object equals.
    if (asked_.lock() == device)
        return false;
    ClockConfig config;
    device->GetConfig(config);
    if (config.handMotion != kHandsStopped)
        return false;
    asked_ = device;
    return true;
}
