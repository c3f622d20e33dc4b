// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

class QMainWindow;
class QWidget;
class SettingsStore;

/** @brief What the desktop program keeps of its windows between runs, beside its settings: the
 *  main window's geometry, where the panel and the plot were, the plot's choices, the selected
 *  set and the recent files. Without a settings store nothing is kept. */
class WindowLayout {
public:
    explicit WindowLayout(SettingsStore* settings) : m_settings(settings) {}

    /** @brief Puts @p window back as it was left, wholly on the screen it is nearest; false at
     *  the first start. */
    bool restore(QMainWindow& window) const;
    void save(const QMainWindow& window) const;
    /** @brief Moves @p window's frame, title bar included, wholly onto its screen's work area. */
    static void keepFrameOnScreen(QWidget& window);
    /** @brief @p window moved, and shrunk where it must be, to lie wholly on @p screen. */
    static QRect placedOnScreen(const QRect& window, const QRect& screen);

    std::optional<QRect> panel() const;
    void savePanel(const QRect& geometry) const;
    struct Plot {
        std::optional<QRect> geometry;
        std::optional<QList<int>> sets;  ///< none: never chosen
        bool logScale = false;
    };
    Plot plot() const;
    void savePlot(const QRect& geometry, const QList<int>& sets, bool logScale) const;
    /** @brief The set Download Selected Set asks for, as last chosen. */
    std::optional<int> selectedSet() const;
    void saveSelectedSet(int set) const;
    /** @brief The sets window and the panel were both shown when the program last ended. */
    bool sideBySide() const;
    void saveSideBySide(bool both) const;

    /** @brief The data files last opened or saved, newest first (up to kRecentFiles). */
    QStringList recentFiles() const;
    /** @brief Puts @p path first in the recent files; the list as it is now. */
    QStringList remember(const QString& path) const;
    static constexpr int kRecentFiles = 8;

private:
    SettingsStore* m_settings;
};
