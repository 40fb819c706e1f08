#pragma once

#include "resistance.h"

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Velmora {

class Swatch;

// From a value to its colours: the person types a value as a parts list
// writes it and sees, as they type, the bands of the current window, the
// value read back and whether it is a standard one.
class ValueDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ValueDialog(QWidget *parent = nullptr);

    // The current window's scheme: 4, 5 or 6 bands.
    void setBandCount(int bands);
    int bandCount() const { return m_bandCount; }

signals:
    // One 0-based row per band, in band order.
    void applyRequested(const std::vector<int> &rows);
    // The person accepted the offer of a window with more bands.
    void moreBandsRequested(int bands);

private:
    void buildControls();
    void fillLists();
    void refresh();
    void showBands();
    void showSeries(Resistance value);
    void refuse(const QString &message);
    void putNearest(const std::optional<Resistance> &value);

    int m_bandCount = 4;
    std::vector<int> m_rows; // what Applica sends; empty while nothing can be applied
    int m_offeredBands = 0;
    std::optional<Resistance> m_below;
    std::optional<Resistance> m_above;

    QLineEdit *m_value = nullptr;
    QComboBox *m_tolerance = nullptr;
    QLabel *m_coefficientCaption = nullptr;
    QComboBox *m_coefficient = nullptr;
    std::array<Swatch *, 6> m_swatches {};
    std::array<QLabel *, 6> m_names {};
    QLabel *m_readBack = nullptr;
    QLabel *m_series = nullptr;
    QPushButton *m_belowButton = nullptr;
    QPushButton *m_aboveButton = nullptr;
    QLabel *m_message = nullptr;
    QPushButton *m_moreBands = nullptr;
    QPushButton *m_apply = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace Velmora
