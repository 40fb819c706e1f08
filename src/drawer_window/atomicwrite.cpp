#include "atomicwrite.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace Velmora {

// QSaveFile::commit() alone takes a short write (a full disk, a file size
// limit) for success and renames the cut file into place: the text is
// flushed and its size checked first.
bool writeAtomically(const QString &path, const std::string &text, QString &reason)
{
    const auto size = qint64(text.size());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text.data(), size) == size && file.flush() && file.size() == size
        && file.commit())
        return true;
    reason = file.error() != QFileDevice::NoError
        ? file.errorString()
        : QCoreApplication::translate("DrawerWording", "scrittura incompleta, forse il disco è pieno");
    file.cancelWriting();
    return false;
}

} // namespace Velmora
