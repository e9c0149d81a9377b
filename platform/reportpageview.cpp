#include "reportpageview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace {

// Room around and between the pages, in screen pixels.
constexpr int Margin = 16;
constexpr int Gap = 16;
constexpr qreal MinZoom = 0.25;
constexpr qreal MaxZoom = 4;
const QColor DeskColour(0x80, 0x80, 0x80);
const QColor ShadowColour(0x50, 0x50, 0x50);

} // namespace

ReportPageView::ReportPageView(const ReportLayout& layout, QWidget* parent)
    : QAbstractScrollArea(parent), layout_(layout), pages_(PaginateReport(layout)),
      paper_(ReportPaperSize(layout)) {
    setObjectName(QStringLiteral("ReportPages"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setSingleStep(40);
}

QSize ReportPageView::ContentSize() const {
    const QSize page = PageRect(0).size();
    const int count = PageCount();
    return {page.width() + 2 * Margin, count * page.height() + (count - 1) * Gap + 2 * Margin};
}

QRect ReportPageView::PageRect(int index) const {
    const int width = qRound(paper_.width() * zoom_);
    const int height = qRound(paper_.height() * zoom_);
    const int left = std::max(Margin, (viewport()->width() - width) / 2);
    return {left, Margin + index * (height + Gap), width, height};
}

std::vector<int> ReportPageView::PagesIn(const QRect& area) const {
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    std::vector<int> shown;
    for (int i = 0; i < PageCount(); ++i) {
        if (PageRect(i).translated(-scrolled).intersects(area)) {
            shown.push_back(i);
        }
    }
    return shown;
}

int ReportPageView::CurrentPage() const {
    const int middle = verticalScrollBar()->value() + viewport()->height() / 2;
    const int pitch = PageRect(1).top() - PageRect(0).top();
    return std::clamp((middle - Margin + Gap / 2) / pitch, 0, PageCount() - 1);
}

void ReportPageView::ShowPage(int index) {
    index = std::clamp(index, 0, PageCount() - 1);
    verticalScrollBar()->setValue(PageRect(index).top() - Margin);
}

void ReportPageView::ZoomBy(qreal factor) {
    SetZoom(zoom_ * factor, Fit::None);
}

void ReportPageView::FitWidth() {
    SetZoom(FittingZoom(Fit::Width), Fit::Width);
}

void ReportPageView::FitPage() {
    SetZoom(FittingZoom(Fit::Page), Fit::Page);
}

qreal ReportPageView::FittingZoom(Fit fit) const {
    const QSize room = maximumViewportSize() - QSize(2 * Margin, 2 * Margin);
    qreal zoom = (room.width() - verticalScrollBar()->sizeHint().width()) / paper_.width();
    if (fit == Fit::Page) {
        zoom = std::min(room.width() / paper_.width(), room.height() / paper_.height());
    }
    return zoom;
}

void ReportPageView::SetZoom(qreal zoom, Fit fit) {
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    fit_ = fit;
    if (std::abs(zoom - zoom_) < 1e-6) {
        return;
    }
    // The page in view stays in view, at the same place within it.
    const int page = CurrentPage();
    const qreal within = qreal(verticalScrollBar()->value() - PageRect(page).top()) / zoom_;
    zoom_ = zoom;
    pictures_.clear();
    UpdateScrollBars();
    verticalScrollBar()->setValue(PageRect(page).top() + qRound(within * zoom_));
    viewport()->update();
    emit ZoomChanged(zoom_);
}

void ReportPageView::UpdateScrollBars() {
    const QSize content = ContentSize();
    const QSize shown = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - shown.width()));
    horizontalScrollBar()->setPageStep(shown.width());
    verticalScrollBar()->setRange(0, std::max(0, content.height() - shown.height()));
    verticalScrollBar()->setPageStep(shown.height());
}

const QPixmap& ReportPageView::PagePicture(int index, QSize size) {
    QPixmap& picture = pictures_[index];
    const qreal ratio = devicePixelRatioF();
    if (picture.isNull() || picture.devicePixelRatio() != ratio) {
        picture = QPixmap(size * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.scale(zoom_, zoom_);
        PaintReportPage(painter, layout_, pages_[index], index + 1);
    }
    return picture;
}

void ReportPageView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), DeskColour);
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const std::vector<int> shown = PagesIn(viewport()->rect());
    // Pictures of pages scrolled away are dropped.
    std::erase_if(pictures_, [&](const auto& entry) {
        return std::find(shown.begin(), shown.end(), entry.first) == shown.end();
    });
    for (int index : shown) {
        const QRect page = PageRect(index).translated(-scrolled);
        if (!page.intersects(event->rect())) {
            continue;
        }
        painter.fillRect(page.translated(3, 3), ShadowColour);
        painter.drawPixmap(page.topLeft(), PagePicture(index, page.size()));
    }
}

void ReportPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (fit_ != Fit::None) {
        SetZoom(FittingZoom(fit_), fit_);
    }
    UpdateScrollBars();
    NoticeCurrentPage();
}

void ReportPageView::scrollContentsBy(int, int) {
    viewport()->update();
    NoticeCurrentPage();
}

void ReportPageView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0) {
            ZoomBy(std::pow(1.25, steps));
        }
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void ReportPageView::NoticeCurrentPage() {
    const int page = CurrentPage();
    if (page != currentPage_) {
        currentPage_ = page;
        emit CurrentPageChanged(page);
    }
}
