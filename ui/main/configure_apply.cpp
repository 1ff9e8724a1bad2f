// The main window's way out: Apply (write, check, eject, close, say goodbye) and Reset.
#include <cstdio>

#include "card/files/card_paths.h"
#include "card/tables/advanced_snapshot.h"
#include "card/tables/settings_file.h"
#include "ui/dialogs/exit_message_dlg.h"
#include "ui/dialogs/no_usb_dlg.h"
#include "ui/dialogs/program_message_box.h"
#include "ui/main/configure_dlg.h"
#include "ui/main/wait_cursor.h"

namespace main_window {

void CConfigureDlg::CopyAdvancedValuesToSettings() {
  for (int i = 0; i < card::kAdvancedCount; ++i) card::SetSetting(card::kAdvancedRows[i], advancedValues_[i]);
}

void CConfigureDlg::OnOK() {
  WaitCursor wait;
  card::LoadAdvancedSnapshot(advancedValues_);
  CopyAdvancedValuesToSettings();
  // config.txt, the clock file, then the read-back check; a file that cannot be written has shown the
  // no-card box through OnCardNotWritable.
  if (card::WriteSettings(*this) != card::SaveStep::kNone) saveOk_ = 0;
  if (!saveOk_) {
    // Every press of OK starts afresh; the window stays open with its values.
    saveOk_ = 1;
    wait.End();
    return;
  }
  const char drive = card::CardDriveLetter();
  if (!ejector_.Eject(static_cast<wchar_t>(static_cast<unsigned char>(drive)))) {
    std::printf("Failure ejecting drive %c.\n", drive);
    std::fflush(stdout);
  }
  ::Sleep(3000);
  wait.End();
  CSkinnedDialog::OnOK();
  dialogs::CExitMessageDlg closingMessage(Scale(), this);
  closingMessage.DoModal();
}

void CConfigureDlg::OnCardNotWritable() {
  dialogs::CNoUsbDlg noCard(Scale(), this);
  noCard.DoModal();
}

void CConfigureDlg::OnVolumeNotOpened(const wchar_t* text) { dialogs::ShowProgramMessageBox(text); }

void CConfigureDlg::OnReset() {
  card::ResetSettingsToDefaults();
  for (int i = 0; i < card::kAdvancedCount; ++i) advancedValues_[i] = card::SettingDefault(card::kAdvancedRows[i]);
  card::StoreAdvancedSnapshot(advancedValues_);
  timeZoneIndex_ = card::SettingDefault(card::kTimeZone);
  overlay_.ScheduleRefresh();
}

}  // namespace main_window
