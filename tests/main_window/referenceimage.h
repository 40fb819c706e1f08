#pragma once

// A grab of a widget against a stored image, pixel for pixel. The images
// live beside this file as NAME.png; VELMORA_UPDATE_REFERENCES=1 stores the
// grab instead (look at it before committing it). On a difference the grab
// and a map of the differing pixels (red) go to the working directory as
// NAME.actual.png and NAME.diff.png.

#include <QImage>
#include <QString>
#include <QWidget>

namespace Velmora::Testing {

// Empty when the grab matches, else what went wrong.
inline QString differenceFromReference(QWidget *widget, const QString &name)
{
    const QImage actual = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (actual.devicePixelRatio() != 1.0)
        return QStringLiteral("grabbed at scale %1; the references are at scale 1").arg(actual.devicePixelRatio());
    const QString file = QStringLiteral(VELMORA_REFERENCE_DIR "/%1.png").arg(name);
    if (qEnvironmentVariableIntValue("VELMORA_UPDATE_REFERENCES") == 1) {
        if (!actual.save(file))
            return QStringLiteral("cannot write ") + file;
        qInfo().noquote() << "stored" << file;
        return {};
    }

    const QImage expected = QImage(file).convertToFormat(QImage::Format_RGB32);
    if (expected.isNull())
        return QStringLiteral("no reference image %1 (VELMORA_UPDATE_REFERENCES=1 stores one)").arg(file);
    if (expected.size() != actual.size()) {
        actual.save(name + QStringLiteral(".actual.png"));
        return QStringLiteral("size %1x%2, reference %3x%4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    }
    QImage diff = expected;
    qsizetype differing = 0;
    QRect where;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const bool same = actual.pixel(x, y) == expected.pixel(x, y);
            diff.setPixel(x, y, same ? QColor(expected.pixel(x, y)).lighter(150).rgb() : qRgb(255, 0, 0));
            if (!same) {
                ++differing;
                where |= QRect(x, y, 1, 1);
            }
        }
    }
    if (differing == 0)
        return {};
    actual.save(name + QStringLiteral(".actual.png"));
    diff.save(name + QStringLiteral(".diff.png"));
    return QStringLiteral("%1 pixels differ from %2, within (%3, %4) %5x%6; see %7.actual.png and %7.diff.png")
        .arg(differing)
        .arg(file)
        .arg(where.x())
        .arg(where.y())
        .arg(where.width())
        .arg(where.height())
        .arg(name);
}

} // namespace Velmora::Testing
