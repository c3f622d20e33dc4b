// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/files/FileCommands.h"
#include "core/session/SessionState.h"

class FileDialog;
class LiveTrend;
class ProfileChart;
class TrendChart;
class MessageBox;
class PrintDialog;
class ReadingsStore;

/** @brief "Plot": the readings of the chosen sets against reading position, with the live trend
 *  of continuous readings below. */
class ChartView;

class PlotWindow : public QWidget {
    Q_OBJECT
public:
    PlotWindow(const ReadingsStore& store, const SessionState& vars, const LiveTrend& trend,
               FileDialog& files, PrintDialog& printing, MessageBox& messages,
               QWidget* parent = nullptr);

    /** @brief The unit system the profiles are drawn in (the user's choice, else the units of
     *  the first chosen set whose units are known). */
    Meter::Units drawnUnits() const;
    /** @brief Reads the table again and redraws. */
    void refresh();
    /** @brief The user's choices of an earlier run: these sets and this scale, whatever sets
     *  hold readings now. */
    void restoreChoices(const QList<int>& sets, bool logScale);
    /** @brief Chooses the sets shown. */
    void chooseSets(const QList<int>& sets);
    QList<int> chosenSets() const;
    /** @brief Writes the profiles as shown as PNG, SVG or PDF (by the name's ending); on
     *  failure, the message that says why. */
    FileOutcome saveImage(const QString& path, QSize size = QSize(1200, 800)) const;
    /** @brief The live trend as an image (by the extension: .png, .svg, .pdf) or, for .csv, its
     *  values ("time,value", UTC with milliseconds). */
    FileOutcome saveTrend(const QString& path, QSize size = QSize(1200, 600)) const;
    void savePlot();
    /** @brief Save Trend: the live trend to a file the user chooses. */
    void saveTrendDialog();
    void printPlot();

    /** @brief The profiles are drawn on a log scale. */
    bool logScale() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void redraw();
    static FileOutcome saveChart(const ChartView& chart, const QString& path, QSize size);
    /** @brief The list's colour swatches, as the lines are drawn on this palette. */
    void showSetColours();
    QListWidget* m_setList;
    QCheckBox* m_logScale;
    QComboBox* m_units;      ///< SI or CGS
    QCheckBox* m_depthDown;  ///< depth runs down the page, as a log is read
    bool m_unitsChosen = false;
    QPushButton* m_saveButton;
    QPushButton* m_saveTrendButton;
    QPushButton* m_printButton;
    QPushButton* m_resetZoomButton;
    QLabel* m_valueLabel;  ///< the reading under the mouse
    ProfileChart* m_profiles;
    TrendChart* m_trend;
    const ReadingsStore& m_store;
    const SessionState& m_vars;
    const LiveTrend& m_liveTrend;
    FileDialog& m_dialog;
    PrintDialog& m_printing;
    MessageBox& m_messages;
    QTimer m_pending;
};
