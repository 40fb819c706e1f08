#pragma once

#include "bandform.h"

namespace Velmora {

// The four-band window.
class Form1 : public BandForm
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    using BandForm::label;
};

} // namespace Velmora
