#include "sheetmap.h"

#include "labelsheet.h"
#include "wording.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <limits>

namespace Velmora {

namespace {

// Labels whose centres are this close in height are one row.
constexpr double RowTolerance = 0.5; // mm

// "1–5, 8": the used positions as a person counts them, runs of three or
// more joined.
QStringList runs(const std::set<int> &used)
{
    QStringList items;
    for (auto it = used.begin(); it != used.end();) {
        const int first = *it;
        int last = first;
        while (++it != used.end() && *it == last + 1)
            ++last;
        if (last - first >= 2)
            items << QStringLiteral("%1–%2").arg(first + 1).arg(last + 1);
        else
            for (int p = first; p <= last; ++p)
                items << QString::number(p + 1);
    }
    return items;
}

} // namespace

SheetMap::SheetMap(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("sheetMap"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Posizioni sul foglio"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize SheetMap::sizeHint() const
{
    return {150, 210};
}

void SheetMap::setSheet(const LabelSheet &sheet)
{
    m_paper = sheet.paper;
    m_labels = sheet.labels();
    m_round = sheet.shape != LabelShape::Rectangle;
    m_current = std::min(m_current, std::max(0, int(m_labels.size()) - 1));
    describe();
    update();
}

void SheetMap::setUsed(const std::set<int> &used)
{
    m_used = used;
    describe();
    update();
}

QRectF SheetMap::paperRect() const
{
    if (m_paper.isEmpty())
        return {};
    const QRectF room = QRectF(rect()).adjusted(2, 2, -2, -2);
    const QSizeF size = m_paper.scaled(room.size(), Qt::KeepAspectRatio);
    return {room.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

QRectF SheetMap::positionRect(int position) const
{
    const QRectF paper = paperRect();
    if (position < 0 || position >= int(m_labels.size()) || paper.isEmpty())
        return {};
    const double scale = paper.width() / m_paper.width();
    const QRectF &mm = m_labels[std::size_t(position)];
    return {paper.left() + mm.left() * scale, paper.top() + mm.top() * scale, mm.width() * scale, mm.height() * scale};
}

void SheetMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF paper = paperRect();
    if (paper.isEmpty())
        return;
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(paper);
    for (int i = 0; i < int(m_labels.size()); ++i) {
        const QRectF r = positionRect(i);
        const bool used = m_used.count(i) > 0;
        painter.setPen(QPen(Qt::darkGray, 1));
        painter.setBrush(used ? QColor(0xC8, 0xC8, 0xC8) : QColor(Qt::white));
        if (m_round)
            painter.drawEllipse(r);
        else
            painter.drawRect(r);
        if (used) {
            painter.drawLine(r.topLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomLeft());
        }
    }
    if (hasFocus() && m_current < int(m_labels.size())) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(positionRect(m_current).adjusted(-1, -1, 1, 1));
    }
}

void SheetMap::mousePressEvent(QMouseEvent *event)
{
    for (int i = 0; i < int(m_labels.size()); ++i)
        if (positionRect(i).contains(event->position())) {
            setCurrent(i);
            emit toggled(i);
            return;
        }
    QWidget::mousePressEvent(event);
}

int SheetMap::rowNeighbour(int step) const
{
    const QPointF from = m_labels.at(std::size_t(m_current)).center();
    int best = -1;
    double bestRow = std::numeric_limits<double>::max(), bestAcross = bestRow;
    for (int i = 0; i < int(m_labels.size()); ++i) {
        const QPointF c = m_labels[std::size_t(i)].center();
        const double down = (c.y() - from.y()) * step;
        if (down < RowTolerance)
            continue;
        const double across = std::abs(c.x() - from.x());
        if (down < bestRow - RowTolerance || (std::abs(down - bestRow) < RowTolerance && across < bestAcross)) {
            best = i;
            bestRow = down;
            bestAcross = across;
        }
    }
    return best;
}

void SheetMap::keyPressEvent(QKeyEvent *event)
{
    const int last = int(m_labels.size()) - 1;
    if (last < 0)
        return QWidget::keyPressEvent(event);
    int to = -1;
    switch (event->key()) {
    case Qt::Key_Left:
        to = std::max(0, m_current - 1);
        break;
    case Qt::Key_Right:
        to = std::min(last, m_current + 1);
        break;
    case Qt::Key_Up:
        to = rowNeighbour(-1);
        break;
    case Qt::Key_Down:
        to = rowNeighbour(+1);
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = last;
        break;
    case Qt::Key_Space:
        emit toggled(m_current);
        return;
    default:
        return QWidget::keyPressEvent(event);
    }
    if (to >= 0)
        setCurrent(to);
}

void SheetMap::setCurrent(int position)
{
    m_current = position;
    describe();
    update();
}

// What a screen reader says of the map: where the arrows are, and which
// positions are used.
void SheetMap::describe()
{
    QString text;
    if (!m_labels.empty()) {
        text = tr("Posizione %1 di %2, %3. ")
                   .arg(m_current + 1)
                   .arg(m_labels.size())
                   .arg(m_used.count(m_current) ? tr("usata") : tr("libera"));
        const QStringList used = runs(m_used);
        text += used.isEmpty() ? tr("Nessuna posizione usata.") : tr("Usate: %1.").arg(Wording::listed(used, tr("e")));
    }
    if (text == accessibleDescription())
        return;
    setAccessibleDescription(text);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace Velmora
