#pragma once

#include <QRectF>
#include <QWidget>

#include <set>
#include <vector>

namespace Velmora {

struct LabelSheet;

// A sheet's labels drawn to scale, for saying which of them are already
// used: a click, or Space on the position the arrows reach, asks to turn a
// position used or free; used ones are crossed out in grey.
class SheetMap : public QWidget
{
    Q_OBJECT

public:
    explicit SheetMap(QWidget *parent = nullptr);

    void setSheet(const LabelSheet &sheet);
    void setUsed(const std::set<int> &used);
    int current() const { return m_current; }
    // Where a position is drawn, in the widget.
    QRectF positionRect(int position) const;
    QSize sizeHint() const override;

signals:
    void toggled(int position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRectF paperRect() const;
    // The nearest label in the next row up (-1) or down (+1), or none.
    int rowNeighbour(int step) const;
    void setCurrent(int position);
    void describe();

    QSizeF m_paper;
    std::vector<QRectF> m_labels; // mm
    bool m_round = false;
    std::set<int> m_used;
    int m_current = 0;
};

} // namespace Velmora
