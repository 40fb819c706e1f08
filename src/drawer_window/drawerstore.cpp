#include "drawerstore.h"

#include "atomicwrite.h"
#include "drawercsv.h"
#include "drawerwording.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Velmora {

DrawerStore::DrawerStore(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
    load();
}

QString DrawerStore::defaultPath()
{
    // Empty where the system names no data folder: then nothing is saved,
    // and each change says so, rather than writing at the root.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/cassetto.csv");
}

void DrawerStore::load()
{
    const QFileInfo info(m_path);
    if (m_path.isEmpty() || (!info.exists() && !info.isSymLink()))
        return; // a first start
    QFile file(m_path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        m_unreadable = true;
        const QString reason = info.isDir() ? tr("è una cartella") : file.errorString();
        setMessage(DrawerWording::unreadable(m_path, DrawerWording::cannotRead(m_path, reason)));
        return;
    }
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_unreadable = true;
        setMessage(DrawerWording::unreadable(m_path, DrawerWording::cannotRead(m_path, file.errorString())));
        return;
    }
    const CsvReading reading = readDrawerCsv(std::string_view(text.constData(), std::size_t(text.size())));
    if (reading.error != CsvError::None) {
        m_unreadable = true;
        setMessage(DrawerWording::unreadable(m_path, DrawerWording::csvRefusal(reading)));
        return;
    }
    m_drawer = reading.drawer;
}

bool DrawerStore::setDrawer(const Drawer &drawer)
{
    if (drawer == m_drawer && m_saved)
        return true;
    const bool different = !(drawer == m_drawer);
    m_drawer = drawer;
    m_saved = save();
    if (different)
        emit changed(m_drawer);
    return m_saved;
}

bool DrawerStore::add(Decimal value, int count)
{
    Drawer drawer = m_drawer;
    drawer.add(value, count);
    return setDrawer(drawer);
}

bool DrawerStore::setCount(Decimal value, int count)
{
    Drawer drawer = m_drawer;
    drawer.setCount(value, count);
    return setDrawer(drawer);
}

bool DrawerStore::remove(Decimal value)
{
    Drawer drawer = m_drawer;
    drawer.remove(value);
    return setDrawer(drawer);
}

// Written beside the file and renamed over it only once all is written
// and flushed: never a half-written drawer.
bool DrawerStore::save()
{
    if (m_path.isEmpty()) {
        setMessage(DrawerWording::saveFailed(tr("nessuna cartella"), tr("il sistema non indica la cartella dei dati")));
        return false;
    }
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder)) {
        setMessage(DrawerWording::saveFailed(m_path, tr("impossibile creare la cartella %1").arg(folder)));
        return false;
    }
    if (m_unreadable && !moveUnreadableAside())
        return false;
    QString reason;
    if (!writeAtomically(m_path, drawerCsv(m_drawer), reason)) {
        setMessage(DrawerWording::saveFailed(m_path, reason));
        return false;
    }
    if (!m_unreadable && !m_message.isEmpty() && !m_saved)
        setMessage(QString()); // a failed save, now made good
    return true;
}

// cassetto.csv.illeggibile, or the first of -2, -3 … that is free.
bool DrawerStore::moveUnreadableAside()
{
    QString aside = m_path + QStringLiteral(".illeggibile");
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = m_path + QStringLiteral(".illeggibile-%1").arg(n);
    if (!QFile::rename(m_path, aside)) {
        setMessage(DrawerWording::saveFailed(m_path, tr("il file illeggibile non si sposta in %1").arg(aside)));
        return false;
    }
    m_unreadable = false;
    setMessage(DrawerWording::keptAside(aside));
    return true;
}

void DrawerStore::setMessage(const QString &message)
{
    if (message == m_message)
        return;
    m_message = message;
    emit messageChanged(message);
}

} // namespace Velmora
