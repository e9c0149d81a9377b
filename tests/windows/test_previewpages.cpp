// The preview of a report of several pages: on screen before any page is
// recorded, then its first page alone, then every page, with the printer
// left as the user will print from it.
#include "platform/printservice.h"
#include "records/state.h"
#include "tests/common/reportsnapshots.h"
#include "tests/windows/fixedday.h"
#include "windows/reports/reports.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using PreviewPagesTest = FixedDayTest;

TEST_F(PreviewPagesTest, FirstPageAloneThenAllPagesAndThePrinterPrintsThemAll) {
    std::vector<int> pageCounts;
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->objectName(), ReportPreviewName);
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        pageCounts.push_back(pages->pageCount());
        QObject::connect(pages, &QPrintPreviewWidget::previewChanged, preview,
                         [&, pages] { pageCounts.push_back(pages->pageCount()); });
        EXPECT_TRUE(QTest::qWaitFor([pages] { return pages->pageCount() == 3; }, 5000));
        QPrinter* printer = preview->printer();
        EXPECT_EQ(printer->printRange(), QPrinter::AllPages);
        EXPECT_EQ(printer->fromPage(), 0);
        EXPECT_EQ(printer->toPage(), 0);
        QTest::keyClick(preview, Qt::Key_Escape);
        checked = true;
    });
    PreviewLedgerReport(nullptr, FullLedger());
    EXPECT_TRUE(checked);
    ASSERT_FALSE(pageCounts.empty());
    EXPECT_EQ(pageCounts.front(), 0); // on screen before any page was recorded
    EXPECT_NE(std::find(pageCounts.begin(), pageCounts.end(), 1), pageCounts.end());
    EXPECT_EQ(pageCounts.back(), 3);
}

} // namespace
