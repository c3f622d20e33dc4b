// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/sets/SetsWindow.h"

#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTableView>

#include "core/store/ReadingsStore.h"
#include "core/store/SetsTableModel.h"
#include "gui/Twips.h"

namespace {
/** Draws a cell's text from a laid-out copy kept per text: a download repaints the same few
 *  thousand readings many times, and laying each one out again cost more than the rest of the
 *  repaint. */
class ReadingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        if (text.isEmpty()) return;
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget)
                               .adjusted(3, 0, -3, 0);
        if (m_fontKey != opt.font.key()) {
            m_cache.clear();
            m_fontKey = opt.font.key();
        }
        if (m_cache.size() > kCacheSize) m_cache.clear();
        auto it = m_cache.find(text);
        if (it == m_cache.end()) {
            QStaticText laidOut(text);
            laidOut.setTextFormat(Qt::PlainText);
            laidOut.prepare(QTransform(), opt.font);
            it = m_cache.insert(text, laidOut);
        }
        const QSizeF size = it->size();
        if (size.width() > area.width()) {  // too wide for its column: elided as before
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QPalette::ColorRole role =
            opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(
            opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled, role));
        const QPointF at(area.right() - size.width() + 1,
                         area.top() + (area.height() - size.height()) / 2.0);
        painter->drawStaticText(at, *it);
        painter->restore();
    }

private:
    static constexpr int kCacheSize = 20000;
    mutable QHash<QString, QStaticText> m_cache;
    mutable QString m_fontKey;
};
}  // namespace

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
    grid->setItemDelegate(new ReadingDelegate(grid));
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setGeometry(Twips::toPixels(60, dx), Twips::toPixels(60, dy),
                      Twips::toPixels(layout.gridWidth, dx),
                      Twips::toPixels(layout.gridHeight, dy));
    grid->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    // A set marked incomplete says so in its header, whole.
    const auto fitHeaders = [this](int first, int last) {
        QHeaderView* header = grid->horizontalHeader();
        for (int column = first; column <= last; ++column) {
            const QString text =
                m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            header->resizeSection(
                column, qMax(kColumnWidth, header->fontMetrics().horizontalAdvance(text) + 16));
        }
    };
    connect(m_model, &QAbstractItemModel::headerDataChanged, this,
            [fitHeaders](Qt::Orientation, int first, int last) { fitHeaders(first, last); });
    connect(m_model, &QAbstractItemModel::modelReset, this,
            [this, fitHeaders] { fitHeaders(0, m_model->columnCount() - 1); });
    fitHeaders(0, m_model->columnCount() - 1);
}

void SetsWindow::refreshGrid() { m_model->refresh(); }

void SetsWindow::showSet(int set) {
    const QModelIndex top = grid->indexAt(QPoint(0, 0));
    grid->scrollTo(grid->model()->index(top.isValid() ? top.row() : 0, set),
                   QAbstractItemView::EnsureVisible);
}
