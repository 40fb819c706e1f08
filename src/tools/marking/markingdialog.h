#pragma once

#include "tooldialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace Velmora {

// What is printed on a part, read as each kind of part it can be: the
// person types the marking, says what the part is if they know, and sees
// as they type every reading grouped by kind, with its value, tolerance,
// voltage, dielectric, format and table, and what would tell the readings
// apart. A resistance typed as a value gets its SMD codes.
class MarkingDialog : public ToolDialog
{
    Q_OBJECT

public:
    explicit MarkingDialog(QWidget *parent = nullptr);

private:
    void buildControls();
    void refresh();

    QLineEdit *m_code = nullptr;
    QComboBox *m_component = nullptr;
    QTreeWidget *m_readings = nullptr;
    QLabel *m_hint = nullptr;
    QLabel *m_markings = nullptr;
    QLabel *m_message = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace Velmora
