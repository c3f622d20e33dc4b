// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/WorkArea.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QTimer>
#include <cstdint>

#include "core/session/MeterSession.h"
#include "gui/Twips.h"
#include "gui/main/WindowLayout.h"
#include "gui/panel/ReadingPanel.h"
#include "gui/plot/PlotWindow.h"
#include "gui/sets/SetsWindow.h"

WorkArea::WorkArea(Deps deps, QWidget* parent) : QMdiArea(parent), m_deps(deps) {
    setObjectName(QStringLiteral("MDIClient"));
    setAccessibleName(tr("Work area"));
    viewport()->installEventFilter(this);  // the panel shrinks to fit a small work area
    connect(this, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (w && w == m_readingSub && m_reading) m_reading->activate();
    });
    followSession();
}

void WorkArea::followSession() {
    MeterSession& s = m_deps.session;
    connect(&s, &MeterSession::downloadRequested, this, &WorkArea::viewData);
    connect(&s, &MeterSession::downloadEnded, this, [this] { setsWindow().refreshGrid(); });
    connect(&s, &MeterSession::downloadSetBegun, this, [this](int set) {
        // A one-set download brings its set into view; Download All leaves the grid where the
        // user put it (following each set would repaint it whole thirty times, and end far from
        // the first set).
        if (m_deps.session.oneSetAsked()) setsWindow().showSet(set);
    });
    connect(&s, &MeterSession::liveRequested, this, &WorkArea::viewMeter);
}

bool WorkArea::dataShown() const { return m_dataSub && m_dataSub->isVisible(); }
bool WorkArea::meterShown() const { return m_readingSub && m_readingSub->isVisible(); }
bool WorkArea::plotShown() const { return m_plotSub && m_plotSub->isVisible(); }

void WorkArea::saveLayout() const {
    const WindowLayout& layout = m_deps.layout;
    if (m_readingSub) layout.savePanel(m_readingSub->geometry());
    layout.saveSideBySide(meterShown() && dataShown());
    if (m_plot) layout.savePlot(m_plotSub->geometry(), m_plot->chosenSets(), m_plot->logScale());
}

bool WorkArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == viewport()) fitPanel();
    if (event->type() == QEvent::Close && !m_closing) {
        if (watched == m_dataSub) {
            // Closing the sets window closes the program.
            event->ignore();
            QTimer::singleShot(0, this, &WorkArea::closeRequested);
            return true;
        }
        if (watched == m_readingSub) {
            event->ignore();
            m_readingSub->hide();
            return true;
        }
    }
    return QMdiArea::eventFilter(watched, event);
}

PlotWindow& WorkArea::showPlot() {
    if (m_plot) {
        m_plot->refresh();
        presentPlot();
        return *m_plot;
    }
    // A plot made now has just read the table: it is not read again.
    m_plot = new PlotWindow(m_deps.session.store(), m_deps.session.state(), m_deps.trend,
                            m_deps.fileDialog, m_deps.printDialog, m_deps.messages);
    m_plotSub = addSubWindow(m_plot);
    m_plotSub->setObjectName(QStringLiteral("frmPlotWindow"));
    // Closing the plot hides it: View > Plot shows it again with the same choices.
    m_plotSub->setAttribute(Qt::WA_DeleteOnClose, false);
    m_plotSub->resize(m_plot->size());
    const WindowLayout::Plot kept = m_deps.layout.plot();
    if (kept.geometry) m_plotSub->setGeometry(*kept.geometry);
    if (kept.sets) m_plot->restoreChoices(*kept.sets, kept.logScale);
    // Wholly inside the work area, whatever its size now.
    m_plotSub->setGeometry(WindowLayout::placedOnScreen(m_plotSub->geometry(), viewport()->rect()));
    m_plotSub->hide();
    // Shown from the event loop's next turn: made, laid out and painted in one turn, thirty full
    // sets held the window for longer than a frame.
    QTimer::singleShot(0, this, &WorkArea::presentPlot);
    return *m_plot;
}

