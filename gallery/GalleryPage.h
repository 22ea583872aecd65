// GalleryPage.h: how a page joins the gallery.
//
// A page is a dialog template (style WS_CHILD | DS_CONTROL, no caption, about
// 400 x 250 dialog units) plus a CGalleryPage subclass that attaches the
// library's controls to the template's items the way a host does it
// (DDX_Control in DoDataExchange, or SubclassDlgItem in OnInitDialog).
//
// To add a page:
//   1. gallery/pages/<name>.rc with the template, and gallery/pages/<name>.h
//      with its resource ids, inside the range given to the page below
//      (every pages/*.rc is picked up by the build; no shared file to edit);
//   2. gallery/pages/<Name>Page.cpp with the class and one line
//        GALLERY_PAGE(CMyPage, "Title", order);
//      (pages are shown in ascending order).
//
// Resource-id ranges and tab order, one hundred ids per page:
//   2000 "Framework" (order 0)      2100 "Masked input" (10)
//   2200 "Positions" (20)           2300 "Labels" (30)
//   2400 "Slider" (40)              2500 "Colour tree" (50)
//   2600 "Buttons and bars" (60)    2700 "Dialogs" (70)
//   2800 "Rich text" (80)           2900 "Links" (90)
//   3000 "Menus and bars" (100)
// A page may use ids from 2xx0 to 2xx99 of its own hundred only.
//
// Screenshots: `make gallery` without a DISPLAY (or
// `make gallery SCREENSHOTS=1`) renders every page off screen to
// build/gallery/NN-<title>.png and prints the paths. A page that animates
// (blinking, timers) overrides PrepareScreenshot() to settle in one state.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

class CGalleryPage : public CDialog
{
public:
    explicit CGalleryPage(UINT nIDTemplate) : CDialog(nIDTemplate), m_nIDTemplate(nIDTemplate) {}

    // Called after the page is shown and painted, just before its screenshot.
    virtual void PrepareScreenshot() {}

    const UINT m_nIDTemplate; // the page's dialog template
};

typedef CGalleryPage* (*GalleryPageFactory)();

struct GalleryPageInfo
{
    const char* pszTitle;       // tab caption and screenshot name
    int nOrder;                 // position among the tabs, ascending
    GalleryPageFactory pfnCreate;
};

// Collects the pages at static-construction time.
void GalleryRegisterPage(const GalleryPageInfo& info);
int GalleryPageCount();
const GalleryPageInfo& GalleryPageAt(int nIndex); // in display order

struct CGalleryPageRegistrar
{
    CGalleryPageRegistrar(const char* pszTitle, int nOrder, GalleryPageFactory pfn)
    {
        GalleryRegisterPage(GalleryPageInfo{pszTitle, nOrder, pfn});
    }
};

#define GALLERY_PAGE(Class, title, order)                                                                    \
    static CGalleryPageRegistrar s_galleryPage##Class(title, order,                                          \
                                                      []() -> CGalleryPage* { return new Class; })
