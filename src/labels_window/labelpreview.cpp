#include "labelpreview.h"

#include "labelpages.h"

#include <QPainter>

#include <cmath>

namespace Velmora {

namespace {

constexpr double MmPerInch = 25.4;

} // namespace

LabelPreview::LabelPreview(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("labelPreview"));
    setAccessibleName(tr("Anteprima della prima pagina"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(240, 340); // a page's labels still legible
}

QSize LabelPreview::sizeHint() const
{
    return {300, 420};
}

void LabelPreview::setPages(std::shared_ptr<const LabelPages> pages)
{
    m_pages = std::move(pages);
    update();
}

// The painter reads the image's resolution as whole dots per inch: the
// resolution is chosen whole, and the image sized from it, so that the
// labels fall where the paper's edges are.
QImage LabelPreview::pageImage() const
{
    if (!m_pages)
        return {};
    const QSizeF paper = m_pages->sheet().paper;
    if (paper.isEmpty())
        return {};
    const double ratio = devicePixelRatioF();
    const QSizeF room = QSizeF(size() - QSize(2, 2)) * ratio;
    const double fit = std::min(room.width() / paper.width(), room.height() / paper.height());
    const int dpi = std::max(1, int(std::floor(fit * MmPerInch)));
    const double dotsPerMm = dpi / MmPerInch;
    QImage image(std::max(1, int(paper.width() * dotsPerMm)), std::max(1, int(paper.height() * dotsPerMm)),
        QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dotsPerMm * 1000)));
    image.setDotsPerMeterY(int(std::lround(dotsPerMm * 1000)));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    m_pages->paintPage(painter, 0, true);
    return image;
}

void LabelPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage image = pageImage();
    if (image.isNull()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, tr("Nessun foglio da mostrare"));
        return;
    }
    const QSizeF shown = QSizeF(image.size()) / devicePixelRatioF();
    const QRectF target(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    painter.drawImage(target, image);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target.adjusted(-0.5, -0.5, 0.5, 0.5));
}

} // namespace Velmora
