#include "bandform.h"

#include "bandlist.h"
#include "bandpainter.h"
#include "captionbutton.h"
#include "colourcode.h"
#include "layoutfont.h"
#include "swatch.h"
#include "wording.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>
#include <utility>

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

// The layout draws the body and the leads as boxes of lines: the body's run
// from the drawing's top or to its bottom, the leads' lie between.
std::pair<QRect, QRect> resistorPlace(std::span<const Layout::Line> lines)
{
    using Layout::px;
    const auto through = [](const Layout::Line &l) {
        return QRect(QPoint(px(l.x1), px(l.y1)), QPoint(px(l.x2), px(l.y2))).normalized();
    };
    QRect all;
    for (const Layout::Line &l : lines)
        all |= through(l);
    QRect body;
    QRect leads;
    for (const Layout::Line &l : lines) {
        const QRect r = through(l);
        (r.top() == all.top() || r.bottom() == all.bottom() ? body : leads) |= r;
    }
    return {body, leads};
}

} // namespace

BandForm::BandForm(const Layout::FormLayout &layout, QWidget *parent)
    : QWidget(parent)
    , m_layout(layout)
    , m_scheme(bandScheme(layout.scheme))
    , m_reading {layout.scheme}
{
    setObjectName(qs(layout.name));
    setFixedSize(Layout::px(layout.clientWidth), Layout::px(layout.clientHeight));
    setFont(layoutFont(Layout::Font::Default));

    buildControls();

    // Each list's selection reaches its own handler.
    constexpr std::array<void (BandForm::*)(), 6> handlers {&BandForm::OnList1Select, &BandForm::OnList2Select,
        &BandForm::OnList3Select, &BandForm::OnList4Select, &BandForm::OnList5Select, &BandForm::OnList6Select};
    for (int band = 1; band <= bandCount(); ++band)
        connect(list(band), &QListWidget::itemSelectionChanged, this, handlers.at(std::size_t(band - 1)));
    connect(m_command1, &QPushButton::clicked, this, &BandForm::Calculate);
    connect(m_command2, &QPushButton::clicked, this, &BandForm::ClearAll);
    connect(qApp, &QApplication::focusChanged, this, &BandForm::updateDefaultButton);
}

// QWidget's destructor deletes the controls after this one has run, and
// moves the focus as it does: the handler must not see that half-gone window.
BandForm::~BandForm()
{
    disconnect(qApp, nullptr, this, nullptr);
}

void BandForm::buildControls()
{
    const auto bands = std::size_t(bandCount());
    m_lists.resize(bands);
    m_captions.resize(bands);
    m_names.resize(bands);
    std::vector<std::pair<int, QWidget *>> focusChain;

    for (const Layout::Control &c : m_layout.controls) {
        QWidget *widget = nullptr;
        switch (c.role) {
        case Layout::Role::List: {
            auto *list = new BandList(m_scheme.rows(c.band), this);
            m_lists.at(std::size_t(c.band - 1)) = list;
            focusChain.emplace_back(c.tabIndex, list);
            widget = list;
            break;
        }
        case Layout::Role::Calculate:
        case Layout::Role::Clear: {
            auto *button = new CaptionButton(qs(c.text), this);
            button->setAutoDefault(true); // Enter presses the focused button
            (c.role == Layout::Role::Calculate ? m_command1 : m_command2) = button;
            focusChain.emplace_back(c.tabIndex, button);
            widget = button;
            break;
        }
        default:
            widget = addLabel(c);
            break;
        }
        widget->setObjectName(qs(c.name));
        widget->setGeometry(pixelRect(c.left, c.top, c.width, c.height));
        for (std::size_t i = 0; i < m_resultLine.size(); ++i)
            if (widget == m_resultLine[i])
                m_resultPlaces[i] = widget->geometry();
        if (widget == m_value)
            m_valuePlace = widget->geometry();
        if (c.font != Layout::Font::Default)
            widget->setFont(layoutFont(c.font));
        if (!c.visible)
            widget->hide();
    }
    m_command1->setDefault(true);

    std::sort(focusChain.begin(), focusChain.end());
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        setTabOrder(focusChain[i - 1].second, focusChain[i].second);

    for (int band = 1; band <= bandCount(); ++band) {
        // The caption above a list names it for assistive technology.
        m_captions[std::size_t(band - 1)]->setBuddy(list(band));
        list(band)->setAccessibleName(m_captions[std::size_t(band - 1)]->text());

        const Layout::Shape &s = m_layout.shapes[std::size_t(band - 1)];
        auto *swatch = new Swatch(this);
        swatch->setObjectName(qs(s.name));
        swatch->setGeometry(pixelRect(s.left, s.top, s.width, s.height));
        m_shapes.push_back(swatch);
        updateSwatchName(band);
    }
    showImpliedTolerance();
}