void WorkArea::presentPlot() {
    // Closing the sub-window closed the plot inside it too: both are shown again.
    m_plot->show();
    m_plotSub->show();
    m_plotSub->raise();
    setActiveSubWindow(m_plotSub);
}

void WorkArea::viewData() {
    hidePanel();
    showSetsWindow();
}

void WorkArea::viewMeter() {
    showPanel();
    hideSetsWindow();
}

void WorkArea::sideBySide() {
    showSetsWindow();
    showPanel();
    const QRect area = viewport()->rect();
    m_readingSub->move(area.right() + 1 - m_readingSub->width(), area.top());
    m_dataSub->setGeometry(
        area.left(), area.top(),
        qMax(m_dataSub->minimumSizeHint().width(), area.width() - m_readingSub->width()),
        area.height());
}

SetsWindow& WorkArea::setsWindow() {
    if (!m_data) {
        // Laid out in twips from the main window's size: less its menus, bars and borders.
        const QWidget& frame = *window();
        const double heightTwips = Twips::fromPixels(frame.height(), frame.logicalDpiY());
        const double widthTwips = Twips::fromPixels(frame.width(), frame.logicalDpiX());
        m_data = new SetsWindow(m_deps.session.store(), m_deps.messages,
                                static_cast<std::int32_t>(Twips::roundHalfEven(widthTwips - 200)),
                                static_cast<std::int32_t>(Twips::roundHalfEven(heightTwips - 750)));
        m_data->offerGps(m_deps.gps);
        m_dataSub = addSubWindow(m_data);
        m_dataSub->setObjectName(QStringLiteral("frmData2Window"));
        m_dataSub->setWindowTitle(tr("Data"));
        // The window's own size (frame included) is the one laid out in twips.
        m_dataSub->resize(m_data->size());
        m_dataSub->move(0, 0);
        m_dataSub->installEventFilter(this);
        m_dataSub->hide();
    }
    return *m_data;
}

ReadingPanel& WorkArea::panel() {
    if (!m_reading) {
        m_reading = new ReadingPanel(m_deps.session.state(), m_deps.panelHost);
        m_reading->follow(m_deps.session);
        m_readingSub =
            addSubWindow(m_reading, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                        Qt::WindowCloseButtonHint);
        m_readingSub->setObjectName(QStringLiteral("frmReadingWindow"));
        m_readingSub->setWindowTitle(QStringLiteral("Orvanta"));
        m_readingSub->installEventFilter(this);
        m_readingSub->hide();
        if (const auto r = m_deps.layout.panel())
            m_readingSub->move(WindowLayout::placedOnScreen(
                                   QRect(r->topLeft(), m_readingSub->size()), viewport()->rect())
                                   .topLeft());
    }
    return *m_reading;
}

void WorkArea::fitPanel() {
    if (!m_reading) return;
    // The sub-window's title bar and borders around the panel.
    const QSize frame = m_readingSub->sizeHint() - m_reading->size();
    const QRect area = viewport()->rect();
    m_reading->setZoom(m_reading->zoomToFit(area.size() - frame));
    m_readingSub->resize(m_reading->size() + frame);
    m_readingSub->move(WindowLayout::placedOnScreen(m_readingSub->geometry(), area).topLeft());
}

void WorkArea::showPanel() {
    panel();
    fitPanel();
    m_readingSub->show();
    m_readingSub->raise();
    setActiveSubWindow(m_readingSub);
}

void WorkArea::hidePanel() {
    panel();
    m_readingSub->hide();
}

void WorkArea::showSetsWindow() {
    setsWindow();
    m_dataSub->show();
    m_dataSub->raise();
    setActiveSubWindow(m_dataSub);
}

void WorkArea::hideSetsWindow() {
    setsWindow();
    m_dataSub->hide();
}
