#pragma once

#include "reading.h"
#include "schemeregistry.h"

#include "tooldialog.h"

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
// value read back and whether it is a standard one. It knows the window
// only through its reading.
class ValueDialog : public ToolDialog
{
    Q_OBJECT

public:
    explicit ValueDialog(QWidget *parent = nullptr);

    // The reading of the window on show. Its scheme sets the bands; its
    // tolerance and coefficient, once chosen or changed there, the dialog's.
    void setReading(const Reading &reading);
    SchemeId scheme() const { return m_scheme; }

signals:
    // The bands for the typed value: the window's reading with the digits
    // and the multiplier replaced, and the dialog's tolerance and coefficient.
    void applyRequested(const Velmora::Reading &reading);
    // The person accepted the offer of a window with more bands.
    void moreBandsRequested(Velmora::SchemeId scheme);

private:
    // What the dialog holds for one scheme while another is on show.
    struct SchemeChoice {
        bool seen = false;
        Colour tolerance = Colour::Gold;
        Colour coefficient = Colour::Brown;
        // The window's own, as last seen: a change there is followed.
        std::optional<Colour> windowTolerance;
        std::optional<Colour> windowCoefficient;
    };

    void buildControls();
    void fillLists();
    void choiceChanged();
    void showChoice();
    void refresh();
    void showBands(const std::optional<Reading> &bands);
    void showSeries(Decimal value);
    void refuse(const QString &message);
    void putNearest(const std::optional<Decimal> &value);
    Reading base() const;
    SchemeChoice &choice() { return m_choices.at(schemeIndex(m_scheme)); }
    const SchemeChoice &choice() const { return m_choices.at(schemeIndex(m_scheme)); }

    SchemeId m_scheme = SchemeId::FourBands;
    std::vector<SchemeChoice> m_choices = std::vector<SchemeChoice>(schemeRegistry().size());
    std::optional<Reading> m_applicable; // what Applica sends
    std::optional<SchemeId> m_offered;
    std::optional<Decimal> m_below;
    std::optional<Decimal> m_above;

    QLineEdit *m_value = nullptr;
    QComboBox *m_tolerance = nullptr;
    QLabel *m_toleranceCaption = nullptr;
    QLabel *m_fixedTolerance = nullptr; // in its place where no band chooses one
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
