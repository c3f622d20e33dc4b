#include "frmData2.h"

#include <QHeaderView>
#include <QTableView>

#include "Recordset.h"
#include "SetsTableModel.h"
#include "Twips.h"

frmData2::Layout frmData2::layoutFor(long dataWindowWidth, long dataWindowHeight) {
    Layout l;
    l.width = dataWindowWidth - 20;
    l.height = dataWindowHeight - 1400;
    l.gridHeight = l.height - 520;
    l.gridWidth = l.width - 150;
    return l;
}

frmData2::frmData2(Recordset& rs, long dataWindowWidth, long dataWindowHeight, QWidget* parent)
    : QWidget(parent), m_model(new SetsTableModel(rs, this)) {
    setObjectName(QStringLiteral("frmData2"));
    setWindowTitle(QStringLiteral("Data"));
    const Layout layout = layoutFor(dataWindowWidth, dataWindowHeight);
    const double dx = logicalDpiX();
    const double dy = logicalDpiY();
    resize(Twips::toPixels(layout.width, dx), Twips::toPixels(layout.height, dy));
    DataGrid1 = new QTableView(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setModel(m_model);
    DataGrid1->verticalHeader()->setVisible(false);
    DataGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid1->setGeometry(Twips::toPixels(60, dx), Twips::toPixels(60, dy),
                           Twips::toPixels(layout.gridWidth, dx), Twips::toPixels(layout.gridHeight, dy));
    DataGrid1->horizontalHeader()->setDefaultSectionSize(72);
}

void frmData2::refreshGrid() { m_model->refresh(); }

