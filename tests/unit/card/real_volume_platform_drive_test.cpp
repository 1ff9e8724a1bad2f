// The ejector on the platform, against drives of tests/fixtures/card_drives.sh: S: removable, T: optical,
// U: fixed, V: missing. Wine opens and locks such volumes but supports neither dismount nor eject.
#include <gtest/gtest.h>
#include <windows.h>
#include <winioctl.h>

#include <utility>
#include <vector>

#include "card/eject/real_volume_platform.h"
#include "card/eject/volume_ejector.h"

namespace {

// The open-error box, recorded instead of shown.
struct RecordedBox final : card::VolumeOpenErrorSink {
  void OnVolumeNotOpened(const wchar_t* text) override { text_ += text; }
  std::wstring text_;
};

// The real platform with its box recorded; the answers of the device are recorded too.
class BoxlessPlatform final : public card::RealVolumePlatform {
 public:
  bool Control(HANDLE volume, DWORD code, const void* input, DWORD inputSize) override {
    const bool done = RealVolumePlatform::Control(volume, code, input, inputSize);
    controls.push_back({code, done});
    return done;
  }
  const std::wstring& box() const { return recordedBox_.text_; }
  card::VolumeOpenErrorSink& boxSink() { return recordedBox_; }

  std::vector<std::pair<DWORD, bool>> controls;

 private:
  RecordedBox recordedBox_;
};

struct EjectResult {
  int result;
  std::string printed;
};

EjectResult EjectWith(card::VolumeEjector& ejector, wchar_t letter) {
  testing::internal::CaptureStdout();
  const int result = ejector.Eject(letter);
  return {result, testing::internal::GetCapturedStdout()};
}

TEST(RealVolumeEjector, RemovableAndOpticalDrivesAreOpenedLockedAndClosed) {
  for (const wchar_t letter : {L'S', L'T'}) {
    BoxlessPlatform platform;
    card::VolumeEjector ejector(platform, platform.boxSink());
    const EjectResult ejected = EjectWith(ejector, letter);
    EXPECT_EQ(ejected.result, 1) << static_cast<char>(letter);
    EXPECT_EQ(ejected.printed, "") << "Wine cannot dismount, so the medium is not reported safe to remove";
    EXPECT_EQ(platform.box(), L"");
    using Control = std::pair<DWORD, bool>;
    EXPECT_EQ(platform.controls, (std::vector<Control>{{FSCTL_LOCK_VOLUME, true}, {FSCTL_DISMOUNT_VOLUME, false}}));
  }
}

TEST(RealVolumeEjector, FixedAndMissingDrivesAreRefused) {
  BoxlessPlatform platform;
  card::VolumeEjector ejector(platform, platform.boxSink());
  for (const wchar_t letter : {L'U', L'V'}) {
    const EjectResult refused = EjectWith(ejector, letter);
    EXPECT_EQ(refused.result, 0);
    EXPECT_EQ(refused.printed, "Cannot eject.  Drive type is incorrect.\n");
  }
}

}  // namespace
