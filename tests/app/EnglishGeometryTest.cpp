// SPDX-License-Identifier: GPL-3.0-or-later
// The English windows keep their geometry to the pixel: every named control's place in
// its window and size, and each window's size, against the table recorded in
// tests/app/data (one file per scale factor). Set TELVORIN_RECORD_GEOMETRY to a folder
// to write the table the windows have now into it, after a change meant to move them.
#include "TemplateWindows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>

namespace telvorin {
namespace {

QString ScaleName()
{
    bool ok = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return QStringLiteral("%1x").arg(ok ? scale : 1.0);
}

// "window control" -> "x y w h", the window's own line under the control "-".
using Geometry = std::map<QString, QString>;

QString Place(const QPoint& at, const QSize& size)
{
    return QStringLiteral("%1 %2 %3 %4").arg(at.x()).arg(at.y()).arg(size.width()).arg(size.height());
}

Geometry Measure()
{
    Geometry geometry;
    test::ForEachTemplateWindow([&](const char* name, QWidget& window) {
        const QString prefix = QString::fromLatin1(name) + u' ';
        geometry[prefix + u'-'] = Place(QPoint(), window.size());
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            const QString path = test::ControlPath(*w);
            if (path.isEmpty() || w->window() != &window)
                continue;
            const QString key = prefix + path;
            EXPECT_EQ(geometry.count(key), 0u) << "two controls named " << key.toStdString();
            geometry[key] = Place(w->mapTo(&window, QPoint()), w->size());
        }
    });
    return geometry;
}

Geometry Read(const QString& path)
{
    Geometry geometry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return geometry;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList f = in.readLine().split(u' ', Qt::SkipEmptyParts);
        if (f.size() == 6 && !f[0].startsWith(u'#'))
            geometry[f[0] + u' ' + f[1]] = f.mid(2).join(u' ');
    }
    return geometry;
}

void Write(const QString& path, const Geometry& geometry)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text)) << path.toStdString();
    QTextStream out(&file);
    out << "# window control x y width height (\"-\": the window itself), English, scale " << ScaleName()
        << "\n";
    for (const auto& [key, place] : geometry)
        out << key << ' ' << place << '\n';
}

TEST(EnglishGeometry, EveryWindowKeepsItsRecordedGeometry)
{
    ASSERT_EQ(QCoreApplication::translate("telvorin", "Refresh"), QStringLiteral("Refresh"))
        << "a translation is still installed";
    const Geometry now = Measure();
    const QString file = QStringLiteral("english-geometry-%1.txt").arg(ScaleName());
    const QString record = qEnvironmentVariable("TELVORIN_RECORD_GEOMETRY");
    if (!record.isEmpty()) {
        Write(QDir(record).filePath(file), now);
        GTEST_SKIP() << "recorded " << QDir(record).filePath(file).toStdString();
    }
    const Geometry recorded = Read(QDir(QStringLiteral(TELVORIN_TEST_DATA_DIR)).filePath(file));
    ASSERT_FALSE(recorded.empty()) << "no table " << file.toStdString();

    QStringList faults;
    for (const auto& [key, place] : recorded) {
        const auto found = now.find(key);
        if (found == now.end())
            faults << key + QStringLiteral(": gone");
        else if (found->second != place)
            faults << key + QStringLiteral(": ") + found->second + QStringLiteral(", was ") + place;
    }
    for (const auto& [key, place] : now) {
        if (!recorded.count(key))
            faults << key + QStringLiteral(": new, at ") + place;
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

} // namespace
} // namespace telvorin
