#pragma once

#include "useraction.h"

#include <QColor>
#include <QStringList>

#include <functional>
#include <optional>
#include <random>

namespace Velmora::Testing {

class WindowDriver;
struct WindowView;

struct Divergence {
    qsizetype step = 0; // index of the action after which window and model differ
    QStringList differences;
};

// Runs user actions on a real window and on the model side by side and
// compares all that the user can see after every one.
class ModelCheck
{
public:
    ModelCheck(WindowDriver &driver, const QColor &background, const QString &decimalPoint);

    // Judges only the differences this accepts (all, unless set): a search
    // for one known fault then ignores any other.
    void judgeOnly(std::function<bool(const QString &difference)> accept) { m_accept = std::move(accept); }

    // From a fresh window, the given actions; the first divergence, if any.
    std::optional<Divergence> replay(const QList<UserAction> &actions);
    // From a fresh window, count random actions drawn from rng; done
    // receives those performed, up to a divergence.
    std::optional<Divergence> explore(std::mt19937_64 &rng, qsizetype count, QList<UserAction> &done);
    // A shorter sequence that still diverges: first the shortest failing
    // tail, then removal of ever smaller chunks (delta debugging) until no
    // single action can go or the time is up.
    QList<UserAction> shrink(QList<UserAction> failing, int seconds);

    int replays() const { return m_replays; }

private:
    WindowDriver &m_driver;
    QColor m_background;
    QString m_decimalPoint;
    int m_replays = 0;
    std::function<bool(const QString &)> m_accept;

    QStringList judged(const WindowView &window, const WindowView &model) const;
};

} // namespace Velmora::Testing
