// The list of gallery pages, filled by GALLERY_PAGE at static-construction time.
#include "GalleryPage.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<GalleryPageInfo>& Pages()
{
    static std::vector<GalleryPageInfo> pages; // constructed on first use: registrars run in any order
    return pages;
}
} // namespace

void GalleryRegisterPage(const GalleryPageInfo& info)
{
    auto& pages = Pages();
    auto at = std::upper_bound(pages.begin(), pages.end(), info.nOrder,
                               [](int order, const GalleryPageInfo& p) { return order < p.nOrder; });
    pages.insert(at, info);
}

int GalleryPageCount()
{
    return static_cast<int>(Pages().size());
}

const GalleryPageInfo& GalleryPageAt(int nIndex)
{
    ASSERT_MSG(nIndex >= 0 && nIndex < GalleryPageCount(), "GalleryPageAt: page index out of range");
    return Pages()[static_cast<size_t>(nIndex)];
}
