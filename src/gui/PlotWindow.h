// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/plot/PlotModel.h"
#include "core/session/SessionState.h"

class FileDialog;
class MessageBox;
class PrintDialog;
class Recordset;

/** @brief The drawing of the profile plot, for the screen, images and paper alike. */
class PlotCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PlotCanvas(QWidget* parent = nullptr) : QWidget(parent) { setMinimumSize(320, 240); }
    void setData(QList<PlotModel::Series> series, bool logScale, QString yLabel);
    /** @brief Draws the plot into @p area. */
    void render(QPainter& p, const QRectF& area) const;
    const QList<PlotModel::Series>& series() const { return m_series; }
    const QString& yLabel() const { return m_yLabel; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<PlotModel::Series> m_series;
    bool m_log = false;
    QString m_yLabel;
};

/** @brief "Plot": the readings of the chosen sets against reading position. */
class PlotWindow : public QWidget {
    Q_OBJECT
public:
    PlotWindow(Recordset& rs, const SessionState& vars, FileDialog& files, PrintDialog& printing,
               MessageBox& messages, QWidget* parent = nullptr);

    /** @brief Where the units each set was downloaded in come from (none: the meter's units now). */
    void setUnitsOfSet(std::function<std::optional<int>(int set)> unitsOfSet);
    /** @brief Reads the table again and redraws. */
    void refresh();
    /** @brief The user's choices of an earlier run: these sets and this scale, whatever sets
     *  hold readings now. */
    void restoreChoices(const QList<int>& sets, bool logScale);
    /** @brief Chooses the sets shown. */
    void chooseSets(const QList<int>& sets);
    QList<int> chosenSets() const;
    /** @brief Writes the plot as PNG, SVG or PDF (by the name's ending); false on failure. */
    bool saveImage(const QString& path, QSize size = QSize(1200, 800)) const;
    void savePlot();
    void printPlot();

    QListWidget* SetList;
    QCheckBox* LogScale;
    QPushButton* SaveButton;
    QPushButton* PrintButton;
    PlotCanvas* Canvas;

private:
    void redraw();
    Recordset& m_rs;
    const SessionState& m_vars;
    FileDialog& m_dialog;
    PrintDialog& m_printing;
    MessageBox& m_messages;
    QTimer m_pending;
    std::function<std::optional<int>(int)> m_unitsOfSet;
};
