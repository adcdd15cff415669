#include "core/PngEncode.h"

#include <objbase.h>
#include <wincodec.h>

namespace {

// Releases a COM interface on leaving scope.
template <typename T> struct Held {
    T* Pointer = nullptr;
    ~Held() {
        if (Pointer != nullptr) Pointer->Release();
    }
    T* operator->() const { return Pointer; }
    T** operator&() { return &Pointer; }
};

// The codec is a COM object: the thread joins an apartment once. One already joined in another
// model serves as well.
void JoinApartment() {
    static const HRESULT joined = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)joined;
}

HRESULT WriteFrame(IWICBitmapEncoder* encoder, const PixelRows& pixels) {
    Held<IWICBitmapFrameEncode> frame;
    Held<IPropertyBag2> options;
    HRESULT result = encoder->CreateNewFrame(&frame, &options);
    if (SUCCEEDED(result)) result = frame->Initialize(options.Pointer);
    const UINT width = static_cast<UINT>(pixels.Width), height = static_cast<UINT>(pixels.Height);
    if (SUCCEEDED(result)) result = frame->SetSize(width, height);
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    if (SUCCEEDED(result)) result = frame->SetPixelFormat(&format);
    // A codec that wants another layout would need a converter; none is known to.
    if (SUCCEEDED(result) && format != GUID_WICPixelFormat32bppBGR)
        result = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    const UINT stride = width * 4;
    if (SUCCEEDED(result))
        result = frame->WritePixels(height, stride, stride * height,
                                    reinterpret_cast<BYTE*>(pixels.Bits));
    if (SUCCEEDED(result)) result = frame->Commit();
    return result;
}

HRESULT CopyStream(IStream* stream, std::vector<std::uint8_t>& bytes) {
    STATSTG status = {};
    HRESULT result = stream->Stat(&status, STATFLAG_NONAME);
    HGLOBAL block = nullptr;
    if (SUCCEEDED(result)) result = GetHGlobalFromStream(stream, &block);
    if (FAILED(result)) return result;
    const auto* data = static_cast<const std::uint8_t*>(GlobalLock(block));
    if (data == nullptr) return E_OUTOFMEMORY;
    bytes.assign(data, data + status.cbSize.QuadPart);
    GlobalUnlock(block);
    return S_OK;
}

} // namespace

HRESULT EncodePng(const PixelRows& pixels, std::vector<std::uint8_t>& png) {
    png.clear();
    JoinApartment();
    Held<IWICImagingFactory> factory;
    Held<IWICBitmapEncoder> encoder;
    Held<IStream> stream;
    HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, reinterpret_cast<void**>(&factory));
    if (SUCCEEDED(result))
        result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
    if (SUCCEEDED(result)) result = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    if (SUCCEEDED(result)) result = encoder->Initialize(stream.Pointer, WICBitmapEncoderNoCache);
    if (SUCCEEDED(result)) result = WriteFrame(encoder.Pointer, pixels);
    if (SUCCEEDED(result)) result = encoder->Commit();
    if (SUCCEEDED(result)) result = CopyStream(stream.Pointer, png);
    if (FAILED(result)) png.clear();
    return result;
}
