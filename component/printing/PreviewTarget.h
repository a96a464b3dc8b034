#pragma once

#include <functional>

class QPaintDevice;

namespace pagora {

class ErrorReport;

// What the preview layout draws into: one page surface per page, each the size of the paper.
class PreviewTarget
{
public:
    virtual ~PreviewTarget() = default;
    // Every page surface takes this size (twips); so does the shown page.
    virtual void SizePreview(int lWidth, int lHeight) = 0;
    // Makes the surface of page `PageNumber` (from 2 on) and its tab.
    virtual void AddPage(int PageNumber) = 0;
    // The surface of page `index` + 1, in twips.
    virtual QPaintDevice* pageSurface(int index) = 0;
    virtual void showPreview() = 0;
    // The rest of the pages, one at each call of `step` until it returns false. A window
    // calls it from its event loop, telling errors its own way, so that it can be looked at
    // meanwhile; this one lays them all out at once, telling errors to `errors`.
    virtual void continueWith(const std::function<bool(ErrorReport&)>& step, ErrorReport& errors)
    {
        while (step(errors)) {
        }
    }
};

} // namespace pagora
