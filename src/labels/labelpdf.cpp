#include "labelpdf.h"

#include "labelpages.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <functional>

namespace Velmora {

namespace {

PdfOutcome writePdf(
    const LabelPages &pages, const QString &path, int count, const std::function<void(QPainter &, int)> &paint)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setTitle(QStringLiteral("Velmora: %1").arg(pages.sheet().name()));
        writer.setResolution(1200);
        writer.setPageLayout(pages.pageLayout());
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return {false, file.errorString()};
        }
        for (int page = 0; page < count; ++page) {
            if (page > 0)
                writer.newPage();
            paint(painter, page);
        }
        painter.end();
    }
    // A short write (a full disk) shows only once the data is flushed.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace

PdfOutcome writeLabelsPdf(const LabelPages &pages, const QString &path)
{
    return writePdf(pages, path, std::max(1, pages.pageCount()),
        [&](QPainter &painter, int page) { pages.paintPage(painter, page); });
}

PdfOutcome writeCalibrationPdf(const LabelPages &pages, const QString &path)
{
    return writePdf(pages, path, 1, [&](QPainter &painter, int) { pages.paintCalibration(painter); });
}

} // namespace Velmora
