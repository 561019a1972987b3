// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readable Qt values in GoogleTest failure messages.

#include <QRect>
#include <QSize>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QSize& size, std::ostream* os)
{
    *os << size.width() << 'x' << size.height();
}

inline void PrintTo(const QPoint& point, std::ostream* os)
{
    *os << '(' << point.x() << ", " << point.y() << ')';
}

inline void PrintTo(const QRect& rect, std::ostream* os)
{
    *os << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}
