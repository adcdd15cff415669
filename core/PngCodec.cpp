#include "core/PngCodec.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstring>

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

HRESULT CreateFactory(IWICImagingFactory** factory) {
    JoinApartment();
    return CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                            IID_IWICImagingFactory, reinterpret_cast<void**>(factory));
}

// The rows of `source`, bottom row first, each `stride` bytes, into `rows`.
HRESULT CopyRowsUpwards(IWICBitmapSource* source, UINT width, UINT height, UINT stride,
                        std::uint8_t* rows) {
    HRESULT result = S_OK;
    for (UINT y = 0; y < height && SUCCEEDED(result); ++y) {
        const WICRect row = {0, static_cast<INT>(y), static_cast<INT>(width), 1};
        result =
            source->CopyPixels(&row, stride, stride, rows + std::size_t{height - 1 - y} * stride);
    }
    return result;
}

} // namespace

HRESULT DecodePngAsDib(const std::vector<std::uint8_t>& png, std::vector<std::uint8_t>& dib) {
    dib.clear();
    Held<IWICImagingFactory> factory;
    Held<IWICStream> stream;
    Held<IWICBitmapDecoder> decoder;
    Held<IWICBitmapFrameDecode> frame;
    Held<IWICFormatConverter> converter;
    HRESULT result = CreateFactory(&factory);
    if (SUCCEEDED(result)) result = factory->CreateStream(&stream);
    if (SUCCEEDED(result))
        result = stream->InitializeFromMemory(const_cast<BYTE*>(png.data()),
                                              static_cast<DWORD>(png.size()));
    if (SUCCEEDED(result))
        result = factory->CreateDecoderFromStream(stream.Pointer, nullptr,
                                                  WICDecodeMetadataCacheOnDemand, &decoder);
    if (SUCCEEDED(result)) result = decoder->GetFrame(0, &frame);
    if (SUCCEEDED(result)) result = factory->CreateFormatConverter(&converter);
    if (SUCCEEDED(result))
        result =
            converter->Initialize(frame.Pointer, GUID_WICPixelFormat24bppBGR,
                                  WICBitmapDitherTypeNone, nullptr, 0, WICBitmapPaletteTypeCustom);
    UINT width = 0, height = 0;
    if (SUCCEEDED(result)) result = converter->GetSize(&width, &height);
    if (FAILED(result)) return result;
    const UINT stride = (width * 3 + 3) & ~3u;
    const UINT size = stride * height;
    const BITMAPINFOHEADER header = {sizeof header,
                                     static_cast<LONG>(width),
                                     static_cast<LONG>(height),
                                     1,
                                     24,
                                     BI_RGB,
                                     size,
                                     0,
                                     0,
                                     0,
                                     0};
    dib.resize(sizeof header + size);
    std::memcpy(dib.data(), &header, sizeof header);
    result = CopyRowsUpwards(converter.Pointer, width, height, stride, dib.data() + sizeof header);
    if (FAILED(result)) dib.clear();
    return result;
}

HRESULT EncodePng(const PixelRows& pixels, std::vector<std::uint8_t>& png) {
    png.clear();
    Held<IWICImagingFactory> factory;
    Held<IWICBitmapEncoder> encoder;
    Held<IStream> stream;
    HRESULT result = CreateFactory(&factory);
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
