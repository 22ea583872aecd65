// Window capture to PNG. Under Wine's null graphics driver windows still have
// real surfaces, so a BitBlt from the window DC reads what was painted.
#include "PngWriter.h"

#include <wincodec.h>

#include <string>
#include <vector>

namespace {
template <class T> struct ComPtr
{
    T* p = nullptr;
    ~ComPtr()
    {
        if (p)
            p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

std::wstring Widen(const char* psz)
{
    int n = MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    std::wstring w(n > 0 ? n - 1 : 0, L'\0');
    if (n > 1)
        MultiByteToWideChar(CP_ACP, 0, psz, -1, &w[0], n);
    return w;
}

HRESULT EncodePng(const char* pszPath, UINT cx, UINT cy, BYTE* pBits, UINT cbStride)
{
    ComPtr<IWICImagingFactory> factory;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(&factory));
    ComPtr<IWICStream> stream;
    if (SUCCEEDED(hr))
        hr = factory->CreateStream(&stream);
    if (SUCCEEDED(hr))
        hr = stream->InitializeFromFilename(Widen(pszPath).c_str(), GENERIC_WRITE);
    ComPtr<IWICBitmapEncoder> encoder;
    if (SUCCEEDED(hr))
        hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
    if (SUCCEEDED(hr))
        hr = encoder->Initialize(stream.p, WICBitmapEncoderNoCache);
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    if (SUCCEEDED(hr))
        hr = encoder->CreateNewFrame(&frame, &options);
    if (SUCCEEDED(hr))
        hr = frame->Initialize(options.p);
    if (SUCCEEDED(hr))
        hr = frame->SetSize(cx, cy);
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    if (SUCCEEDED(hr))
        hr = frame->SetPixelFormat(&format);
    if (SUCCEEDED(hr) && format != GUID_WICPixelFormat32bppBGR)
        hr = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    if (SUCCEEDED(hr))
        hr = frame->WritePixels(cy, cbStride, cbStride * cy, pBits);
    if (SUCCEEDED(hr))
        hr = frame->Commit();
    if (SUCCEEDED(hr))
        hr = encoder->Commit();
    return hr;
}
} // namespace

HRESULT SaveWindowAsPng(HWND hWnd, const char* pszPath)
{
    // The client area only: Wine's null driver draws the caption buttons'
    // symbols in a text font, so the system frame is left out of the pictures.
    RECT rc;
    if (!GetClientRect(hWnd, &rc))
        return HRESULT_FROM_WIN32(GetLastError());
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;

    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy; // top-down, as WIC expects
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;

    HDC hdcWindow = GetDC(hWnd);
    HDC hdcMem = CreateCompatibleDC(hdcWindow);
    void* pBits = nullptr;
    HBITMAP hbm = CreateDIBSection(hdcWindow, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HRESULT hr = E_FAIL;
    if (hdcMem && hbm) {
        HGDIOBJ hOld = SelectObject(hdcMem, hbm);
        if (BitBlt(hdcMem, 0, 0, cx, cy, hdcWindow, 0, 0, SRCCOPY)) {
            GdiFlush();
            hr = EncodePng(pszPath, cx, cy, static_cast<BYTE*>(pBits), cx * 4);
        }
        SelectObject(hdcMem, hOld);
    }
    if (hbm)
        DeleteObject(hbm);
    if (hdcMem)
        DeleteDC(hdcMem);
    ReleaseDC(hWnd, hdcWindow);
    return hr;
}
