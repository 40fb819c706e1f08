#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace Velmora {

enum class LabelShape { Rectangle, Round, Ellipse, Cd };

// One block of equal labels on a sheet: columns × rows, the first label's top-left corner and the pitch, in mm.
struct LabelGrid {
    int columns = 1;
    int rows = 1;
    double left = 0, top = 0, pitchX = 0, pitchY = 0;
};

// A sheet of labels, every length in millimetres, from the paper's top-left corner.
struct LabelSheet {
    QString brand; // "Avery"; empty for a custom grid
    QString part; // "J8157"
    QString description; // "Mailing Labels" (as the template has it, untranslated)
    QString paperName; // "A4", "US Letter", or "100 × 150 mm" for a paper with no name
    QSizeF paper; // mm
    QSizeF label; // mm: width × height (a round label or CD: its outer diameter both ways; a CD cut down to a
                  // card: the card)
    double radius = 0; // corner radius, mm (rectangles)
    double margin = 0; // the template's markup margin, mm: keep content this far inside the edge
    double hole = 0; // a CD's centre hole, diameter in mm
    LabelShape shape = LabelShape::Rectangle;
    std::vector<LabelGrid> grids;

    QString name() const; // "Avery J8157"; a custom grid: "Personalizzato 3 × 11"
    int count() const; // labels per sheet
    // Every label's rectangle, row by row from the top left: sorted by top (labels whose tops differ by
    // less than 0.01 mm are one row), then by left. Index i is position i+1 as a person counts them.
    std::vector<QRectF> labels() const;
    // Sizes above zero, at least one label and at most MostLabels, every label on the paper give or take
    // 1 mm: a sheet that can be printed on.
    bool isValid() const;

    static constexpr int MostLabels = 10000;
};

// A plain grid typed by the person: paper, columns, rows, label size, left/top margins, gaps between labels.
LabelSheet customSheet(const QString &paperName, QSizeF paper, int columns, int rows, QSizeF label, double left,
    double top, double gapX, double gapY);

} // namespace Velmora
