#include "modelcheck.h"

#include "windowdriver.h"
#include "windowmodel.h"

#include <QDeadlineTimer>

namespace Velmora::Testing {

namespace {
// A grab of the whole window now and then; the swatches alone every time.
constexpr qsizetype WholeWindowEvery = 1000;
} // namespace

ModelCheck::ModelCheck(WindowDriver &driver, const QColor &background, const QString &decimalPoint)
    : m_driver(driver)
    , m_background(background)
    , m_decimalPoint(decimalPoint)
{
}

QStringList ModelCheck::judged(const WindowView &window, const WindowView &model) const
{
    QStringList d = differences(window, model);
    if (m_accept)
        d.removeIf([this](const QString &difference) { return !m_accept(difference); });
    return d;
}

std::optional<Divergence> ModelCheck::replay(const QList<UserAction> &actions)
{
    ++m_replays;
    WindowModel model(m_background, m_decimalPoint);
    m_driver.restart();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        m_driver.perform(actions[i]);
        model.apply(actions[i]);
        const bool whole = i % WholeWindowEvery == 0 || i + 1 == actions.size();
        if (auto d = judged(m_driver.view(whole), model.view()); !d.isEmpty())
            return Divergence {i, d};
    }
    return std::nullopt;
}

std::optional<Divergence> ModelCheck::explore(std::mt19937_64 &rng, qsizetype count, QList<UserAction> &done)
{
    WindowModel model(m_background, m_decimalPoint);
    m_driver.restart();
    done.clear();
    done.reserve(count);
    if (auto d = judged(m_driver.view(true), model.view()); !d.isEmpty())
        return Divergence {-1, d};
    for (qsizetype i = 0; i < count; ++i) {
        const UserAction action = UserAction::random(rng, model.chosen());
        done << action;
        m_driver.perform(action);
        model.apply(action);
        const bool whole = i % WholeWindowEvery == 0 || i + 1 == count;
        if (auto d = judged(m_driver.view(whole), model.view()); !d.isEmpty())
            return Divergence {i, d};
    }
    return std::nullopt;
}

QList<UserAction> ModelCheck::shrink(QList<UserAction> best, int seconds)
{
    const QDeadlineTimer deadline(std::chrono::seconds {seconds});
    // Keeps a candidate that still diverges, cut after its divergence.
    const auto keepIfFailing = [&](const QList<UserAction> &candidate) {
        const auto d = replay(candidate);
        if (d)
            best = candidate.first(d->step + 1);
        return d.has_value();
    };

    for (qsizetype tail = 1; tail < best.size() && !deadline.hasExpired(); tail *= 2)
        if (keepIfFailing(best.last(tail)))
            break;

    qsizetype chunks = 2;
    while (best.size() > 1 && !deadline.hasExpired()) {
        const qsizetype chunk = (best.size() + chunks - 1) / chunks;
        bool reduced = false;
        for (qsizetype start = 0; start < best.size() && !deadline.hasExpired(); start += chunk) {
            QList<UserAction> candidate = best;
            candidate.remove(start, std::min(chunk, best.size() - start));
            if (keepIfFailing(candidate)) {
                reduced = true;
                chunks = std::max<qsizetype>(chunks - 1, 2);
                break;
            }
        }
        if (!reduced) {
            if (chunk == 1)
                break;
            chunks = std::min(chunks * 2, best.size());
        }
    }
    return best;
}

} // namespace Velmora::Testing
