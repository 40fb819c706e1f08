#pragma once

#include "decimal.h"
#include "labelcalibration.h"
#include "labelcontent.h"
#include "labelsheet.h"
#include "labeltext.h"

#include <QCoreApplication>
#include <QPageLayout>

#include <set>
#include <vector>

class QPainter;

namespace Velmora {

// Values laid out on a sheet's labels, page after page: row by row from the
// top left, past the positions of the first sheet already used, each page
// moved and scaled by the printer's calibration. Paints on any paged device
// whose origin is the paper's corner: a PDF, a printer, the preview.
class LabelPages
{
    Q_DECLARE_TR_FUNCTIONS(LabelPages)

public:
    LabelPages(const LabelSheet &sheet, const std::vector<Decimal> &values, const LabelContent &content);

    // Positions of the first sheet not to print on, from 0 row by row.
    void setUsed(const std::set<int> &positions);
    void setCalibration(const LabelCalibration &calibration) { m_calibration = calibration; }

    const LabelSheet &sheet() const { return m_sheet; }
    struct Placement {
        int page;
        int position; // on its page, from 0
        std::size_t value; // into the values
    };
    const std::vector<Placement> &placements() const { return m_placements; }
    int pageCount() const;
    // The sheet's paper, no margins: a sheet's millimetres are the page's.
    QPageLayout pageLayout() const;

    // A page of labels; with outlines, the labels' edges too, in grey, as
    // the preview shows the sheet under them.
    void paintPage(QPainter &painter, int page, bool outlines = false) const;
    // A page for plain paper to lay over a sheet against the light: every
    // label's outline, rulers of 100 mm across and down, and what to do.
    void paintCalibration(QPainter &painter) const;

    // Where a position's text and drawings go, in millimetres: inside the
    // template's margin, and the rectangle within a round label.
    QRectF contentBox(int position) const;

private:
    void paintOutlines(QPainter &painter, double dotsPerMm, const QColor &ink, double widthMm) const;
    void place();
    void calibrate(QPainter &painter, double dotsPerMm) const;

    LabelSheet m_sheet;
    std::vector<QRectF> m_labels;
    std::vector<Decimal> m_values;
    std::vector<LabelText> m_texts; // one per value
    LabelContent m_content;
    std::set<int> m_used;
    LabelCalibration m_calibration;
    std::vector<Placement> m_placements;
};

} // namespace Velmora
