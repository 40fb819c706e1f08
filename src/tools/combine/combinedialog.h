#pragma once

#include "dividerfinder.h"
#include "drawer.h"
#include "reading.h"

#include "tooldialog.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace Velmora {

class NetworkView;

// Which resistors to put together: the person types the value a circuit
// needs, or a divider's voltages, chooses where the parts come from (an E
// series over a range, or their drawer) and how many at most, and sees as
// they type the best network of each number of parts, drawn with its bands.
// The search runs on another thread; a newer keystroke supersedes it.
class CombineDialog : public ToolDialog
{
    Q_OBJECT

public:
    explicit CombineDialog(QWidget *parent = nullptr);
    ~CombineDialog() override;

    // The scheme of the window on show, whose bands the parts are drawn in.
    void setScheme(SchemeId scheme);
    void setDrawer(const Drawer &drawer);

private:
    struct Answers {
        std::vector<Combination> combinations;
        std::vector<Divider> dividers;
    };
    // What one search is for, to word its answers when they come.
    struct Asked {
        Exact target; // the value, or the divider's ratio
        Exact vin;
        int tolerance = 500;
    };
    struct Row {
        QLabel *title = nullptr;
        NetworkView *schematic = nullptr;
        QLabel *details = nullptr;
    };
    static constexpr std::size_t RowCount = 4; // a row per number of parts

    void buildControls();
    void addRows(QGridLayout *grid, int firstRow);
    void showMode();
    void refresh();
    std::optional<PartSource> source(QString &refusal) const;
    void search(const Asked &asked, std::function<Answers(const std::atomic_bool *cancel)> find);
    void stopSearch();
    void showAnswers(const Asked &asked, const Answers &answers);
    void refuse(const QString &message);
    void clearRows();
    bool dividerMode() const;
    int tolerance() const;

    SchemeId m_scheme = SchemeId::FourBands;
    Drawer m_drawer;
    int m_generation = 0; // of the latest search; a result of another is stale
    int m_shownTolerance = 500; // of the parts drawn
    std::shared_ptr<std::atomic_bool> m_cancel;

    QRadioButton *m_valueMode = nullptr;
    QRadioButton *m_dividerMode = nullptr;
    QLineEdit *m_target = nullptr;
    QLabel *m_targetCaption = nullptr;
    QLineEdit *m_vin = nullptr;
    QLineEdit *m_vout = nullptr;
    QLineEdit *m_totalLowest = nullptr;
    QLineEdit *m_totalHighest = nullptr;
    QLineEdit *m_load = nullptr;
    std::vector<QWidget *> m_dividerControls; // shown in divider mode only
    QComboBox *m_source = nullptr;
    QSpinBox *m_mostParts = nullptr;
    QLineEdit *m_lowest = nullptr;
    QLineEdit *m_highest = nullptr;
    std::array<QLabel *, 2> m_rangeCaptions {};
    QLabel *m_message = nullptr;
    std::array<Row, RowCount> m_rows {};
    QPushButton *m_close = nullptr;
};

} // namespace Velmora
