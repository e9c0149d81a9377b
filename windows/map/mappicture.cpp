#include "mappicture.h"

#include "platform/controls.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {

QPolygonF ToPolygon(const std::vector<MapPoint>& points) {
    QPolygonF polygon;
    for (const MapPoint& point : points) {
        polygon << QPointF(point.x, point.y);
    }
    return polygon;
}

// The coast: the outer stations' hull, pushed out from the island's middle
// so that the route runs over land, with rounded corners.
QPainterPath Coast(const RouteTable& route) {
    QPolygonF points;
    for (int s = 0; s < route.StationCount; ++s) {
        for (int p = 0; p < route.PathPointCount[s]; ++p) {
            points << QPointF(route.PathPoints[s][p].x, route.PathPoints[s][p].y);
        }
    }
    std::sort(points.begin(), points.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    QPolygonF hull;
    for (int pass = 0; pass < 2; ++pass) {
        const int start = static_cast<int>(hull.size());
        for (const QPointF& point : points) {
            while (hull.size() >= start + 2 &&
                   cross(hull[hull.size() - 2], hull.back(), point) <= 0) {
                hull.pop_back();
            }
            hull << point;
        }
        hull.pop_back();
        std::reverse(points.begin(), points.end());
    }
    QPointF middle;
    for (const QPointF& point : hull) {
        middle += point;
    }
    middle /= static_cast<double>(hull.size());
    QPolygonF coast;
    for (const QPointF& point : hull) {
        QPointF out = point - middle;
        double length = std::hypot(out.x(), out.y());
        coast << (length > 0 ? point + out / length * 14.0 : point);
    }
    QPainterPath path;
    path.addPolygon(coast);
    path.closeSubpath();
    return path;
}

} // namespace

QImage DrawMapPicture(const RouteTable& route) {
    QImage map(MapPictureWidth, MapPictureHeight, QImage::Format_RGB32);
    map.fill(QColor(200, 228, 255));
    QPainter painter(&map);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 120, 90), 1.5));
    painter.setBrush(QColor(214, 234, 196));
    painter.drawPath(Coast(route));
    // The railway the walk follows, thin and grey under the progress.
    painter.setPen(QPen(QColor(150, 150, 150), 1));
    for (int s = 0; s < route.StationCount; ++s) {
        std::vector<MapPoint> path(route.PathPoints[s].begin(),
                                   route.PathPoints[s].begin() + route.PathPointCount[s]);
        painter.drawPolyline(ToPolygon(path));
    }
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(80, 80, 80), 1));
    for (int s = 0; s < route.StationCount; ++s) {
        painter.drawEllipse(QPointF(route.StationPoint[s].x, route.StationPoint[s].y), 2, 2);
    }
    return map;
}

QImage DrawProgress(const QImage& cleanMap, const RouteTable& route,
                    const WalkingProgress& progress) {
    QImage map = cleanMap.copy();
    QPainter painter(&map);
    for (std::size_t s = 0; s < progress.coveredPaths.size(); ++s) {
        painter.setPen(QPen(ColorFromBgr(route.PathColor[s]), 3));
        painter.drawPolyline(ToPolygon(progress.coveredPaths[s]));
    }
    QPolygon current;
    for (const MapPoint& point : progress.currentPath) {
        current << QPoint(static_cast<int>(point.x), static_cast<int>(point.y));
    }
    if (current.size() > 1) {
        painter.setPen(QPen(ColorFromBgr(route.PathColor[progress.stretch]), 3));
        painter.drawPolyline(current);
    }
    painter.setPen(Qt::red);
    painter.setBrush(Qt::red);
    const MapPoint& at = progress.marker;
    QPoint topLeft(static_cast<int>(at.x - 2), static_cast<int>(at.y - 2));
    QPoint bottomRight(static_cast<int>(at.x + 2), static_cast<int>(at.y + 2));
    painter.drawEllipse(QRect(topLeft, bottomRight));
    return map;
}