// Without a tolerance band the tolerance is known from the start; it shows
// with the value, as a chosen one does.
void BandForm::showImpliedTolerance()
{
    if (m_scheme.impliedTolerance)
        m_tolerance->setText(Wording::tolerance(*m_scheme.impliedTolerance));
}

QLabel *BandForm::addLabel(const Layout::Control &c)
{
    auto *label = new QLabel(qs(c.text), this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    // Filled with the window's own background, a label hides nothing but
    // still counts as opaque: a new text then repaints the label alone, not
    // the window and the labels it overlaps by a pixel.
    label->setAutoFillBackground(true);

    const auto n = std::size_t(controlNumber(c.name));
    if (m_labels.size() < n)
        m_labels.resize(n);
    m_labels[n - 1] = label;

    using Layout::Role;
    switch (c.role) {
    case Role::Caption:
        m_captions.at(std::size_t(c.band - 1)) = label;
        break;
    case Role::ColourName:
        m_names.at(std::size_t(c.band - 1)) = label;
        break;
    case Role::Value:
        m_value = label;
        break;
    case Role::Unit:
        m_resultLine[0] = label;
        break;
    case Role::PlusMinus:
        m_resultLine[1] = label;
        break;
    case Role::Tolerance:
        m_resultLine[2] = m_tolerance = label;
        break;
    case Role::Heading:
        m_resultLine[3] = label;
        break;
    case Role::TempCoefficient:
        m_resultLine[4] = m_tempCoefficient = label;
        break;
    case Role::Scratch:
        m_scratch = label;
        break;
    default:
        break;
    }
    return label;
}

void BandForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawResistor(painter);
}

// The bands are the swatches, painted by the same painter over the body.
void BandForm::drawResistor(QPainter &painter) const
{
    const auto [body, leads] = resistorPlace(m_layout.lines);
    BandPainter(palette().color(QPalette::WindowText), palette().color(QPalette::Window))
        .paintBody(painter, body, leads);
}

