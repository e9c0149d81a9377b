// The preview of a report of several pages: what it shows is the report's
// page at the view's zoom, and its page and zoom commands move and scale the
// pages.
#include "platform/reportpageview.h"
#include "platform/reportpreview.h"
#include "records/state.h"
#include "tests/common/reportsnapshots.h"
#include "tests/windows/fixedday.h"
#include "windows/reports/reports.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using PreviewPagesTest = FixedDayTest;

// Page index as the report paints it, at the view's zoom, on white.
QImage ExpectedPage(const ReportLayout& layout, int index, QSize size, qreal zoom) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(zoom, zoom);
    PaintReportPage(painter, layout, PaginateReport(layout)[index], index + 1);
    return image;
}

QImage ShownPage(ReportPageView& view, int index) {
    const QPoint scrolled(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value());
    const QRect page = view.PageRect(index).translated(-scrolled);
    return view.viewport()->grab(page).toImage().convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
}

void Trigger(QWidget* window, const char* name) {
    auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

TEST_F(PreviewPagesTest, ShowsTheReportsPagesAndMovesAndZoomsThroughThem) {
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* preview = dynamic_cast<ReportPreview*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->objectName(), ReportPreviewName);
        ReportPageView& view = *preview->Pages();
        auto* pageNumber = preview->findChild<QLabel*>(QStringLiteral("ReportPageNumber"));
        auto* zoom = preview->findChild<QLabel*>(QStringLiteral("ReportZoom"));
        ASSERT_NE(pageNumber, nullptr);
        ASSERT_NE(zoom, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
        ASSERT_EQ(view.PageCount(), 3);
        EXPECT_EQ(pageNumber->text(), QStringLiteral("1 / 3"));

        // Opened fitting the page's width: the first page is in view and is
        // the report's first page, pixel for pixel; the last is not in view.
        const ReportLayout layout = TFrmpyuk::Layout(FullLedger());
        const std::vector<int> shown = view.PagesIn(view.viewport()->rect());
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.front(), 0);
        EXPECT_EQ(std::count(shown.begin(), shown.end(), 2), 0);
        EXPECT_LE(view.PageRect(0).right(), view.viewport()->width());
        EXPECT_GT(view.PageRect(0).width(), view.viewport()->width() * 8 / 10);
        const QSize pageSize = view.PageRect(0).size();
        EXPECT_EQ(ShownPage(view, 0).copy(0, 0, pageSize.width(), view.viewport()->height() - 40),
                  ExpectedPage(layout, 0, pageSize, view.Zoom())
                      .copy(0, 0, pageSize.width(), view.viewport()->height() - 40));

        auto* previous = preview->findChild<QAction*>(QStringLiteral("ReportPreviousPage"));
        auto* next = preview->findChild<QAction*>(QStringLiteral("ReportNextPage"));
        ASSERT_TRUE(previous != nullptr && next != nullptr);
        EXPECT_FALSE(previous->isEnabled());
        Trigger(preview, "ReportNextPage");
        Trigger(preview, "ReportNextPage");
        EXPECT_EQ(pageNumber->text(), QStringLiteral("3 / 3"));
        EXPECT_FALSE(next->isEnabled());
        EXPECT_TRUE(previous->isEnabled());
        EXPECT_EQ(view.PagesIn(view.viewport()->rect()).back(), 2);
        Trigger(preview, "ReportPreviousPage");
        EXPECT_EQ(pageNumber->text(), QStringLiteral("2 / 3"));

        // Zooming keeps the page in view; the whole page fits on request.
        const qreal fitted = view.Zoom();
        Trigger(preview, "ReportZoomIn");
        EXPECT_NEAR(view.Zoom(), fitted * 1.25, 1e-9);
        EXPECT_EQ(zoom->text(), QStringLiteral("%1%").arg(qRound(fitted * 125)));
        EXPECT_EQ(pageNumber->text(), QStringLiteral("2 / 3"));
        Trigger(preview, "ReportFitPage");
        EXPECT_EQ(pageNumber->text(), QStringLiteral("2 / 3"));
        const QRect whole = view.PageRect(1).translated(0, -view.verticalScrollBar()->value());
        EXPECT_TRUE(view.viewport()->rect().contains(whole));
        // Scroll bars that are no longer needed go once the view has laid
        // itself out again; then the page is shown where it stays.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return view.horizontalScrollBar()->isVisible() ==
                       (view.horizontalScrollBar()->maximum() > 0) &&
                   view.verticalScrollBar()->isVisible() ==
                       (view.verticalScrollBar()->maximum() > 0);
        }));
        const QSize wholeSize = view.PageRect(1).size();
        EXPECT_EQ(ShownPage(view, 1), ExpectedPage(layout, 1, wholeSize, view.Zoom()));

        QTest::keyClick(preview, Qt::Key_Escape);
        checked = true;
    });
    PreviewLedgerReport(nullptr, FullLedger());
    EXPECT_TRUE(checked);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
