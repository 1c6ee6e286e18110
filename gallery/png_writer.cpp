// png_writer.cpp - captures through BitBlt, encoding through WIC.
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

HBITMAP CaptureDC(HDC hdcSource, int x, int y, int cx, int cy)
{
    if (hdcSource == NULL || cx <= 0 || cy <= 0)
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
    HBITMAP hBitmap = CreateDIBSection(hdcSource, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap == NULL)
        return NULL;

    HDC hdcMem = CreateCompatibleDC(hdcSource);
    if (hdcMem == NULL)
    {
        DeleteObject(hBitmap);
        return NULL;
    }
    HGDIOBJ hOld = SelectObject(hdcMem, hBitmap);
    BOOL bCopied = BitBlt(hdcMem, 0, 0, cx, cy, hdcSource, x, y, SRCCOPY);
    SelectObject(hdcMem, hOld);
    DeleteDC(hdcMem);
    if (!bCopied)
    {
        DeleteObject(hBitmap);
        return NULL;
    }
    return hBitmap;
}

HBITMAP CaptureWindow(HWND hwnd)
{
    RECT rc;
    if (!GetWindowRect(hwnd, &rc))
        return NULL;
    HDC hdc = GetWindowDC(hwnd);
    HBITMAP hBitmap = CaptureDC(hdc, 0, 0, rc.right - rc.left, rc.bottom - rc.top);
    ReleaseDC(hwnd, hdc);
    return hBitmap;
}

HBITMAP CaptureClient(HWND hwnd)
{
    RECT rc;
    if (!GetClientRect(hwnd, &rc))
        return NULL;
    HDC hdc = GetDC(hwnd);
    HBITMAP hBitmap = CaptureDC(hdc, 0, 0, rc.right, rc.bottom);
    ReleaseDC(hwnd, hdc);
    return hBitmap;
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
