#include "labelcalibration.h"

#include <QSettings>

#include <cmath>

namespace Velmora {

bool LabelCalibration::valid() const
{
    return std::isfinite(offsetX) && std::isfinite(offsetY) && std::abs(offsetX) <= MostOffset
        && std::abs(offsetY) <= MostOffset && scalePercent >= LeastScale && scalePercent <= MostScale;
}

LabelCalibration LabelCalibration::saved()
{
    QSettings settings(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora"), QStringLiteral("Velmora"));
    settings.beginGroup(QStringLiteral("etichette"));
    LabelCalibration calibration;
    calibration.offsetX = settings.value(QStringLiteral("scostamento_x"), 0.0).toDouble();
    calibration.offsetY = settings.value(QStringLiteral("scostamento_y"), 0.0).toDouble();
    calibration.scalePercent = settings.value(QStringLiteral("scala"), 100.0).toDouble();
    // A file edited by hand into nonsense prints as if never calibrated.
    return calibration.valid() ? calibration : LabelCalibration {};
}

void LabelCalibration::save() const
{
    QSettings settings(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora"), QStringLiteral("Velmora"));
    settings.beginGroup(QStringLiteral("etichette"));
    settings.setValue(QStringLiteral("scostamento_x"), offsetX);
    settings.setValue(QStringLiteral("scostamento_y"), offsetY);
    settings.setValue(QStringLiteral("scala"), scalePercent);
}

} // namespace Velmora
