// What the settings writer's tests on every platform share.
#pragma once

#include "tests/unit/card/card_test_support.h"

namespace cardtest {

inline constexpr char kDefaultFile[] =
    "Resolution=0\r\nDate=1\r\nTime=1\r\nVoltage=1\r\nAccelerator=1\r\nDisplay MISC=1\r\n"
    "Driving Mode Accelerator=2\r\nParking Accelerator=2\r\nAuto Parking=1\r\nParking Motion=2\r\n"
    "Night Bright=3\r\nSpeaker Volume=3\r\nMIC Volume=2\r\nVideo Out Standard=0\r\nEncoding Profile=0\r\n"
    "Bit rate=0\r\nDriving Mode Frame=0\r\nParking Mode Frame=0\r\nParking Black and White=0\r\nVideo OUT=0\r\n"
    "GPS Speed Display=0\r\nMemory Partition=0\r\nPartition Territory=4\r\nTime zone=21\r\n";

inline constexpr char kOldFile[] = "Resolution=2\r\nTime zone=3\r\n";

class SettingsWriter : public CardFolderTest {};

}  // namespace cardtest
