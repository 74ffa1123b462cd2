// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_RectHatchingFunctions.h"

#include <QPainter>
#include <QRectF>
#include <QtMath>

#include <cmath>

#include "VaDar_Assert.h"

namespace VaDar {

namespace {

/*! Truncated count length / step, or -1 when the pattern cannot or should not be drawn. */
int lineCount(double length, double step) {
    if (!(step > 0) || !std::isfinite(step) || !(length > 0) || !std::isfinite(length))
        return -1;
    const double n = length / step;
    if (n > MaxHatchLines)
        return -1;
    return static_cast<int>(n);
}

} // namespace

void drawHatchHorizontal(QPainter *painter, const QRectF &rect, double distance) {
    VADAR_ASSERT(painter, "[VaDar::drawHatchHorizontal]");
    const int n = lineCount(rect.height(), distance);
    const double x = rect.left();
    const double y = rect.top();
    for (int i = 1; i <= n; ++i)
        painter->drawLine(QPointF(x, y + i * distance), QPointF(x + rect.width(), y + i * distance));
}

void drawHatchVertical(QPainter *painter, const QRectF &rect, double distance) {
    VADAR_ASSERT(painter, "[VaDar::drawHatchVertical]");
    const int n = lineCount(rect.width(), distance);
    const double x = rect.left();
    const double y = rect.top();
    for (int i = 1; i <= n; ++i)
        painter->drawLine(QPointF(x + i * distance, y), QPointF(x + i * distance, y + rect.height()));
}

void drawHatchFallingDiagonal(QPainter *painter, const QRectF &rect, double distance) {
    VADAR_ASSERT(painter, "[VaDar::drawHatchFallingDiagonal]");
    const double w = rect.width();
    const double h = rect.height();
    if (!(w > 0) || !(h > 0))
        return;
    const double step = distance * M_SQRT2;
    const int n = lineCount(w + h, step);
    const QPointF offset = rect.topLeft();
    for (int i = 1; i <= n; ++i) {
        const double s = i * step;
        QPointF start(w - s, 0);
        if (w - s < 0)
            start = QPointF(0, s - w);
        QPointF end(w, s);
        if (s > h)
            end = QPointF(w - (s - h), h);
        // Only the very last line can shrink to the bottom-left corner; a point is no line.
        if (qAbs(start.x() - end.x()) < 1e-10)
            break;
        painter->drawLine(start + offset, end + offset);
    }
}

void drawHatchRisingDiagonal(QPainter *painter, const QRectF &rect, double distance) {
    VADAR_ASSERT(painter, "[VaDar::drawHatchRisingDiagonal]");
    const double w = rect.width();
    const double h = rect.height();
    if (!(w > 0) || !(h > 0))
        return;
    const double step = distance * M_SQRT2;
    const int n = lineCount(w + h, step);
    const QPointF offset = rect.topLeft();
    for (int i = 1; i <= n; ++i) {
        const double s = i * step;
        QPointF start(0, s);
        if (s > h)
            start = QPointF(s - h, h);
        QPointF end(s, 0);
        if (s > w)
            end = QPointF(w, s - w);
        // The last line may shrink to the bottom-right corner.
        if (qAbs(start.x() - end.x()) < 1e-10)
            break;
        painter->drawLine(start + offset, end + offset);
    }
}

void drawHatchInsulation(QPainter *painter, const QRectF &rect, double distance) {
    VADAR_ASSERT(painter, "[VaDar::drawHatchInsulation]");
    const double x = rect.left();
    const double y = rect.top();
    const double w = rect.width();
    const double h = rect.height();
    if (!(w > 0) || !(h > 0) || !std::isfinite(distance))
        return;
    const double loopsPerSquare = qMax(3.0, distance);
    const bool tall = h >= w;
    // Loops run along the longer side; the shorter side is the height of one loop.
    const double along = tall ? h : w;
    const double across = tall ? w : h;
    const int n = lineCount(along / across * loopsPerSquare, 1.0);
    if (n < 1)
        return;
    const double p = along / n;
    const double r = p / 2;
    // A loop must fit across the band, and its straight legs must meet the arcs: for very
    // squat layers there is no such figure and nothing is drawn.
    if (!(across > p))
        return;
    const double q = r / (across - p);
    if (q > 1)
        return;
    const double a = (q + 1) * r;
    const double k = std::sqrt(1 - q * q);
    const double v = k * r;
    const double asinDeg = qRadiansToDegrees(std::asin(k));

    if (tall) {
        const int alpha = static_cast<int>(asinDeg);
        for (int i = 0; i < n; ++i) {
            const double m = i * p + r;
            painter->drawArc(QRectF(x, y + i * p, p, p), alpha * 16, (360 - 2 * alpha) * 16);
            painter->drawLine(QPointF(x + a, y + m - v), QPointF(x + w - a, y + i * p + v));
            painter->drawLine(QPointF(x + a, y + m + v), QPointF(x + w - a, y + m + r - v));
            painter->drawArc(QRectF(x + w - p, y + (i - 0.5) * p, p, p), 0, -(180 - alpha) * 16);
            painter->drawArc(QRectF(x + w - p, y + (i + 0.5) * p, p, p), 0, (180 - alpha) * 16);
        }
    } else {
        const int beta = static_cast<int>(90 - asinDeg);
        for (int i = 0; i < n; ++i) {
            const double m = i * p + r;
            painter->drawArc(QRectF(x + i * p, y, p, p), -beta * 16, (2 * beta + 180) * 16);
            painter->drawLine(QPointF(x + m - v, y + a), QPointF(x + i * p + v, y + h - a));
            painter->drawLine(QPointF(x + m + v, y + a), QPointF(x + m + r - v, y + h - a));
            painter->drawArc(QRectF(x + (i - 0.5) * p, y + h - p, p, p), -90 * 16, (beta + 90) * 16);
            painter->drawArc(QRectF(x + (i + 0.5) * p, y + h - p, p, p), -90 * 16, -(beta + 90) * 16);
        }
    }
}

} // namespace VaDar
