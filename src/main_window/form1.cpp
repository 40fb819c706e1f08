#include "form1.h"

#include "bandlist.h"
#include "bandlookup.h"
#include "captionbutton.h"
#include "formlayout.h"
#include "layoutfont.h"
#include "swatch.h"
#include "valuetext.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <charconv>
#include <vector>

namespace Velmora {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "Label13" -> 13
int controlNumber(std::string_view name)
{
    const auto digits = name.find_first_of("0123456789");
    int n = 0;
    std::from_chars(name.data() + digits, name.data() + name.size(), n);
    return n;
}

QRect pixelRect(int left, int top, int width, int height)
{
    using Layout::px;
    return QRect(px(left), px(top), px(width), px(height));
}

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

constexpr std::array SelectHandlers {
    &Form1::OnList1Select, &Form1::OnList2Select, &Form1::OnList3Select, &Form1::OnList4Select};

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qs(Layout::Caption));
    setWindowIcon(loadWindowIcon());
    setFixedSize(Layout::px(Layout::ClientWidth), Layout::px(Layout::ClientHeight));
    setFont(layoutFont(Layout::Font::Default));

    buildControls();

    for (std::size_t i = 0; i < m_lists.size(); ++i)
        connect(m_lists[i], &QListWidget::itemSelectionChanged, this, SelectHandlers[i]);
    connect(m_command1, &QPushButton::clicked, this, &Form1::Calculate);
    connect(m_command2, &QPushButton::clicked, this, &Form1::ClearAll);

    m_lists[0]->setFocus();
}

void Form1::buildControls()
{
    std::vector<std::pair<int, QWidget *>> focusChain;

    for (const Layout::Control &c : Layout::Controls) {
        QWidget *widget = nullptr;
        switch (c.kind) {
        case Layout::Kind::Label: {
            auto *label = new QLabel(qs(c.text), this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            // Filled with the window's own background, a label hides nothing
            // but still counts as opaque: a new text then repaints the label
            // alone, not the window and the labels it overlaps by a pixel.
            label->setAutoFillBackground(true);
            m_labels.at(std::size_t(controlNumber(c.name) - 1)) = label;
            widget = label;
            break;
        }
        case Layout::Kind::List: {
            auto *list = new BandList(c.band, this);
            m_lists.at(std::size_t(c.band - 1)) = list;
            focusChain.emplace_back(c.tabIndex, list);
            widget = list;
            break;
        }
        case Layout::Kind::Button: {
            auto *button = new CaptionButton(qs(c.text), this);
            button->setAutoDefault(true); // Enter presses the focused button
            (controlNumber(c.name) == 1 ? m_command1 : m_command2) = button;
            focusChain.emplace_back(c.tabIndex, button);
            widget = button;
            break;
        }
        }
        widget->setObjectName(qs(c.name));
        widget->setGeometry(pixelRect(c.left, c.top, c.width, c.height));
        if (c.font != Layout::Font::Default)
            widget->setFont(layoutFont(c.font));
        if (!c.visible)
            widget->hide();
    }
    m_command1->setDefault(true);

    std::sort(focusChain.begin(), focusChain.end());
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        setTabOrder(focusChain[i - 1].second, focusChain[i].second);

    for (int band = 1; band <= BandCount; ++band) {
        // The caption above a list names it for assistive technology.
        label(band)->setBuddy(list(band));
        list(band)->setAccessibleName(label(band)->text());

        const Layout::Shape &s = Layout::Shapes.at(std::size_t(band - 1));
        auto *swatch = new Swatch(this);
        swatch->setObjectName(qs(s.name));
        swatch->setGeometry(pixelRect(s.left, s.top, s.width, s.height));
        m_shapes.at(std::size_t(band - 1)) = swatch;
        updateSwatchName(band);
    }
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawResistor(painter);
}

void Form1::drawResistor(QPainter &painter) const
{
    using Layout::px;
    painter.setPen(palette().color(QPalette::WindowText));
    for (const Layout::Line &l : Layout::Lines)
        painter.drawLine(px(l.x1), px(l.y1), px(l.x2), px(l.y2));
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Command1 is the default button: Enter in a list, which the list passes
    // on, presses it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_command1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::OnList1Select()
{
    selectBand(1);
}
void Form1::OnList2Select()
{
    selectBand(2);
}
void Form1::OnList3Select()
{
    selectBand(3);
}
void Form1::OnList4Select()
{
    selectBand(4);
}

void Form1::selectBand(int band)
{
    if (const auto entry = lookupBand(band, list(band)->selectedIndex())) {
        shape(band)->setFill(entry->colour.display);
        label(band + 4)->setText(qs(entry->colour.displayName));
        switch (band) {
        case 1:
            m_state.FirstDigit = static_cast<std::int16_t>(qs(entry->digitText).toShort());
            break;
        case 3:
            m_state.Multiplier = entry->multiplier;
            break;
        case 4:
            label(13)->setText(qs(entry->tolerance)); // ready for when the result shows
            break;
        }
        updateSwatchName(band);
    }
    if (band != 4)
        recompute();
}

// Once a value is on show, every change of bands 1 to 3 updates it at once.
void Form1::recompute()
{
    if (!label(9)->text().isEmpty())
        Calculate();
}

void Form1::Calculate()
{
    for (BandList *l : m_lists) {
        if (l->selectedIndex() == -1) {
            QMessageBox::critical(this, qs(Layout::MissingDataTitle), qs(Layout::MissingDataText));
            return;
        }
    }

    const auto second = lookupBand(2, list(2)->selectedIndex());
    if (!second)
        return;

    // The first digit goes through the hidden Label10 as text.
    label(10)->setText(QString::number(m_state.FirstDigit));
    const QString digits = label(10)->text() + qs(second->digitText);
    const double value = digits.toDouble() * m_state.Multiplier;

    label(9)->setText(valueText(value, QLocale::system().decimalPoint()));
    for (int n : {11, 12, 13, 14})
        label(n)->setVisible(true);
}

void Form1::ClearAll()
{
    // setText, not clear(): only setText tells assistive technology that the
    // text has gone. Label9 empties first, so deselecting the lists cannot
    // trigger a recompute.
    label(9)->setText(QString());
    for (Swatch *s : m_shapes)
        s->setFill(ButtonFace);
    for (BandList *l : m_lists)
        l->clearChoice();
    for (int n : {5, 6, 7, 8, 10, 13})
        label(n)->setText(QString());
    for (int n : {11, 12, 13, 14})
        label(n)->setVisible(false);
    m_state = FormState {};

    for (int band = 1; band <= BandCount; ++band)
        updateSwatchName(band);
}

void Form1::updateSwatchName(int band)
{
    const QString name = label(band + 4)->text();
    shape(band)->setAccessibleName(
        label(band)->text() + QStringLiteral(": ") + (name.isEmpty() ? QStringLiteral("nessun colore") : name));
}

} // namespace Velmora
