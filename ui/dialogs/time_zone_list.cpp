#include "ui/dialogs/time_zone_list.h"

namespace dialogs {
namespace {

constexpr const wchar_t* kTexts[kTimeZoneCount] = {
    L" UTC-12:00", L" UTC-11:00", L" UTC-10:00", L" UTC-09:00", L" UTC-08:00", L" UTC-07:00", L" UTC-06:00",
    L" UTC-05:00", L" UTC-04:00", L" UTC-03:00", L" UTC-02:00", L" UTC-01:00", L" UTC",       L" UTC+01:00",
    L" UTC+02:00", L" UTC+03:00", L" UTC+04:00", L" UTC+05:00", L" UTC+06:00", L" UTC+07:00", L" UTC+08:00",
    L" UTC+09:00", L" UTC+10:00", L" UTC+11:00", L" UTC+12:00",
};

}  // namespace

const wchar_t* TimeZoneText(int index) { return index >= 0 && index < kTimeZoneCount ? kTexts[index] : nullptr; }

}  // namespace dialogs
