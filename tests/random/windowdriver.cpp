#include "windowdriver.h"

#include "bandlist.h"
#include "form1.h"
#include "mainwindow.h"
#include "modeltables.h"
#include "swatch.h"

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace Velmora::Testing {

namespace {

// Spins the event loop until done() or the deadline, one pass at a time: no
// sleeping, and no pass that lasts while a zero timer keeps firing.
template<typename Done> bool spinUntil(Done done, int milliseconds = 2000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

QPushButton *command(const Form1 &form, int n)
{
    return form.findChild<QPushButton *>(QStringLiteral("Command%1").arg(n));
}

QPoint entryPoint(const Form1 &form, int band, int row)
{
    const BandList *list = form.list(band);
    return list->viewport()->mapTo(form.window(), list->visualRect(list->model()->index(row, 0)).center());
}

// Halfway between the last entry and the bottom of the list.
QPoint blankPoint(const Form1 &form, int band)
{
    const BandList *list = form.list(band);
    const QRect last = list->visualRect(list->model()->index(list->count() - 1, 0));
    const QPoint p(last.center().x(), (last.bottom() + list->viewport()->height()) / 2);
    return list->viewport()->mapTo(form.window(), p);
}

QPoint buttonPoint(const Form1 &form, int n)
{
    const QPushButton *button = command(form, n);
    return button->mapTo(form.window(), button->rect().center());
}

QString nameOf(const QWidget *w)
{
    return w ? w->objectName() : QString();
}

} // namespace

WindowDriver::WindowDriver(std::function<void(Form1 &)> setUp)
    : m_setUp(std::move(setUp))
{
}

WindowDriver::~WindowDriver() = default;

void WindowDriver::restart()
{
    m_window.reset();
    m_window = std::make_unique<MainWindow>();
    m_form = static_cast<Form1 *>(m_window->currentForm());
    if (m_setUp)
        m_setUp(*m_form);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qFatal("the window never showed");
    if (!spinUntil([this] { return QGuiApplication::focusWindow() == m_window->windowHandle(); }))
        qFatal("the window never became active");
    m_boxes = 0;
    m_boxFaults.clear();
}

void WindowDriver::perform(const UserAction &a)
{
    QWindow *window = m_window->windowHandle();
    const int boxesBefore = m_boxes;

    // A box runs its own event loop inside the action; answer it from there.
    // Every box is answered, however many one action raises (answerBox
    // closes each), so that the count tells an unexpected one and the run
    // goes on to report it.
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box->isVisible())
            answerBox(box, a);
    });
    answerer.start(0);

    switch (a.kind) {
    case UserAction::ClickEntry:
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, entryPoint(*m_form, a.target, a.row));
        break;
    case UserAction::CtrlClickEntry:
        QTest::mouseClick(window, Qt::LeftButton, Qt::ControlModifier, entryPoint(*m_form, a.target, a.row));
        break;
    case UserAction::DoubleClickEntry:
        QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, entryPoint(*m_form, a.target, a.row));
        break;
    case UserAction::ClickBlank:
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, blankPoint(*m_form, a.target));
        break;
    case UserAction::ClickButton:
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, buttonPoint(*m_form, a.target));
        break;
    case UserAction::SwitchForm:
        QTest::keyClick(window, Qt::Key(Qt::Key_0 + a.target), Qt::ControlModifier);
        QTest::keyClick(window, Qt::Key_4, Qt::ControlModifier);
        break;
    case UserAction::ApplyValue: {
        QTest::keyClick(window, Qt::Key_K, Qt::ControlModifier);
        auto *dialog = m_window->findChild<QDialog *>(QStringLiteral("ValueDialog"));
        if (!dialog || !spinUntil([&] { return QGuiApplication::focusWindow() == dialog->windowHandle(); }))
            qFatal("the value dialog never took the keyboard");
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("valueEdit"));
        edit->selectAll();
        QTest::keyClicks(edit, QLatin1String(Model::Values.at(std::size_t(a.target)).text));
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
        handBack();
        break;
    }
    default: {
        static const QHash<UserAction::Kind, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys {
            {UserAction::Up, {Qt::Key_Up, Qt::NoModifier}},
            {UserAction::Down, {Qt::Key_Down, Qt::NoModifier}},
            {UserAction::Home, {Qt::Key_Home, Qt::NoModifier}},
            {UserAction::End, {Qt::Key_End, Qt::NoModifier}},
            {UserAction::PageUp, {Qt::Key_PageUp, Qt::NoModifier}},
            {UserAction::PageDown, {Qt::Key_PageDown, Qt::NoModifier}},
            {UserAction::Left, {Qt::Key_Left, Qt::NoModifier}},
            {UserAction::Right, {Qt::Key_Right, Qt::NoModifier}},
            {UserAction::Tab, {Qt::Key_Tab, Qt::NoModifier}},
            {UserAction::Backtab, {Qt::Key_Backtab, Qt::ShiftModifier}},
            {UserAction::Return, {Qt::Key_Return, Qt::NoModifier}},
            {UserAction::KeypadEnter, {Qt::Key_Enter, Qt::KeypadModifier}},
            {UserAction::Space, {Qt::Key_Space, Qt::NoModifier}},
            {UserAction::CtrlSpace, {Qt::Key_Space, Qt::ControlModifier}},
            {UserAction::Escape, {Qt::Key_Escape, Qt::NoModifier}},
        };
        const auto [key, modifiers] = keys.value(a.kind);
        // Keys go to the active window, and nowhere when there is none.
        if (QWindow *active = QGuiApplication::focusWindow())
            QTest::keyClick(active, key, modifiers);
        break;
    }
    }
    answerer.stop();
    QCoreApplication::processEvents();

    if (m_boxes != boxesBefore)
        handBack();
}

