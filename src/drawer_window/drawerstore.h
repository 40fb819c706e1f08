#pragma once

#include "drawer.h"

#include <QObject>
#include <QString>

namespace Velmora {

// The person's drawer, kept in a file that every change is written to
// before the call returns: atomically, so that a crash or a full disk
// leaves the previous file whole. A file that cannot be read is never
// written over: it is reported, and moved aside before the first save.
class DrawerStore : public QObject
{
    Q_OBJECT

public:
    // The drawer at path, loaded now.
    explicit DrawerStore(const QString &path = defaultPath(), QObject *parent = nullptr);

    // cassetto.csv in the user's data folder for Velmora; empty where the
    // system names none.
    static QString defaultPath();

    const QString &path() const { return m_path; }
    const Drawer &drawer() const { return m_drawer; }
    // Whether the drawer shown is the one on disk.
    bool saved() const { return m_saved; }
    // What the person should know of the file: why it could not be read or
    // saved, or where an unreadable one was kept; empty when all is well.
    const QString &message() const { return m_message; }

    // Each true when the change is on disk, false when it is kept only
    // here and the message says why; the next change tries again.
    bool setDrawer(const Drawer &drawer);
    bool add(Decimal value, int count);
    bool setCount(Decimal value, int count);
    bool remove(Decimal value);

signals:
    void changed(const Velmora::Drawer &drawer);
    void messageChanged(const QString &message);

private:
    void load();
    bool save();
    bool moveUnreadableAside();
    void setMessage(const QString &message);

    QString m_path;
    Drawer m_drawer;
    bool m_saved = true;
    bool m_unreadable = false; // the file at m_path, until moved aside
    QString m_message;
};

} // namespace Velmora
