// Decoding picture bytes with the Windows Imaging Component: BMP, JPEG, PNG,
// GIF, ICO and CUR, the image at the given index, as non-premultiplied BGRA
// (0xAARRGGBB in a 32-bit word).
#include "platform/picture/PictureDecoder.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <objbase.h>
#include <wincodec.h>
#include <windows.h>

namespace picture {

namespace {

// Releases a COM interface on scope exit.
template <class T>
struct ComPtr {
    T* p = nullptr;
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (p)
            p->Release();
    }
    T** Out() { return &p; }
    T* operator->() const { return p; }
};

// COM for this thread, for as long as the thread lives. A thread that has it
// already (in either model) is fine as it is.
bool ComReady() {
    thread_local const HRESULT result = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
}

} // namespace

DecodedImage DecodeImage(std::span<const std::uint8_t> bytes, PictureFormat format, int imageIndex) {
    if (format == PictureFormat::Unknown || bytes.empty() || imageIndex < 0 || !ComReady())
        return {};
    // A cursor file is an icon file with type 2 and hot spots where icons keep
    // planes and bit counts; the icon decoder reads it once it says type 1.
    std::vector<std::uint8_t> cursorAsIcon;
    if (format == PictureFormat::Cursor && bytes.size() > 2) {
        cursorAsIcon.assign(bytes.begin(), bytes.end());
        cursorAsIcon[2] = 1;
        bytes = cursorAsIcon;
    }
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapSource> converted;
    UINT frames = 0, width = 0, height = 0;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(factory.Out()))) ||
        FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()))) ||
        FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, decoder.Out())) ||
        FAILED(decoder->GetFrameCount(&frames)) || static_cast<UINT>(imageIndex) >= frames ||
        FAILED(decoder->GetFrame(static_cast<UINT>(imageIndex), frame.Out())) ||
        FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 ||
        !IsAcceptableImageSize(width, height) ||
        FAILED(::WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.p, converted.Out())))
        return {};
    DecodedImage image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    const UINT stride = width * 4;
    if (FAILED(converted->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(image.pixels.data()))))
        return {};
    return image;
}

} // namespace picture
