#pragma once

#include "bandscheme.h"
#include "formlayout.h"
#include "formstate.h"

#include <QWidget>

#include <array>
#include <vector>

class QLabel;

namespace Velmora {

class BandList;
class CaptionButton;
class Swatch;

// A window that reads one banding of resistors: the resistor drawing, a list
// per band, the value and its tolerance, built from its layout table. The
// four-band form is Form1; the five- and six-band forms share its code.
class BandForm : public QWidget
{
    Q_OBJECT

public:
    explicit BandForm(const Layout::FormLayout &layout, QWidget *parent = nullptr);

    int bandCount() const { return m_scheme.bandCount; }
    const FormState &state() const { return m_state; }

    // Controls by their number, as named in the layout (Label1, List1,
    // Shape1, ...); bands count from 1.
    QLabel *label(int n) const { return m_labels.at(std::size_t(n - 1)); }
    BandList *list(int band) const { return m_lists.at(std::size_t(band - 1)); }
    Swatch *shape(int band) const { return m_shapes.at(std::size_t(band - 1)); }

    // Chooses a band's row as a click on it would, handlers and all.
    void chooseRow(int band, int row);

    // The result line as one text, "4700 Ohm ± 5%" (with six bands the
    // coefficient after it); empty while no value is on show.
    QString resultText() const;

public slots:
    void OnList1Select() { selectBand(1); }
    void OnList2Select() { selectBand(2); }
    void OnList3Select() { selectBand(3); }
    void OnList4Select() { selectBand(4); }
    void OnList5Select() { selectBand(5); }
    void OnList6Select() { selectBand(6); }
    void Calculate();
    void ClearAll();

signals:
    // A value came on show, changed or went.
    void resultChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    QLabel *addLabel(const Layout::Control &c);
    void drawResistor(QPainter &painter) const;
    void selectBand(int band);
    void recompute();
    void updateSwatchName(int band);

    const Layout::FormLayout &m_layout;
    const BandScheme &m_scheme;
    FormState m_state;
    std::vector<QLabel *> m_labels;
    std::vector<BandList *> m_lists;
    std::vector<Swatch *> m_shapes;
    std::vector<QLabel *> m_captions;
    std::vector<QLabel *> m_names;
    // The result line in the order it is shown: unit, ±, tolerance, heading,
    // and with six bands the temperature coefficient.
    std::array<QLabel *, 5> m_resultLine {};
    QLabel *m_value = nullptr;
    QLabel *m_tolerance = nullptr;
    QLabel *m_tempCoefficient = nullptr;
    QLabel *m_scratch = nullptr;
    CaptionButton *m_command1 = nullptr;
    CaptionButton *m_command2 = nullptr;
};

} // namespace Velmora
