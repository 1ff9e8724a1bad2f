// The main window's Clock panel: the date and time line, the system time and world time buttons.
#include "card/tables/settings_table.h"
#include "ui/dialogs/world_time_dlg.h"
#include "ui/main/configure_dlg.h"
#include "ui/main/date_time_settings.h"

namespace main_window {

int CConfigureDlg::CompareClockStep() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return CompareClock(now, clock_, dateChanged_);
}

void CConfigureDlg::FormatClockStep() {
  FormatClockText(clock_, clockText_);
  InvalidateRect(ClockRepaintRect(dateChanged_, clockSecondsDrawnAt_, layout_), true);
}

void CConfigureDlg::OnSystemTime() { StartDateTimeSettings(); }

void CConfigureDlg::OnWorldTime() {
  timeZoneIndex_ = PickerStartIndex(card::GetSetting(card::kTimeZone));
  dialogs::CWorldTimeDlg picker(timeZoneIndex_, Scale(), this);
  if (picker.DoModal() == IDOK) {
    if (picker.ChosenIndex() == -1) return;  // confirmed without a choice: nothing changes
    timeZoneIndex_ = picker.ChosenIndex();
    card::SetSetting(card::kTimeZone, timeZoneIndex_);
  }
  // The picker covered part of the window; its paints there went without the overlay.
  overlay_.ScheduleRefresh();
}

}  // namespace main_window