void WindowDriver::handBack()
{
    QWindow *window = m_window->windowHandle();
    if (QGuiApplication::focusWindow() == window)
        return;
    m_window->activateWindow();
    if (spinUntil([&] { return QGuiApplication::focusWindow() == window; }))
        ++m_handedBack;
}

void WindowDriver::answerBox(QMessageBox *box, const UserAction &a)
{
    ++m_boxes;
    const auto fault = [&](const QString &what) { m_boxFaults << QStringLiteral("box %1: %2").arg(m_boxes).arg(what); };

    if (box->windowTitle() != QStringLiteral("Dati mancanti"))
        fault(QStringLiteral("title \"%1\"").arg(box->windowTitle()));
    if (box->text() != QStringLiteral("Impossibile calcolare il valore. Completare i dati mancanti."))
        fault(QStringLiteral("text \"%1\"").arg(box->text()));
    if (box->icon() != QMessageBox::Critical)
        fault(QStringLiteral("icon %1").arg(box->icon()));
    if (box->buttons().size() != 1 || box->standardButtons() != QMessageBox::Ok)
        fault(QStringLiteral("%1 buttons").arg(box->buttons().size()));
    if (!box->isModal())
        fault(QStringLiteral("not modal"));

    // The user types into the box only once it has the keyboard.
    if (!spinUntil([&] { return QGuiApplication::focusWindow() == box->windowHandle(); }))
        fault(QStringLiteral("never took the keyboard"));
    if (a.knock)
        knock();

    static constexpr std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 4> CloseKeys {{
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_Escape, Qt::NoModifier},
        {Qt::Key_Space, Qt::NoModifier},
    }};
    const auto [key, modifiers] = CloseKeys.at(a.closeKey);
    QTest::keyClick(box->windowHandle(), key, modifiers);
    if (box->isVisible()) {
        fault(QStringLiteral("still open after key %1").arg(QKeySequence(key | modifiers).toString()));
        box->done(QMessageBox::Ok);
    }
}

// Clicks and types at the window behind the box, which must take none of it.
void WindowDriver::knock()
{
    QWindow *window = m_window->windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, buttonPoint(*m_form, 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, entryPoint(*m_form, 2, 5));
    QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, Qt::Key_Down);
}

WindowView WindowDriver::view(bool wholeWindow) const
{
    WindowView v;
    QRect area;
    for (int band = 1; band <= 4; ++band)
        area |= m_form->shape(band)->geometry();
    if (wholeWindow)
        area = m_form->rect();
    const QImage image = m_form->grab(area).toImage();

    for (std::size_t i = 0; i < 4; ++i) {
        const int band = int(i) + 1;
        const Swatch *swatch = m_form->shape(band);
        v.fills[i] = swatch->fillColor();
        v.pixels[i] = image.pixelColor((swatch->geometry().center() - area.topLeft()) * image.devicePixelRatio());
        v.names[i] = m_form->label(band + 4)->text();
        v.swatchNames[i] = QAccessible::queryAccessibleInterface(const_cast<Swatch *>(swatch))->text(QAccessible::Name);
        const QModelIndexList rows = m_form->list(band)->selectionModel()->selectedIndexes();
        v.selected[i] = rows.isEmpty() ? -1 : rows.constFirst().row();
        v.selectedCount[i] = int(rows.size());
        v.resultShown[i] = m_form->label(band + 10)->isVisibleTo(m_form);
    }
    v.value = m_form->label(9)->text();
    v.valueShown = m_form->label(9)->isVisibleTo(m_form);
    v.ohm = m_form->label(11)->text();
    v.plusMinus = m_form->label(12)->text();
    v.tolerance = m_form->label(13)->text();
    v.heading = m_form->label(14)->text();
    v.scratchShown = m_form->label(10)->isVisibleTo(m_form);
    v.focus = nameOf(m_form->focusWidget());
    v.keyboardFocus = nameOf(QApplication::focusWidget());
    for (int n : {1, 2})
        if (command(*m_form, n)->isDefault())
            v.defaultButtons << command(*m_form, n)->objectName();
    v.boxes = m_boxes;
    v.boxFaults = m_boxFaults;
    return v;
}

} // namespace Velmora::Testing
