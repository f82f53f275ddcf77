#include "ui/TFormSize.h"

#include "ui/EFormSizeError.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kRight = QStringLiteral("Right");
const QString kBottom = QStringLiteral("Bottom");
const QString kMaximized = QStringLiteral("Maximized");

int ReadInt(const QSettings& store, const QString& key, int fallback) {
    bool ok = false;
    const int value = store.value(key).toInt(&ok);
    return ok ? value : fallback;
}

bool ReadBool(const QSettings& store, const QString& key, bool fallback) {
    const QVariant value = store.value(key);
    if (!value.isValid())
        return fallback;
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback;
}

// The screen that holds `point`, else the one whose area lies closest to it.
QScreen* ScreenNearest(const QPoint& point) {
    if (QScreen* screen = QGuiApplication::screenAt(point))
        return screen;
    QScreen* nearest = QGuiApplication::primaryScreen();
    qint64 best = -1;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        const qint64 dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
        const qint64 dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
        const qint64 distance = dx * dx + dy * dy;
        if (best < 0 || distance < best) {
            best = distance;
            nearest = screen;
        }
    }
    return nearest;
}

// The key path of the per-user store: "Software\Org\App\Group" gives the
// organisation, the application and the group inside them.
std::unique_ptr<QSettings> OpenKeyPath(const QString& keyPath, QString& group) {
    QStringList parts = QString(keyPath)
                            .replace(QLatin1Char('\\'), QLatin1Char('/'))
                            .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() &&
        parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    const QString organisation = parts.value(0);
    const QString application = parts.value(1, organisation);
    group = parts.mid(2).join(QLatin1Char('/'));
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organisation,
                                       application);
}

// An INI file; a relative name lies in the user's configuration folder.
std::unique_ptr<QSettings> OpenIniFile(const QString& fileName) {
    const QString name =
        QDir::cleanPath(QString(fileName).replace(QLatin1Char('\\'), QLatin1Char('/')));
    QString path = name;
    if (QDir::isRelativePath(name))
        path = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                   .filePath(name);
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

} // namespace

TFormSize::TFormSize(QWidget* form) : QObject(CheckedForm(form)), fForm(form) {
    fSaveName = QStringLiteral(".\\FORM.INI");
    fSaveKey = form->objectName();
    fForm->installEventFilter(this);
}

TFormSize::~TFormSize() = default;

QWidget* TFormSize::CheckedForm(QWidget* form) {
    if (!form || !form->isWindow())
        throw EFormSizeError(QStringLiteral("Control parent must be a form!"));
    if (form->findChild<TFormSize*>(QString(), Qt::FindDirectChildrenOnly))
        throw EFormSizeError(QStringLiteral("The form already contains a TFormSize component"));
    return form;
}

void TFormSize::SetLocation(TPersistLocation value) {
    fLocation = value;
}
void TFormSize::SetSaveName(const QString& value) {
    fSaveName = value;
}
void TFormSize::SetSaveKey(const QString& value) {
    fSaveKey = value;
}
void TFormSize::SetSaveUser(bool value) {
    fSaveUser = value;
}
void TFormSize::SetSaveMachine(bool value) {
    fSaveMachine = value;
}
void TFormSize::SetSavePosition(bool value) {
    fSavePosition = value;
}
void TFormSize::SetSaveSize(bool value) {
    fSaveSize = value;
}
void TFormSize::SetMagnet(bool value) {
    fMagnet = value;
}
void TFormSize::SetMagnetDistance(int value) {
    fMagnetDistance = value;
}
void TFormSize::SetDragAlways(bool value) {
    fDragAlways = value;
}
QString TFormSize::Version() const {
    return QStringLiteral("1.3.1.1");
}

void TFormSize::LoadFormSettings() {
    Restore(true, true);
}

void TFormSize::SaveFormSettings() {
    Write(true, true);
}

bool TFormSize::HasStoredPlacement() const {
    return HasStore() && OpenSection()->contains(kRight);
}

QString TFormSize::UserName() {
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("LOGNAME") : user;
}

QString TFormSize::MachineName() {
    return QSysInfo::machineHostName();
}

QString TFormSize::SectionName() const {
    QString section = fSaveKey;
    if (fSaveUser)
        section += QLatin1Char('-') + UserName();
    if (fSaveMachine)
        section += QLatin1Char('-') + MachineName();
    return section;
}

bool TFormSize::HasStore() const {
    return !fSaveName.isEmpty() && !fSaveKey.isEmpty();
}

std::unique_ptr<QSettings> TFormSize::OpenSection() const {
    QString group;
    std::unique_ptr<QSettings> store = fLocation == TPersistLocation::plRegistry
                                           ? OpenKeyPath(fSaveName, group)
                                           : OpenIniFile(fSaveName);
    const QString section = SectionName();
    store->beginGroup(group.isEmpty() ? section : group + QLatin1Char('/') + section);
    return store;
}

void TFormSize::Restore(bool position, bool size) {
    if (!HasStore())
        return;
    const bool magnet = fMagnet;
    fMagnet = false;
    const std::unique_ptr<QSettings> store = OpenSection();
    const QRect rect = KeptOnDesktop(StoredRect(*store, position, size));
    ApplyPlacement(rect, ReadBool(*store, kMaximized, fForm->isMaximized()));
    fMagnet = magnet;
    if (size)
        emit SizeRestored(*store);
}

