// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/sets/SetsWindow.h"

#include <QHeaderView>
#include <QTableView>

#include "core/store/ReadingsStore.h"
#include "core/store/SetsTableModel.h"
#include "gui/Twips.h"

SetsWindow::Layout SetsWindow::layoutFor(long dataWindowWidth, long dataWindowHeight) {
    Layout l;
    l.width = dataWindowWidth - 20;
    l.height = dataWindowHeight - 1400;
    l.gridHeight = l.height - 520;
    l.gridWidth = l.width - 150;
    return l;
}

SetsWindow::SetsWindow(ReadingsStore& store, long dataWindowWidth, long dataWindowHeight,
                       QWidget* parent)
    : QWidget(parent), m_model(new SetsTableModel(store, this)) {
    setObjectName(QStringLiteral("frmData2"));
    setWindowTitle(QStringLiteral("Data"));
    const Layout layout = layoutFor(dataWindowWidth, dataWindowHeight);
    const double dx = logicalDpiX();
    const double dy = logicalDpiY();
    resize(Twips::toPixels(layout.width, dx), Twips::toPixels(layout.height, dy));
    grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("DataGrid1"));
    grid->setModel(m_model);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setGeometry(Twips::toPixels(60, dx), Twips::toPixels(60, dy),
                      Twips::toPixels(layout.gridWidth, dx),
                      Twips::toPixels(layout.gridHeight, dy));
    grid->horizontalHeader()->setDefaultSectionSize(72);
}

void SetsWindow::refreshGrid() { m_model->refresh(); }
