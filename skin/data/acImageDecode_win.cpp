// PNG and JPEG through the Windows Imaging Component.
#include <windows.h>
#include <wincodec.h>

#include "skin/data/acImageDecode.h"

namespace {

// Owns one reference to a COM object.
template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (p_ != nullptr) p_->Release();
  }
  T** Put() { return &p_; }
  void** PutVoid() { return reinterpret_cast<void**>(&p_); }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }

 private:
  T* p_ = nullptr;
};

// COM is initialised on the calling thread for the duration of one decode, unless the
// thread already runs in another apartment, which serves as well.
class ComScope {
 public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }

 private:
  HRESULT hr_;
};

std::optional<TacDecodedImage> DecodeWithWic(std::span<const uint8_t> bytes, TacImageFormat format) {
  if (bytes.size() > MAXDWORD) return std::nullopt;
  ComScope com;
  ComRef<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              factory.PutVoid())))
    return std::nullopt;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapDecoder> decoder;
  ComRef<IWICBitmapFrameDecode> frame;
  ComRef<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (FAILED(factory->CreateStream(stream.Put())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Put())) ||
      FAILED(decoder->GetFrame(0, frame.Put())) || FAILED(frame->GetSize(&width, &height)) ||
      !ImageSizeAllowed(width, height) || FAILED(factory->CreateFormatConverter(converter.Put())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)))
    return std::nullopt;
  TacDecodedImage out;
  out.Pixels.resize(static_cast<int>(width), static_cast<int>(height));
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                   reinterpret_cast<BYTE*>(out.Pixels.view().pixels))))
    return std::nullopt;
  out.Format = format;
  out.HasAlpha = format == TacImageFormat::Png;
  if (!out.HasAlpha) {  // JPEG has no alpha; make sure every pixel is opaque
    const PixelBuffer v = out.Pixels.view();
    for (int y = 0; y < v.height; ++y)
      for (int x = 0; x < v.width; ++x) v.at(x, y) |= 0xFF000000u;
  }
  return out;
}

}  // namespace

std::optional<TacDecodedImage> DecodePng(std::span<const uint8_t> bytes) {
  return DecodeWithWic(bytes, TacImageFormat::Png);
}

std::optional<TacDecodedImage> DecodeJpeg(std::span<const uint8_t> bytes) {
  return DecodeWithWic(bytes, TacImageFormat::Jpeg);
}
