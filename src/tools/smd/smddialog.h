#pragma once

#include "tooldialog.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Velmora {

// The markings of surface-mount resistors: the person types the code on the
// part and sees, as they type, every reading of it with its format,
// tolerance and E series; or types a value and sees the codes it carries.
class SmdDialog : public ToolDialog
{
    Q_OBJECT

public:
    explicit SmdDialog(QWidget *parent = nullptr);

private:
    void buildControls();
    void refresh();

    QLineEdit *m_code = nullptr;
    // A code has at most two readings.
    std::array<QLabel *, 2> m_values {};
    std::array<QLabel *, 2> m_details {};
    QLabel *m_markings = nullptr;
    QLabel *m_message = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace Velmora
