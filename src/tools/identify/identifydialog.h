#pragma once

#include "identification.h"

#include "tooldialog.h"

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace Velmora {

// From what the person sees on a resistor to what it can be: the colours of
// each band, or the few they hesitate between, which end they think is
// band 1, and what a meter said. Every reading those allow is listed as they
// choose, best first; Applica shows the chosen one in its band window. It
// cannot see the body, so it never knows which end is which.
class IdentifyDialog : public ToolDialog
{
    Q_OBJECT

public:
    explicit IdentifyDialog(QWidget *parent = nullptr);

signals:
    // The chosen reading in the scheme of the window that shows it.
    void applyRequested(const Velmora::Reading &reading);

private:
    void buildControls();
    QLayout *buildBandLists();
    void restart();
    void showBandCount();
    void refresh();
    std::optional<Measurement> measurement();
    void showReadings(const std::vector<Identified> &readings);
    void currentChanged();

    std::vector<Identified> m_shown; // as listed
    std::optional<Reading> m_applicable; // what Applica sends

    QSpinBox *m_bandCount = nullptr;
    std::array<QLabel *, 6> m_bandCaptions {};
    std::array<QListWidget *, 6> m_bands {};
    QCheckBox *m_eitherEnd = nullptr;
    QLineEdit *m_measured = nullptr;
    QComboBox *m_accuracy = nullptr;
    QLabel *m_refusal = nullptr;
    QLabel *m_verdict = nullptr;
    QListWidget *m_readings = nullptr;
    QLabel *m_message = nullptr;
    QPushButton *m_apply = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_restart = nullptr;
};

} // namespace Velmora
