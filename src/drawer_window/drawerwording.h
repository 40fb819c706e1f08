#pragma once

#include "drawercsv.h"

#include <QCoreApplication>
#include <QString>

namespace Velmora {

// What the drawer says: its window, its file and the commands that read a
// drawer file.
class DrawerWording
{
    Q_DECLARE_TR_FUNCTIONS(DrawerWording)

public:
    // "Riga 4: «4.700» è ambiguo: …", "Il file è vuoto: …".
    static QString csvRefusal(const CsvReading &reading);
    // A file that cannot be opened or read, with the system's reason.
    static QString cannotRead(const QString &path, const QString &reason);
    // The saved drawer could not be read at start: it is kept.
    static QString unreadable(const QString &path, const QString &why);
    // The unreadable file, moved aside before the first save.
    static QString keptAside(const QString &aside);
    // A file import refuses, and why: the drawer is left as it was.
    static QString importRefused(const QString &path, const QString &why);
    static QString saveFailed(const QString &path, const QString &reason);
    static QString exportFailed(const QString &path, const QString &reason);
    static QString exported(const QString &path, int lines);
    static QString imported(const QString &path, int lines);
    // A value a drawer does not take: 0 ohms.
    static QString zeroValue();
    // "4700 Ohm: ora 2 nel cassetto."
    static QString added(Decimal value, int count);
    static QString removed(int lines);
    static QString filled(int values);
    // A range the series fills with more values than any drawer holds.
    static QString tooManyValues(int values);
    // A value typed into the value column that another line already holds.
    static QString joined(Decimal value, int count);
};

} // namespace Velmora
