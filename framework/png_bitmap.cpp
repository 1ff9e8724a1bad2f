#include "framework/png_bitmap.h"

#include <wincodec.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <span>
#include <vector>

namespace fw {
namespace {

// The resource's bytes, mapped with the module for as long as it is loaded; empty when there is none.
std::span<const BYTE> ResourceBytes(UINT id, const wchar_t* type) {
  const HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
  HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const BYTE*>(bytes), ::SizeofResource(module, found)};
}

struct DecodedImage {
  UniqueCom<IWICFormatConverter> pixels;  // 24bppBGR, decoded when its rows are copied
  UINT width = 0, height = 0;
  UINT stride = 0;  // DIB rows are padded to four bytes
};

// The PNG decoder named by its version-1 class rather than chosen by the factory: later decoders do not exist
// on Windows 7. The converter gives 24bppBGR, a DIB's byte order, whatever the file stores.
DecodedImage Decode(IWICImagingFactory& factory, UINT id, const wchar_t* type) {
  const std::span<const BYTE> bytes = ResourceBytes(id, type);
  UniqueCom<IWICStream> stream;
  UniqueCom<IWICBitmapDecoder> decoder;
  UniqueCom<IWICBitmapFrameDecode> frame;
  DecodedImage image;
  UniqueCom<IWICFormatConverter>& converter = image.pixels;
  // The stream only reads the memory it is given, whatever its signature says.
  if (bytes.empty() || FAILED(factory.CreateStream(stream.put())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()))) ||
      FAILED(::CoCreateInstance(CLSID_WICPngDecoder1, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(decoder.put()))) ||
      FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand)) ||
      FAILED(decoder->GetFrame(0, frame.put())) || FAILED(factory.CreateFormatConverter(converter.put())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&image.width, &image.height)))
    return {};
  const std::uint64_t stride = (std::uint64_t{image.width} * 3 + 3) & ~std::uint64_t{3};
  if (image.width == 0 || image.height == 0 || stride * image.height > INT_MAX) return {};
  image.stride = static_cast<UINT>(stride);
  return image;
}

enum class RowOrder { kTopDown, kBottomUp };

BITMAPINFO DibFormat(const DecodedImage& image, RowOrder order) {
  BITMAPINFO format{};
  BITMAPINFOHEADER& header = format.bmiHeader;
  header.biSize = sizeof header;
  header.biWidth = static_cast<LONG>(image.width);
  header.biHeight = order == RowOrder::kTopDown ? -static_cast<LONG>(image.height) : static_cast<LONG>(image.height);
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  return format;
}

// The decoder's rows, top to bottom, in one copy.
bool CopyRows(const DecodedImage& image, BYTE* bits) {
  return SUCCEEDED(image.pixels->CopyPixels(nullptr, image.stride, image.stride * image.height, bits));
}

void ReverseRows(const DecodedImage& image, BYTE* bits) {
  for (UINT top = 0, bottom = image.height - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(bits + top * image.stride, bits + (top + 1) * image.stride, bits + bottom * image.stride);
}

}  // namespace

PngDecoder::PngDecoder(const wchar_t* resourceType) : resourceType_(resourceType) {
  if (apartment_.usable())
    ::CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(factory_.put()));
}

PngDecoder::~PngDecoder() = default;

// Sections bottom-up, as a bitmap file's were: code that reads a section's rows finds them where it always did.
UniqueBitmap PngDecoder::Section(UINT id) const {
  if (!factory_) return {};
  const DecodedImage image = Decode(*factory_.get(), id, resourceType_);
  if (!image.pixels) return {};
  const BITMAPINFO format = DibFormat(image, RowOrder::kBottomUp);
  void* bits = nullptr;
  UniqueBitmap section(::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || !CopyRows(image, static_cast<BYTE*>(bits))) return {};
  ReverseRows(image, static_cast<BYTE*>(bits));
  return section;
}

UniqueBitmap PngDecoder::DeviceBitmap(UINT id) const {
  if (!factory_) return {};
  const DecodedImage image = Decode(*factory_.get(), id, resourceType_);
  if (!image.pixels) return {};
  std::vector<BYTE> bits(std::size_t{image.stride} * image.height);
  if (!CopyRows(image, bits.data())) return {};
  const BITMAPINFO format = DibFormat(image, RowOrder::kTopDown);
  WindowDC screen(nullptr);
  return UniqueBitmap(
      ::CreateDIBitmap(screen.get(), &format.bmiHeader, CBM_INIT, bits.data(), &format, DIB_RGB_COLORS));
}

UniqueBitmap LoadSectionBitmap(UINT id, const wchar_t* resourceType) { return PngDecoder(resourceType).Section(id); }

UniqueBitmap LoadDeviceBitmap(UINT id, const wchar_t* resourceType) {
  return PngDecoder(resourceType).DeviceBitmap(id);
}

}  // namespace fw