void BandForm::keyPressEvent(QKeyEvent *event)
{
    // Command1 is the default button: Enter in a list, which the list passes
    // on, presses it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_command1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void BandForm::chooseRow(int band, int row)
{
    list(band)->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void BandForm::setReading(const Reading &reading)
{
    if (reading.scheme != scheme())
        return;
    for (int band = 1; band <= bandCount(); ++band) {
        const int row = reading.row(band);
        if (row >= 0 && row < list(band)->count() && row != list(band)->selectedIndex())
            chooseRow(band, row);
    }
}

void BandForm::selectBand(int band)
{
    const auto rows = m_scheme.rows(band);
    const int index = list(band)->selectedIndex();
    const BandKind kind = m_scheme.kind(band);
    if (index >= 0 && std::size_t(index) < rows.size()) {
        const SchemeRow &row = rows[std::size_t(index)];
        const ColourRow &colour = colourRow(row.colour);
        shape(band)->setFill(colour.display);
        m_names[std::size_t(band - 1)]->setText(qs(colour.displayName));
        switch (kind) {
        case BandKind::Digit:
            if (band == 1 && keepsSeedState())
                m_state.FirstDigit = DigitBand.at(std::size_t(index)).digit;
            break;
        case BandKind::Multiplier:
            if (keepsSeedState())
                m_state.Multiplier = MultiplierBand.at(std::size_t(index)).multiplier;
            break;
        case BandKind::Tolerance: // ready for when the result shows
            m_tolerance->setText(Wording::tolerance(row.value));
            break;
        case BandKind::TempCoefficient:
            m_tempCoefficient->setText(Wording::coefficient(row.value));
            break;
        }
        updateSwatchName(band);
    }
    m_reading.setRow(band, index);
    if (kind == BandKind::Digit || kind == BandKind::Multiplier)
        recompute();
    emit readingChanged(m_reading);
}

// Once a value is on show, every change of a digit or the multiplier
// updates it at once.
void BandForm::recompute()
{
    if (!m_value->text().isEmpty())
        Calculate();
}

void BandForm::Calculate()
{
    std::vector<int> rows;
    for (BandList *l : m_lists) {
        rows.push_back(l->selectedIndex());
        if (rows.back() == -1) {
            QMessageBox::critical(this, qs(Layout::MissingDataTitle), qs(Layout::MissingDataText));
            return;
        }
    }

    std::optional<Decimal> value = valueOf(m_reading);
    if (!value)
        return;

    // The four-band form computes as it was designed, from what it stored:
    // the first digit passes through its hidden scratch label as text, the
    // second digit follows it, and the digits read back whole are times the
    // multiplier, a power of ten the table gives as a double (0.1 and 0.01
    // the nearest ones), so its logarithm rounds to the exact exponent.
    if (keepsSeedState()) {
        m_scratch->setText(QString::number(m_state.FirstDigit));
        QString digits = m_scratch->text();
        digits += QString::number(DigitBand.at(std::size_t(rows[1])).digit);
        value = Decimal {digits.toLongLong(), int(std::lround(std::log10(m_state.Multiplier)))};
    }

    m_value->setText(qs(plainText(*value, Wording::decimalPoint().toStdString())));
    placeResultLine();
    for (QLabel *l : m_resultLine)
        if (l)
            l->setVisible(true);
    emit resultChanged();
}

void BandForm::ClearAll()
{
    // setText, not clear(): only setText tells assistive technology that the
    // text has gone. The value empties first, so deselecting the lists cannot
    // trigger a recompute.
    m_value->setText(QString());
    for (Swatch *s : m_shapes)
        s->setFill(ButtonFace);
    for (BandList *l : m_lists)
        l->clearChoice();
    for (QLabel *l : m_names)
        l->setText(QString());
    for (QLabel *l : {m_scratch, m_tolerance, m_tempCoefficient})
        if (l)
            l->setText(QString());
    showImpliedTolerance();
    for (QLabel *l : m_resultLine)
        if (l)
            l->setVisible(false);
    m_state = FormState {};
    m_reading = Reading {scheme()};

    for (int band = 1; band <= bandCount(); ++band)
        updateSwatchName(band);
    emit resultChanged();
    emit readingChanged(m_reading);
}

void BandForm::placeResultLine()
{
    if (!m_layout.resultFollowsValue)
        return;
    const int wider = std::max(0, m_value->fontMetrics().horizontalAdvance(m_value->text()) - m_valuePlace.width());
    m_value->setGeometry(m_valuePlace.adjusted(0, 0, wider, 0));
    for (std::size_t i : {0, 1, 2, 4})
        if (m_resultLine[i])
            m_resultLine[i]->setGeometry(m_resultPlaces[i].translated(wider, 0));
}

QString BandForm::resultText() const
{
    if (m_value->text().isEmpty())
        return QString();
    QStringList parts {m_value->text()};
    for (const QLabel *l : {m_resultLine[0], m_resultLine[1], m_resultLine[2], m_resultLine[4]})
        if (l)
            parts << l->text();
    return parts.join(QLatin1Char(' '));
}

// Outside a QDialog an auto-default button drops its default state when it
// loses the focus, and takes it when it gets it, so the frame would vanish or
// sit on both buttons. As in a dialog: the focused button is the default, and
// Command1 is whenever the focus is elsewhere. It runs after the buttons' own
// focus handlers, and follows the window's focus widget, which stays while the
// window is inactive.
void BandForm::updateDefaultButton()
{
    const QWidget *focus = focusWidget();
    const bool onButton = focus == m_command1 || focus == m_command2;
    m_command1->setDefault(!onButton || focus == m_command1);
    m_command2->setDefault(focus == m_command2);
}

void BandForm::updateSwatchName(int band)
{
    const QString name = m_names[std::size_t(band - 1)]->text();
    shape(band)->setAccessibleName(m_captions[std::size_t(band - 1)]->text() + QStringLiteral(": ")
        + (name.isEmpty() ? QStringLiteral("nessun colore") : name));
}

void BandForm::focusFirstList()
{
    list(1)->setFocus();
}

} // namespace Velmora
