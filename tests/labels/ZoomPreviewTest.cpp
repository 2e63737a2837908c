// The preview control: real size times the zoom, pages stacked for scrolling, and one
// relayout at the end of an update bracket.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "platform/qt/PreviewWidget.h"

namespace {

TEST(ZoomPreview, PagesShowAtRealSizeTimesTheZoom)
{
    TGmPreview preview;
    preview.resize(400, 300);
    preview.SetMaxZoom(200);
    const double dotsPerMm = preview.logicalDpiX() / 25.4;
    for (int zoom : {5, 40, 100, 200}) {
        preview.SetZoom(zoom);
        const QRect page = preview.PageRect(0);
        EXPECT_NEAR(page.width(), 210 * dotsPerMm * zoom / 100, 1) << zoom;
        EXPECT_NEAR(page.height(), 297 * dotsPerMm * zoom / 100, 1) << zoom;
    }
    preview.SetZoom(500);
    EXPECT_EQ(preview.Zoom(), 200);
}

TEST(ZoomPreview, TheUpdateBracketDefersTheRelayoutToItsOutermostEnd)
{
    TGmPreview preview;
    preview.resize(400, 300);
    preview.SetZoom(100);
    const int a4Range = preview.verticalScrollBar()->maximum();
    ASSERT_GT(a4Range, 0);

    preview.BeginUpdate();
    preview.BeginUpdate();
    preview.Clear();
    preview.SetCustomPageSize(100, 50, gmMillimeters);
    preview.EndUpdate();
    EXPECT_EQ(preview.verticalScrollBar()->maximum(), a4Range); // still inside the outer bracket
    preview.EndUpdate();
    EXPECT_LT(preview.verticalScrollBar()->maximum(), a4Range);
    EXPECT_EQ(preview.Model().PageCount(), 1);
    EXPECT_EQ(preview.Model().Page(0).size, (TGmPageSize{100, 50}));
    EXPECT_FALSE(preview.Updating());
}

} // namespace
