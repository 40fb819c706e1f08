#pragma once

#include "formlayout.h"
#include "formstate.h"
#include "reading.h"

#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QPushButton;

namespace Velmora {

class BandList;
class CaptionButton;
class Swatch;

// A window that reads one banding of resistors: the resistor drawing, a list
// per band, the value and its tolerance, built from its layout table. The
// four-band form is Form1; every other scheme's form shares its code.
// What the person has chosen is a Reading, which the form shows and takes.
class BandForm : public QWidget
{
    Q_OBJECT

public:
    explicit BandForm(const Layout::FormLayout &layout, QWidget *parent = nullptr);
    ~BandForm() override;

    SchemeId scheme() const { return m_scheme.id; }
    int bandCount() const { return m_scheme.bandCount; }

    // The controls by their role; bands count from 1.
    BandList *list(int band) const { return m_lists.at(std::size_t(band - 1)); }
    // The keyboard in the first band's list, as a new form starts.
    void focusFirstList();
    Swatch *shape(int band) const { return m_shapes.at(std::size_t(band - 1)); }
    QLabel *caption(int band) const { return m_captions.at(std::size_t(band - 1)); }
    QLabel *colourName(int band) const { return m_names.at(std::size_t(band - 1)); }
    QLabel *valueLabel() const { return m_value; }

    // The bands chosen, as the lists show them.
    const Reading &reading() const { return m_reading; }
    // Chooses the reading's rows as clicks on them would, handlers and all;
    // bands it leaves unchosen stay as they are, as no click unchooses one.
    void setReading(const Reading &reading);
    // The same for one band.
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
    // A band was chosen, or all were cleared.
    void readingChanged(const Velmora::Reading &reading);

protected:
    // By the number in the layout (Label1, Label2, ...), for the four-band
    // form, whose controls are known by those names.
    QLabel *label(int n) const { return m_labels.at(std::size_t(n - 1)); }

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    QLabel *addLabel(const Layout::Control &c);
    void drawResistor(QPainter &painter) const;
    void selectBand(int band);
    void recompute();
    void placeResultLine();
    void updateSwatchName(int band);
    void showImpliedTolerance();
    void updateDefaultButton();

    const Layout::FormLayout &m_layout;
    const BandScheme &m_scheme;
    // The four-band form's own state and scratch label, which its
    // calculation runs through; the other forms read the reading itself.
    bool keepsSeedState() const { return m_scratch != nullptr; }
    FormState m_state;
    Reading m_reading;
    std::vector<QLabel *> m_labels;
    std::vector<BandList *> m_lists;
    std::vector<Swatch *> m_shapes;
    std::vector<QLabel *> m_captions;
    std::vector<QLabel *> m_names;
    // The result line in the order it is shown: unit, ±, tolerance, heading,
    // and with six bands the temperature coefficient.
    std::array<QLabel *, 5> m_resultLine {};
    // Where the layout puts each of them, for a line that follows the value.
    std::array<QRect, 5> m_resultPlaces {};
    QRect m_valuePlace;
    QLabel *m_value = nullptr;
    QLabel *m_tolerance = nullptr;
    QLabel *m_tempCoefficient = nullptr;
    QLabel *m_scratch = nullptr;
    CaptionButton *m_command1 = nullptr;
    CaptionButton *m_command2 = nullptr;
};

} // namespace Velmora

Q_DECLARE_METATYPE(Velmora::Reading)
