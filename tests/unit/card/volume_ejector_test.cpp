#include "card/eject/volume_ejector.h"

#include <gtest/gtest.h>
#include <winioctl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// A scripted drive: records every platform call in order and answers as configured; records the error box too.
class FakeVolumePlatform : public card::VolumePlatform, public card::VolumeOpenErrorSink {
 public:
  UINT driveType = DRIVE_REMOVABLE;
  bool opens = true;
  DWORD openError = ERROR_ACCESS_DENIED;
  int lockFailures = 0;  // attempts that fail before one succeeds
  bool dismounts = true;
  bool allowsRemoval = true;
  bool ejects = true;
  bool closes = true;

  Calls calls;
  std::string printed;
  std::wstring box;

  UINT DriveType(const wchar_t* rootPath) override {
    calls.push_back("type " + Narrow(rootPath));
    return driveType;
  }
  HANDLE OpenVolume(const wchar_t* volumePath, DWORD access) override {
    char text[32];
    std::snprintf(text, sizeof text, "%08lx", static_cast<unsigned long>(access));
    calls.push_back("open " + Narrow(volumePath) + " " + text);
    return opens ? kVolume : INVALID_HANDLE_VALUE;
  }
  DWORD LastError() override { return openError; }
  bool Control(HANDLE volume, DWORD code, const void* input, DWORD inputSize) override {
    EXPECT_EQ(volume, kVolume);
    switch (code) {
      case FSCTL_LOCK_VOLUME:
        calls.push_back("lock");
        return lockFailures-- <= 0;
      case FSCTL_DISMOUNT_VOLUME:
        calls.push_back("dismount");
        return dismounts;
      case IOCTL_STORAGE_MEDIA_REMOVAL:
        EXPECT_EQ(inputSize, 1u);
        calls.push_back(inputSize == 1 && *static_cast<const unsigned char*>(input) == 0 ? "allow removal"
                                                                                         : "bad removal input");
        return allowsRemoval;
      case IOCTL_STORAGE_EJECT_MEDIA:
        EXPECT_EQ(input, nullptr);
        calls.push_back("eject");
        return ejects;
    }
    ADD_FAILURE() << "unexpected control code " << code;
    return false;
  }
  bool Close(HANDLE volume) override {
    EXPECT_EQ(volume, kVolume);
    calls.push_back("close");
    return closes;
  }
  void Sleep(DWORD milliseconds) override { calls.push_back("sleep " + std::to_string(milliseconds)); }
  void Print(const char* text) override { printed += text; }
  void OnVolumeNotOpened(const wchar_t* text) override { box += text; }

 private:
  static std::string Narrow(const wchar_t* text) { return std::string(text, text + std::wcslen(text)); }
  inline static const HANDLE kVolume = reinterpret_cast<HANDLE>(0x1234);
};

