#pragma once

#include "labelcontent.h"

#include <QFont>
#include <QRectF>

#include <bitset>

class QPainter;

namespace Velmora {

class LabelText;

// How a value's label fits its box: the type's and the drawings' scale and
// the lines kept.
struct LabelFit {
    double scale = 1.0;
    std::bitset<DropOrder.size()> dropped;
    bool keeps(LabelLine line) const { return !dropped.test(std::size_t(line)); }
};

// One value's label on paper: the letter code in bold, the value and the
// tolerance after it, the resistor in four and in five bands each with its
// colours named beside it, and the SMD codes under them. Lengths are in
// millimetres; the type is measured once at 1200 dpi, so that a label is
// laid out the same on the screen, in a PDF and on any printer.
class LabelPainter
{
public:
    explicit LabelPainter(const LabelContent &content);

    // The type shrinks together down to MinScale, then the lines give way in
    // DropOrder; the letter code alone shrinks without limit. Nothing drawn
    // leaves the box.
    static constexpr double MinScale = 0.6;
    LabelFit fit(const LabelText &text, QSizeF box) const;

    // The label fitted to box, on a painter whose device has dotsPerMm
    // device units to the millimetre (its world transform may move and
    // scale the whole page).
    void paint(QPainter &painter, double dotsPerMm, const QRectF &box, const LabelText &text) const;

private:
    struct Row;
    std::vector<Row> rows(const LabelText &text, const LabelFit &fit) const;
    static QSizeF extent(const std::vector<Row> &rows);
    bool wanted(const LabelText &text, LabelLine line) const;

    LabelContent m_content;
};

} // namespace Velmora
