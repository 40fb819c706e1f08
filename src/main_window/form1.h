#pragma once

#include "formstate.h"

#include <QWidget>

#include <array>

class QLabel;

namespace Velmora {

class BandList;
class CaptionButton;
class Swatch;

// The one window: the resistor drawing, a list per band, the value and its
// tolerance.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    const FormState &state() const { return m_state; }

    // Controls by their number, as named in the layout (Label1 ... Label15,
    // List1 ... List4, Shape1 ... Shape4).
    QLabel *label(int n) const { return m_labels.at(std::size_t(n - 1)); }
    BandList *list(int band) const { return m_lists.at(std::size_t(band - 1)); }
    Swatch *shape(int band) const { return m_shapes.at(std::size_t(band - 1)); }

public slots:
    void OnList1Select();
    void OnList2Select();
    void OnList3Select();
    void OnList4Select();
    void Calculate();
    void ClearAll();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void drawResistor(QPainter &painter) const;
    void selectBand(int band);
    void recompute();
    void updateSwatchName(int band);
    void updateDefaultButton();

    FormState m_state;
    std::array<QLabel *, 15> m_labels {};
    std::array<BandList *, 4> m_lists {};
    std::array<Swatch *, 4> m_shapes {};
    CaptionButton *m_command1 = nullptr;
    CaptionButton *m_command2 = nullptr;
};

} // namespace Velmora