Calls Concat(std::initializer_list<Calls> parts) {
  Calls all;
  for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Calls Repeat(const Calls& calls, int times) {
  Calls all;
  for (int i = 0; i < times; ++i) all.insert(all.end(), calls.begin(), calls.end());
  return all;
}

const Calls kOpenRemovableE = {"type E:\\", "open \\\\.\\E: c0000000"};

class VolumeEjectorSequence : public testing::Test {
 protected:
  FakeVolumePlatform platform_;
  card::VolumeEjector ejector_{platform_, platform_};
};

TEST_F(VolumeEjectorSequence, RemovableDriveIsLockedDismountedAndEjected) {
  EXPECT_EQ(ejector_.Eject(L'E'), 1);
  EXPECT_EQ(platform_.calls, Concat({kOpenRemovableE, {"lock", "dismount", "allow removal", "eject", "close"}}));
  EXPECT_EQ(platform_.printed, "Media in Drive E has been ejected safely.\n");
  EXPECT_EQ(platform_.box, L"");
}

TEST_F(VolumeEjectorSequence, OpticalDriveIsOpenedForReadingOnly) {
  platform_.driveType = DRIVE_CDROM;
  EXPECT_EQ(ejector_.Eject(L'G'), 1);
  EXPECT_EQ(platform_.calls,
            (Calls{"type G:\\", "open \\\\.\\G: 80000000", "lock", "dismount", "allow removal", "eject", "close"}));
  EXPECT_EQ(platform_.printed, "Media in Drive G has been ejected safely.\n");
}

TEST_F(VolumeEjectorSequence, OtherDriveTypesAreNotOpened) {
  for (const UINT type : {DRIVE_FIXED, DRIVE_NO_ROOT_DIR, DRIVE_REMOTE, DRIVE_RAMDISK, DRIVE_UNKNOWN}) {
    FakeVolumePlatform platform;
    platform.driveType = type;
    EXPECT_EQ(card::VolumeEjector(platform, platform).Eject(L'H'), 0) << type;
    EXPECT_EQ(platform.calls, Calls{"type H:\\"}) << type;
    EXPECT_EQ(platform.printed, "Cannot eject.  Drive type is incorrect.\n") << type;
  }
}

TEST_F(VolumeEjectorSequence, VolumeThatCannotBeOpenedShowsTheErrorBox) {
  platform_.opens = false;
  platform_.openError = ERROR_ACCESS_DENIED;
  EXPECT_EQ(ejector_.Eject(L'E'), 0);
  EXPECT_EQ(platform_.calls, kOpenRemovableE);
  EXPECT_EQ(platform_.box, L"Error 5: CreateFile\n");
  EXPECT_EQ(platform_.printed, "");
}

TEST_F(VolumeEjectorSequence, VolumeInUseIsTried20Times500MsApartThenLeftAlone) {
  platform_.lockFailures = 1000;
  EXPECT_EQ(ejector_.Eject(L'E'), 1);
  EXPECT_EQ(platform_.calls, Concat({kOpenRemovableE, Repeat({"lock", "sleep 500"}, 20), {"close"}}));
  EXPECT_EQ(platform_.printed, "");
}

TEST_F(VolumeEjectorSequence, LockThatSucceedsLateGoesOn) {
  platform_.lockFailures = 19;
  EXPECT_EQ(ejector_.Eject(L'E'), 1);
  EXPECT_EQ(platform_.calls, Concat({kOpenRemovableE,
                                     Repeat({"lock", "sleep 500"}, 19),
                                     {"lock", "dismount", "allow removal", "eject", "close"}}));
  EXPECT_EQ(platform_.printed, "Media in Drive E has been ejected safely.\n");
}

TEST_F(VolumeEjectorSequence, FailedDismountPrintsNothing) {
  platform_.dismounts = false;
  EXPECT_EQ(ejector_.Eject(L'E'), 1);
  EXPECT_EQ(platform_.calls, Concat({kOpenRemovableE, {"lock", "dismount", "close"}}));
  EXPECT_EQ(platform_.printed, "");
}

TEST_F(VolumeEjectorSequence, RefusedRemovalPermissionLeavesTheMediumSafeToRemove) {
  platform_.allowsRemoval = false;
  EXPECT_EQ(ejector_.Eject(L'E'), 1);
  EXPECT_EQ(platform_.calls, Concat({kOpenRemovableE, {"lock", "dismount", "allow removal", "close"}}));
  EXPECT_EQ(platform_.printed, "Media in Drive E can be safely removed.\n");
}

TEST_F(VolumeEjectorSequence, RefusedEjectLeavesTheMediumSafeToRemove) {
  platform_.ejects = false;
  EXPECT_EQ(ejector_.Eject(L'E'), 1);
  EXPECT_EQ(platform_.calls, Concat({kOpenRemovableE, {"lock", "dismount", "allow removal", "eject", "close"}}));
  EXPECT_EQ(platform_.printed, "Media in Drive E can be safely removed.\n");
}

TEST_F(VolumeEjectorSequence, HandleThatCannotBeClosedFailsSilently) {
  platform_.closes = false;
  EXPECT_EQ(ejector_.Eject(L'E'), 0);
  EXPECT_EQ(platform_.calls, Concat({kOpenRemovableE, {"lock", "dismount", "allow removal", "eject", "close"}}));
  EXPECT_EQ(platform_.printed, "");
}

}  // namespace
