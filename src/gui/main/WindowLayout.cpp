// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/WindowLayout.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include "core/common/SettingsStore.h"
#include "core/meter/MeterFacts.h"

namespace {
// Kept between runs, beside the program's settings.
const QString kLayoutSection = QStringLiteral("Window");
const QString kGeometryKey = QStringLiteral("Geometry");
const QString kStateKey = QStringLiteral("State");
const QString kSelectedSetKey = QStringLiteral("Selected Set");
const QString kSideBySideKey = QStringLiteral("Side By Side");
const QString kPanelKey = QStringLiteral("Panel");
const QString kPlotKey = QStringLiteral("Plot");
const QString kPlotSetsKey = QStringLiteral("Plot Sets");
const QString kPlotLogKey = QStringLiteral("Plot Log Scale");
const QString kRecentSection = QStringLiteral("Recent Files");
const QString kRecentKey = QStringLiteral("Files");
const QString kNone = QStringLiteral("<none>");

QString rectText(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
std::optional<QRect> rectFrom(const QString& text) {
    const QStringList v = text.split(QLatin1Char(','));
    if (v.size() != 4) return std::nullopt;
    bool ok[4];
    const QRect r(v[0].toInt(&ok[0]), v[1].toInt(&ok[1]), v[2].toInt(&ok[2]), v[3].toInt(&ok[3]));
    if (!(ok[0] && ok[1] && ok[2] && ok[3]) || r.width() <= 0 || r.height() <= 0)
        return std::nullopt;
    return r;
}
QScreen* screenOf(const QWidget& window) {
    QScreen* screen = QGuiApplication::screenAt(window.frameGeometry().center());
    return screen ? screen : QGuiApplication::primaryScreen();
}
}  // namespace

QRect WindowLayout::placedOnScreen(const QRect& window, const QRect& screen) {
    QRect r(window.topLeft(), window.size().boundedTo(screen.size()));
    if (r.right() > screen.right()) r.moveRight(screen.right());
    if (r.bottom() > screen.bottom()) r.moveBottom(screen.bottom());
    if (r.left() < screen.left()) r.moveLeft(screen.left());
    if (r.top() < screen.top()) r.moveTop(screen.top());
    return r;
}

void WindowLayout::keepFrameOnScreen(QWidget& window) {
    if (window.isMaximized() || window.isFullScreen()) return;
    QScreen* screen = screenOf(window);
    if (!screen) return;
    const QRect frame = window.frameGeometry();
    const QRect placed = placedOnScreen(frame, screen->availableGeometry());
    if (placed == frame) return;
    // The frame's margins stay as they are; the window inside them moves and shrinks with it.
    const QRect inner = window.geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    window.setGeometry(placed.marginsRemoved(margins));
}

bool WindowLayout::restore(QMainWindow& window) const {
    if (!m_settings) return false;
    const QByteArray saved =
        QByteArray::fromBase64(m_settings->value(kLayoutSection, kGeometryKey, {}).toLatin1());
    if (saved.isEmpty() || !window.restoreGeometry(saved)) return false;
    window.restoreState(
        QByteArray::fromBase64(m_settings->value(kLayoutSection, kStateKey, {}).toLatin1()));
    // The screen may be smaller now, or gone: the window lies wholly on the one it is nearest.
    if (QScreen* screen = screenOf(window))
        window.setGeometry(placedOnScreen(window.geometry(), screen->availableGeometry()));
    return true;
}

void WindowLayout::save(const QMainWindow& window) const {
    if (!m_settings) return;
    m_settings->setValue(kLayoutSection, kGeometryKey,
                         QString::fromLatin1(window.saveGeometry().toBase64()));
    m_settings->setValue(kLayoutSection, kStateKey,
                         QString::fromLatin1(window.saveState().toBase64()));
}

std::optional<QRect> WindowLayout::panel() const {
    if (!m_settings) return std::nullopt;
    return rectFrom(m_settings->value(kLayoutSection, kPanelKey, {}));
}

void WindowLayout::savePanel(const QRect& geometry) const {
    if (m_settings) m_settings->setValue(kLayoutSection, kPanelKey, rectText(geometry));
}

WindowLayout::Plot WindowLayout::plot() const {
    Plot plot;
    if (!m_settings) return plot;
    plot.geometry = rectFrom(m_settings->value(kLayoutSection, kPlotKey, {}));
    const QString sets = m_settings->value(kLayoutSection, kPlotSetsKey, kNone);
    if (sets != kNone) {
        QList<int> chosen;
        for (const QString& n : sets.split(QLatin1Char(','), Qt::SkipEmptyParts))
            chosen << n.toInt();
        plot.sets = chosen;
    }
    plot.logScale = m_settings->value(kLayoutSection, kPlotLogKey, {}) == QLatin1String("true");
    return plot;
}

void WindowLayout::savePlot(const QRect& geometry, const QList<int>& sets, bool logScale) const {
    if (!m_settings) return;
    QStringList numbers;
    for (int set : sets) numbers << QString::number(set);
    m_settings->setValue(kLayoutSection, kPlotKey, rectText(geometry));
    m_settings->setValue(kLayoutSection, kPlotSetsKey, numbers.join(QLatin1Char(',')));
    m_settings->setValue(kLayoutSection, kPlotLogKey,
                         logScale ? QStringLiteral("true") : QStringLiteral("false"));
}

std::optional<int> WindowLayout::selectedSet() const {
    if (!m_settings) return std::nullopt;
    bool ok = false;
    const int set = m_settings->value(kLayoutSection, kSelectedSetKey, {}).toInt(&ok);
    if (!ok || !Meter::isSet(set)) return std::nullopt;
    return set;
}

void WindowLayout::saveSelectedSet(int set) const {
    if (m_settings) m_settings->setValue(kLayoutSection, kSelectedSetKey, QString::number(set));
}

bool WindowLayout::sideBySide() const {
    return m_settings &&
           m_settings->value(kLayoutSection, kSideBySideKey, {}) == QLatin1String("True");
}

void WindowLayout::saveSideBySide(bool both) const {
    if (m_settings)
        m_settings->setValue(kLayoutSection, kSideBySideKey,
                             both ? QStringLiteral("True") : QStringLiteral("False"));
}

QStringList WindowLayout::recentFiles() const {
    if (!m_settings) return {};
    const QString kept = m_settings->value(kRecentSection, kRecentKey, {});
    return kept.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(0, kRecentFiles);
}

QStringList WindowLayout::remember(const QString& path) const {
    QStringList files = recentFiles();
    if (!m_settings || path.isEmpty() || (!files.isEmpty() && files.first() == path)) return files;
    files.removeAll(path);
    files.prepend(path);
    files = files.mid(0, kRecentFiles);
    // A list that cannot be kept costs nothing but the list: no message.
    m_settings->setValue(kRecentSection, kRecentKey, files.join(QLatin1Char('\n')));
    return files;
}
