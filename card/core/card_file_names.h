// The names of the Card folder and of the camera's files in it, as the camera writes them: the same on every
// platform, in the browser too.
#pragma once

namespace card {

constexpr char kCardFolderName[] = "DQ-918LX_Parameter";
constexpr char kSettingsFileName[] = "config.txt";
constexpr char kClockFileName[] = "RTC_time.ini";
constexpr char kVersionFileName[] = "ver.txt";

}  // namespace card
