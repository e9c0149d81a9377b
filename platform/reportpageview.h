#pragma once

#include "platform/report.h"

#include <QAbstractScrollArea>
#include <QPixmap>
#include <map>

// The pages of a report stacked from top to bottom on a grey desk, as a
// preview shows them. A page is painted only once it comes into view, and
// only pages in view keep their picture, so the first page shows at once
// however long the report and a high zoom costs no more than a screenful.
class ReportPageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    // The layout must outlive the view.
    explicit ReportPageView(const ReportLayout& layout, QWidget* parent = nullptr);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // The page that fills most of the view's upper half, from 0.
    int CurrentPage() const;
    void ShowPage(int index);

    // Screen pixels per 1/96 inch of paper.
    qreal Zoom() const { return zoom_; }
    void ZoomBy(qreal factor);
    void FitWidth();
    void FitPage();

    // Where page index lies in the view's content, before scrolling.
    QRect PageRect(int index) const;
    // The pages whose content meets area (in viewport coordinates).
    std::vector<int> PagesIn(const QRect& area) const;

signals:
    void CurrentPageChanged(int index);
    void ZoomChanged(qreal zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Fit { Width, Page, None };

    void SetZoom(qreal zoom, Fit fit);
    qreal FittingZoom(Fit fit) const;
    QSize ContentSize() const;
    void UpdateScrollBars();
    const QPixmap& PagePicture(int index, QSize size);
    void NoticeCurrentPage();

    const ReportLayout& layout_;
    const std::vector<ReportPage> pages_;
    const QSizeF paper_;
    qreal zoom_ = 1;
    Fit fit_ = Fit::Width;
    int currentPage_ = 0;
    std::map<int, QPixmap> pictures_;
};
