// png_writer.cpp - capture bitmaps, and PNG encoding through WIC.
#include "png_writer.h"

#include <wincodec.h>

namespace {

// Releases a COM interface pointer when it goes out of scope.
template <class T>
class ComPtr
{
public:
    ComPtr() : m_p(NULL) {}
    ~ComPtr() { if (m_p) m_p->Release(); }
    T* operator->() const { return m_p; }
    T** operator&() { return &m_p; }
    T* get() const { return m_p; }

private:
    ComPtr(const ComPtr&);
    ComPtr& operator=(const ComPtr&);
    T* m_p;
};

} // namespace

HBITMAP CreateCaptureBitmap(HDC hdc, int cx, int cy)
{
    if (cx <= 0 || cy <= 0)
        return NULL;
    BITMAPINFO bmi;
    ZeroMemory(&bmi, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;          // top-down rows
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    return CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
}

HRESULT WritePng(HBITMAP hBitmap, const wchar_t* pszPath)
{
    if (hBitmap == NULL || pszPath == NULL)
        return E_INVALIDARG;

    ComPtr<IWICImagingFactory> factory;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(&factory));
    if (FAILED(hr))
        return hr;

    ComPtr<IWICBitmap> source;
    hr = factory->CreateBitmapFromHBITMAP(hBitmap, NULL, WICBitmapIgnoreAlpha, &source);
    if (FAILED(hr))
        return hr;

    UINT cx = 0, cy = 0;
    hr = source->GetSize(&cx, &cy);
    if (FAILED(hr))
        return hr;

    // The encoder takes 24-bit BGR; convert explicitly rather than rely on
    // WriteSource to do it.
    ComPtr<IWICBitmapSource> converted;
    hr = WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, source.get(), &converted);
    if (FAILED(hr))
        return hr;

    ComPtr<IWICStream> stream;
    hr = factory->CreateStream(&stream);
    if (FAILED(hr))
        return hr;
    hr = stream->InitializeFromFilename(pszPath, GENERIC_WRITE);
    if (FAILED(hr))
        return hr;

    ComPtr<IWICBitmapEncoder> encoder;
    hr = factory->CreateEncoder(GUID_ContainerFormatPng, NULL, &encoder);
    if (FAILED(hr))
        return hr;
    hr = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache);
    if (FAILED(hr))
        return hr;

    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    hr = encoder->CreateNewFrame(&frame, &options);
    if (FAILED(hr))
        return hr;
    hr = frame->Initialize(options.get());
    if (FAILED(hr))
        return hr;
    hr = frame->SetSize(cx, cy);
    if (FAILED(hr))
        return hr;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    hr = frame->SetPixelFormat(&format);
    if (FAILED(hr))
        return hr;
    if (!IsEqualGUID(format, GUID_WICPixelFormat24bppBGR))
        return WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    hr = frame->WriteSource(converted.get(), NULL);
    if (FAILED(hr))
        return hr;
    hr = frame->Commit();
    if (FAILED(hr))
        return hr;
    return encoder->Commit();
}