// The stored bounds, each missing value taken from the window's own bounds.
QRect TFormSize::StoredRect(QSettings& store, bool position, bool size) const {
    const QRect current =
        fForm->normalGeometry().isValid() ? fForm->normalGeometry() : fForm->geometry();
    const int left = position ? ReadInt(store, kLeft, current.left()) : current.left();
    const int top = position ? ReadInt(store, kTop, current.top()) : current.top();
    int right = left + current.width();
    int bottom = top + current.height();
    if (size) {
        right = ReadInt(store, kRight, current.left() + current.width());
        bottom = ReadInt(store, kBottom, current.top() + current.height());
    }
    QRect rect(left, top, right - left, bottom - top);
    // Bounds that enclose nothing (a size kept without its position) keep the
    // window's own size.
    if (rect.width() <= 0 || rect.height() <= 0)
        rect.setSize(current.size());
    return rect;
}

// Moves a rectangle that ends beyond the desktop's right or bottom edge back
// onto it; one that starts before its left or top edge (a screen that is gone)
// moves right or down, so the window's title bar can always be reached.
QRect TFormSize::KeptOnDesktop(QRect rect) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return rect;
    // Bounds kept on a larger screen shrink to the work area of this one.
    if (const QScreen* screen = ScreenNearest(rect.topLeft()))
        rect.setSize(rect.size().boundedTo(screen->availableGeometry().size()));
    const QRect desktop = primary->virtualGeometry();
    const int desktopRight = desktop.x() + desktop.width();
    const int desktopBottom = desktop.y() + desktop.height();
    if (rect.x() + rect.width() > desktopRight)
        rect.moveLeft(desktopRight - rect.width());
    if (rect.y() + rect.height() > desktopBottom)
        rect.moveTop(desktopBottom - rect.height());
    if (rect.x() < desktop.x())
        rect.moveLeft(desktop.x());
    if (rect.y() < desktop.y())
        rect.moveTop(desktop.y());
    return rect;
}

// A maximised window keeps the stored bounds as its normal placement when they
// start on the monitor nearest to their top-left corner, else that monitor's
// work area; the window is then maximised there.
void TFormSize::ApplyPlacement(QRect rect, bool maximized) {
    if (maximized) {
        if (QScreen* screen = ScreenNearest(rect.topLeft());
            screen && !screen->geometry().contains(rect.topLeft()))
            rect = screen->availableGeometry();
    }
    fForm->setGeometry(rect);
    Qt::WindowStates state = fForm->windowState();
    state.setFlag(Qt::WindowMaximized, maximized);
    fForm->setWindowState(state);
}

void TFormSize::Write(bool position, bool size) {
    if (!HasStore())
        return;
    const std::unique_ptr<QSettings> store = OpenSection();
    const QRect rect =
        fForm->normalGeometry().isValid() ? fForm->normalGeometry() : fForm->geometry();
    if (position) {
        store->setValue(kLeft, rect.x());
        store->setValue(kTop, rect.y());
    }
    if (size) {
        store->setValue(kRight, rect.x() + rect.width());
        store->setValue(kBottom, rect.y() + rect.height());
        store->setValue(kMaximized, fForm->windowState().testFlag(Qt::WindowMaximized));
        emit SizeWriting(*store);
    }
    store->sync();
}

QPoint TFormSize::MagnetPosition(const QRect& frame, const QRect& workArea, int distance) {
    QPoint at = frame.topLeft();
    const int workRight = workArea.x() + workArea.width();
    const int workBottom = workArea.y() + workArea.height();
    if (at.x() < workArea.x() + distance)
        at.setX(workArea.x());
    if (at.y() < workArea.y() + distance)
        at.setY(workArea.y());
    if (std::abs(workBottom - (at.y() + frame.height())) < distance)
        at.setY(workBottom - frame.height());
    if (std::abs(workRight - (at.x() + frame.width())) < distance)
        at.setX(workRight - frame.width());
    return at;
}

void TFormSize::SnapToWorkArea() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary || fSnapping)
        return;
    const QRect frame = fForm->frameGeometry();
    const QPoint snapped = MagnetPosition(frame, primary->availableGeometry(), fMagnetDistance);
    if (snapped == frame.topLeft())
        return;
    fSnapping = true;
    fForm->move(snapped);
    fSnapping = false;
}

// The window system moves the window when it is dragged by a free spot of its
// client area (one no control took the press for).
bool TFormSize::StartDrag(QEvent* event) {
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() != Qt::LeftButton || !fForm->windowHandle())
        return false;
    return fForm->windowHandle()->startSystemMove();
}

bool TFormSize::eventFilter(QObject* watched, QEvent* event) {
    if (watched != fForm)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (!fShown) {
            fShown = true;
            if (fSavePosition || fSaveSize)
                Restore(fSavePosition, fSaveSize);
        }
        break;
    case QEvent::Hide:
        if (fShown && fSavePosition && !event->spontaneous())
            Write(fSavePosition, fSaveSize);
        break;
    case QEvent::Move:
        if (fMagnet && event->spontaneous())
            SnapToWorkArea();
        break;
    case QEvent::MouseButtonPress:
        if (fDragAlways && StartDrag(event))
            return true;
        break;
    default:
        break;
    }
    return false;
}
