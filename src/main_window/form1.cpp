#include "form1.h"

#include "bandlist.h"
#include "schemeregistry.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace Velmora {

namespace {

// Read as the PNGs they are. Left to detect the format, Qt would first load
// every image format plugin installed (SVG, JPEG and more), which costs
// start-up time and memory.
QIcon loadWindowIcon()
{
    QIcon icon;
    for (const QString &file : {QStringLiteral(":/icons/velmora-32.png"), QStringLiteral(":/icons/velmora-64.png")}) {
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace

Form1::Form1(QWidget *parent)
    : BandForm(Layout::layoutOf(SchemeId::FourBands), parent)
{
    setWindowTitle(QString::fromUtf8(Layout::Caption.data(), qsizetype(Layout::Caption.size())));
    setWindowIcon(loadWindowIcon());
    list(1)->setFocus();
}

} // namespace Velmora
