// Bitmaps from the program's own PNG resources, decoded with the Windows Imaging Component as Windows 7 SP1 has
// it (the version-1 factory and PNG decoder) into 24-bit BI_RGB bitmaps with exactly the file's pixels: no colour
// correction, no alpha, nothing premultiplied.
#pragma once

#include <windows.h>

#include "framework/com.h"
#include "framework/gdi.h"

struct IWICImagingFactory;

namespace fw {

// The resource type under which the images are stored; each larger set of the skin has a type of its own.
inline constexpr wchar_t kPngResourceType[] = L"PNG";

// Decodes any number of images with one imaging factory, for a batch (a window's set of skin bitmaps). The
// thread needs no COM set-up of its own: the decoder joins an apartment for its life.
class PngDecoder {
 public:
  // Decodes the images of one resource type (one set of the skin), which must outlive the decoder.
  explicit PngDecoder(const wchar_t* resourceType = kPngResourceType);
  ~PngDecoder();
  PngDecoder(const PngDecoder&) = delete;
  PngDecoder& operator=(const PngDecoder&) = delete;

  // A section keeps its pixels readable (shaping, overlays); a device-dependent bitmap is what the plain
  // bitmap buttons draw from. Null when the resource is missing or cannot be decoded.
  UniqueBitmap Section(UINT id) const;
  UniqueBitmap DeviceBitmap(UINT id) const;

 private:
  const wchar_t* resourceType_;
  ScopedComApartment apartment_;  // outlives the factory
  UniqueCom<IWICImagingFactory> factory_;
};

// One image, with a decoder of its own.
UniqueBitmap LoadSectionBitmap(UINT id, const wchar_t* resourceType = kPngResourceType);
UniqueBitmap LoadDeviceBitmap(UINT id, const wchar_t* resourceType = kPngResourceType);

}  // namespace fw
