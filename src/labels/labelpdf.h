#pragma once

#include <QString>

namespace Velmora {

class LabelPages;

// A PDF of the pages, or of the calibration page, at 100 %: the sheet's
// millimetres are the PDF's. Written whole or not at all: a file that
// cannot be written leaves whatever was there before, and no part of the
// new one.
struct PdfOutcome {
    bool written = false;
    QString reason; // the system's, when not written
};
PdfOutcome writeLabelsPdf(const LabelPages &pages, const QString &path);
PdfOutcome writeCalibrationPdf(const LabelPages &pages, const QString &path);

} // namespace Velmora
